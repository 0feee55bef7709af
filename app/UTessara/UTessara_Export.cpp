// The picture leaves the window: on the clipboard, as a PNG, SVG or PDF file and on the
// printer, always at its true size. Vector outputs are drawn anew by the Plot routines.
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UBildausgabe.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge.h"

#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>

namespace {

// Shift + right button on the picture opens its menu; the plain right button stays
// with the window's own mouse handling (the clipboard copy).
class Bildmenue_Filter : public QObject {
public:
    Bildmenue_Filter(TForm1* fenster) : QObject(fenster), fenster_(fenster) {}

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonPress) return QObject::eventFilter(ziel, e);
        auto* maus = static_cast<QMouseEvent*>(e);
        if (maus->buttons() != Qt::RightButton || maus->modifiers() != Qt::ShiftModifier)
            return QObject::eventFilter(ziel, e);
        QMenu menue;
        menue.addAction(QString::fromUtf8("Grafik speichern …"), fenster_, &TForm1::Grafik_speichern);
        menue.addAction(QString::fromUtf8("Grafik drucken …"), fenster_, &TForm1::Grafik_drucken);
        menue.exec(maus->globalPosition().toPoint());
        return true;
    }

private:
    TForm1* fenster_;
};

QString Qtext(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

void TForm1::Ausgabe_einrichten() {
    Image1()->installEventFilter(new Bildmenue_Filter(this));
    auto* speichern = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(speichern, &QShortcut::activated, this, &TForm1::Grafik_speichern);
    auto* drucken = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(drucken, &QShortcut::activated, this, &TForm1::Grafik_drucken);
    // On a screen of another pixel ratio the picture arrives resampled; when it holds
    // nothing but the last Plot it is drawn anew, sharp at the new ratio.
    connect(Image1(), &TBild::Verhaeltnis_gewechselt, this, [this](bool unveraendert) {
        if (unveraendert && Bild_loeschen_an()) SpeedButton_PlotClick();
    });
}

void TForm1::Grafik_zeichnen(QPaintDevice& geraet) { Plot_zeichnen(geraet, Plotauftrag_lesen()); }

Bildmass TForm1::Grafik_Mass() const {
    return {Image1()->Groesse(), double(KOS.Bildbreite_cm), double(KOS.Bildtiefe_cm)};
}

void TForm1::Grafik_in_Zwischenablage() {
    auto* daten = new QMimeData;
    daten->setImageData(Bild_mit_Aufloesung(Image1()->Bild()));
    daten->setData(QStringLiteral("image/svg+xml"),
                   Bild_als_SVG(Grafik_Mass(), [this](QPaintDevice& g) { Grafik_zeichnen(g); }));
    QGuiApplication::clipboard()->setMimeData(daten);
}

bool TForm1::Grafik_als_Datei(const std::string& pfad) {
    const QString name = Qtext(pfad);
    const QString endung = QFileInfo(name).suffix().toLower();
    const auto zeichner = [this](QPaintDevice& g) { Grafik_zeichnen(g); };
    QByteArray daten;
    if (endung == "png") {
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        Bild_mit_Aufloesung(Image1()->Bild()).save(&puffer, "PNG");
    } else if (endung == "svg") {
        daten = Bild_als_SVG(Grafik_Mass(), zeichner);
    } else if (endung == "pdf") {
        const bool a4 = Dialog().Frage("Die Grafik mittig auf eine A4-Seite setzen ?");
        daten = Bild_als_PDF(Grafik_Mass(), a4, zeichner);
    } else {
        Dialog().Meldung("Die Grafik kann nur als .png, .svg oder .pdf gespeichert werden:\r" + pfad);
        return false;
    }
    QSaveFile datei(name);
    if (daten.isEmpty() || !datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() ||
        !datei.commit()) {
        datei.cancelWriting();
        Dialog().Meldung("Die Datei " + pfad + " konnte nicht geschrieben werden.");
        return false;
    }
    return true;
}

void TForm1::Grafik_speichern() {
    const auto pfad = Dialog().Datei_waehlen(true, "Grafik speichern", "Grafik.png",
                                             "Grafik (*.png *.svg *.pdf)");
    if (pfad) Grafik_als_Datei(*pfad);
}

void TForm1::Grafik_drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setFullPage(true);
    QPrintPreviewDialog vorschau(&drucker, this);
    vorschau.setWindowTitle(QString::fromUtf8("Grafik drucken"));
    connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
        if (!Bild_auf_Seite(*p, Grafik_Mass(), [this](QPaintDevice& g) { Grafik_zeichnen(g); }))
            Dialog().Meldung("Der Drucker kann die Grafik nicht annehmen.");
    });
    vorschau.exec();
}
