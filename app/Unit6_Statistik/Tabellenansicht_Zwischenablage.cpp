// Ctrl+V and Ctrl+C in StringGrid1: a spreadsheet's clipboard text pasted at the cell
// cursor, the marked range copied as tab-separated text and as an HTML table.
#include "app/Unit6_Statistik/Tabellenansicht.h"

#include "platform/Dialoge.h"
#include "table/UTabelle_CSV.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void TTabellenansicht::Zwischenablage_einfuegen() {
    if (!tabelle_) return;
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    if (Text_einfuegen(*tabelle_, text, tabelle_->Spalte, tabelle_->Zeile) == TEinfuegeergebnis::Ausserhalb)
        Dialog().Meldung("Tabellengrenzen überschritten !");
}

void TTabellenansicht::Zwischenablage_kopieren() {
    if (!tabelle_) return;
    TBereich b = tabelle_->Markierung;
    if (!b.echt()) b = TBereich{tabelle_->Spalte, tabelle_->Zeile, tabelle_->Spalte, tabelle_->Zeile};
    std::string tsv, html;
    if (!Bereich_als_TSV(*tabelle_, b, tsv) || !Bereich_als_HTML(*tabelle_, b, html)) return;
    auto* daten = new QMimeData;
    daten->setText(QString::fromStdString(tsv));
    daten->setHtml(QString::fromStdString(html));
    QGuiApplication::clipboard()->setMimeData(daten);
}
