// Saving and opening the table as a CSV file from the statistics window: its two
// buttons and keys, the file dialog, and writing through QSaveFile, so that a failed
// save leaves the old file (or none) instead of a half-written one.
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Unit6_Statistik.h"

#include "platform/Dialoge.h"
#include "table/UTabelle_CSV.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QShortcut>
#include <QStyle>

namespace {

// The file saved or opened last: the next dialog suggests it.
std::string letzte_datei;

std::string Vorschlag() {
    if (!letzte_datei.empty()) return letzte_datei;
    return QDir(QDir::homePath()).filePath(QStringLiteral("Tabelle.csv")).toStdString();
}

}  // namespace

void TForm6::Tabelle_Datei_einrichten() {
    auto* speichern = new QShortcut(QKeySequence::Save, this);
    auto* oeffnen = new QShortcut(QKeySequence::Open, this);
    for (QShortcut* k : {speichern, oeffnen}) k->setContext(Qt::WindowShortcut);
    connect(speichern, &QShortcut::activated, this, &TForm6::Tabelle_speichern);
    connect(oeffnen, &QShortcut::activated, this, &TForm6::Tabelle_oeffnen);
    ui->SpeedButton_Tabelle_speichern->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    ui->SpeedButton_Tabelle_oeffnen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    connect(ui->SpeedButton_Tabelle_speichern, &QToolButton::clicked, this, &TForm6::Tabelle_speichern);
    connect(ui->SpeedButton_Tabelle_oeffnen, &QToolButton::clicked, this, &TForm6::Tabelle_oeffnen);
}

void TForm6::Tabelle_speichern() {
    std::string csv;
    if (!Tabelle_als_CSV(Tabelle, csv)) {
        Dialog().Meldung("Die Tabelle enthält keine Daten.");
        return;
    }
    const auto wahl = Dialog().Datei_waehlen(true, "Tabelle speichern", Vorschlag(), "CSV-Dateien (*.csv)");
    if (!wahl || wahl->empty()) return;
    QString pfad = QString::fromStdString(*wahl);
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".csv");
    QSaveFile datei(pfad);
    const auto laenge = qint64(csv.size());
    // Without commit the destructor throws the temporary file away.
    if (!datei.open(QIODevice::WriteOnly) || datei.write(csv.data(), laenge) != laenge || !datei.commit()) {
        Dialog().Meldung("Die Datei „" + QFileInfo(pfad).fileName().toStdString() +
                         "“ kann nicht geschrieben werden.");
        return;
    }
    letzte_datei = pfad.toStdString();
}

void TForm6::Tabelle_oeffnen() {
    const auto wahl = Dialog().Datei_waehlen(false, "Tabelle öffnen", Vorschlag(),
                                             "CSV-Dateien (*.csv *.txt *.tsv);;Alle Dateien (*)");
    if (!wahl || wahl->empty()) return;
    if (Tabelle_aus_CSV_Datei(Tabelle, *wahl)) letzte_datei = *wahl;
}
