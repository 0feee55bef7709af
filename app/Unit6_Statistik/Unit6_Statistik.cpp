#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Unit6_Statistik.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UGrafik.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// The range-selection pointer: a cross over a small dotted frame.
QCursor Auswahlcursor_erzeugen() {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(8, 8, 16, 12);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(0, 8, 15, 8);
    p.drawLine(8, 0, 8, 15);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(0, 9, 15, 9);
    p.drawLine(9, 0, 9, 15);
    p.end();
    return QCursor(bild, 8, 8);
}

bool nur_rechts(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift) {
    return buttons == Qt::RightButton &&
           (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}

}  // namespace

TForm6::TForm6(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm6>()), auswahlcursor_(Auswahlcursor_erzeugen()) {
    setObjectName("Form6");
    ui->setupUi(this);
    ui->StringGrid1->Tabelle_verbinden(Tabelle);
    Tabelle_einrichten(Tabelle);
    ui->StringGrid1->viewport()->installEventFilter(this);

    connect(ui->SpeedButton_Tabelle_loeschen, &QToolButton::clicked, this, &TForm6::SpeedButton_Tabelle_loeschenClick);
    connect(ui->SpeedButton_Spalte_loeschen, &QToolButton::clicked, this, &TForm6::SpeedButton_Spalte_loeschenClick);
    connect(ui->SpeedButton_Zeile_loeschen, &QToolButton::clicked, this, &TForm6::SpeedButton_Zeile_loeschenClick);
    connect(ui->SpeedButton_Schiebe_Spalte, &QToolButton::clicked, this, &TForm6::SpeedButton_Schiebe_SpalteClick);
    connect(ui->SpeedButton_Schiebe_Zeile, &QToolButton::clicked, this, &TForm6::SpeedButton_Schiebe_ZeileClick);
    connect(ui->SpeedButton_Zelle_1_1, &QToolButton::clicked, this, &TForm6::SpeedButton_Zelle_1_1Click);
    connect(ui->SpeedButton_Zellen_kopieren, &QToolButton::clicked, this, &TForm6::SpeedButton_Zellen_kopierenClick);
    connect(ui->SpeedButton_TabellenBereich_zu_Textdatei, &QToolButton::clicked, this,
            &TForm6::SpeedButton_TabellenBereich_zu_TextdateiClick);
    connect(ui->SpeedButton_Bruchdarstellung, &QToolButton::clicked, this, &TForm6::SpeedButton_BruchdarstellungClick);
    connect(ui->SpeedButton_Dezimalbruch, &QToolButton::clicked, this, &TForm6::SpeedButton_DezimalbruchClick);
    connect(ui->SpeedButton_Punkte_einzeichnen, &QToolButton::clicked, this, &TForm6::SpeedButton_Punkte_einzeichnenClick);
    connect(ui->ComboBox_Punkte_ab_Spalte, &QComboBox::currentIndexChanged, this, &TForm6::ComboBox_Punkte_ab_SpalteChange);
    Tabelle_Datei_einrichten();
    Statistik_einrichten();
    Matrixgruppe_verbinden();
    Spaltenknoepfe_verbinden();
    Testdaten_verbinden();
}

TForm6::~TForm6() = default;

void TForm6::Oeffnen_vorbereiten() {
    ui->Edit_Mat_n->setText("2");
    ui->Edit_skalar_r->setText("3/100");
    ui->ComboBox_MatrixOps->setCurrentIndex(0);
    ui->ComboBox_Punkte_ab_Spalte->setCurrentIndex(0);
    Statistik_Vorgaben();
    Tabelle_einrichten(Tabelle);
    Markierung_aufheben(Tabelle);
}

void TForm6::SpeedButton_Tabelle_loeschenClick() { Tabelle_leeren(Tabelle); }

void TForm6::SpeedButton_Spalte_loeschenClick() {
    if (Tabelle.Spalte >= 1) Spalte_leeren(Tabelle, Tabelle.Spalte);
}

void TForm6::SpeedButton_Zeile_loeschenClick() {
    if (Tabelle.Zeile >= 1) Zeile_leeren(Tabelle, Tabelle.Zeile);
}

void TForm6::SpeedButton_Schiebe_SpalteClick() { Spalte_entfernen(Tabelle, Tabelle.Spalte); }

void TForm6::SpeedButton_Schiebe_ZeileClick() { Zeile_entfernen(Tabelle, Tabelle.Zeile); }

void TForm6::SpeedButton_Zelle_1_1Click() { Ecke_links_oben_zeigen(Tabelle); }

void TForm6::SpeedButton_Zellen_kopierenClick() { Markierten_Bereich_kopieren(Tabelle); }

void TForm6::SpeedButton_TabellenBereich_zu_TextdateiClick() {
    std::string text;
    if (Bereich_als_Text(Tabelle, Tabelle.Markierung, text))
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TForm6::SpeedButton_BruchdarstellungClick() { Tabelle_als_Brueche(Tabelle); }

void TForm6::SpeedButton_DezimalbruchClick() { Tabelle_als_Dezimalzahlen(Tabelle); }

void TForm6::SpeedButton_Punkte_einzeichnenClick() {
    int anzahl = Punkte_einlesen(Tabelle, Arbeitslisten.Punktespalte);
    if (anzahl == 0) {
        Dialog().Meldung("Punkte nicht definiert!");
        return;
    }
    if (!Form1) return;
    TBild* bild = Form1->Image1();
    Punkte_zeichnen(bild->Bild(), std::span<const TPunkt>(Arbeitslisten.Punkte.data(), size_t(anzahl)));
    bild->update();
}

void TForm6::ComboBox_Punkte_ab_SpalteChange(int index) {
    if (index >= 0 && index <= 3) Arbeitslisten.Punktespalte = 2 * index + 1;
}

void TForm6::StringGrid1MouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
    if (!nur_rechts(buttons, shift)) return;
    if (!ui->StringGrid1->Zelle_bei(QPoint(x, y), anker_spalte_, anker_zeile_)) {
        anker_spalte_ = anker_zeile_ = -1;
        return;
    }
    ui->StringGrid1->viewport()->setCursor(auswahlcursor_);
}

void TForm6::StringGrid1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
    int spalte = 0, zeile = 0;
    if (!nur_rechts(buttons, shift) || anker_spalte_ < 1 ||
        !ui->StringGrid1->Zelle_bei(QPoint(x, y), spalte, zeile))
        return;
    if (spalte != anker_spalte_ || zeile != anker_zeile_)
        Markierung_setzen(Tabelle, anker_spalte_, anker_zeile_, spalte, zeile);
}

void TForm6::StringGrid1MouseUp(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
    ui->StringGrid1->viewport()->setCursor(Qt::IBeamCursor);
}

// The grid's mouse events go to the handlers above; the right button belongs to the
// range selection alone, so the grid never sees it.
bool TForm6::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ziel != ui->StringGrid1->viewport()) return QWidget::eventFilter(ziel, ereignis);
    const auto typ = ereignis->type();
    // A quick second click arrives as a double click; it is a press like the first,
    // else the grid would take a right double click as its own and drop the range.
    const bool druck = typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonDblClick;
    if (!druck && typ != QEvent::MouseMove && typ != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(ziel, ereignis);
    auto* m = static_cast<QMouseEvent*>(ereignis);
    const int x = int(m->position().x()), y = int(m->position().y());
    if (druck) StringGrid1MouseDown(m->buttons(), m->modifiers(), x, y);
    else if (typ == QEvent::MouseMove) StringGrid1MouseMove(m->buttons(), m->modifiers(), x, y);
    else StringGrid1MouseUp(m->buttons(), m->modifiers(), x, y);
    return m->button() == Qt::RightButton || (m->buttons() & Qt::RightButton);
}
