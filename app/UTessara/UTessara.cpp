#include "app/UTessara/UTessara.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/Vorschau_Combo.h"
#include "app/Unit2_Help/Unit2_Help.h"
#include "app/Unit3_Folgen/Unit3_Folgen.h"
#include "app/Unit4_2D_Abb/Unit4_2D_Abb.h"
#include "app/Unit5_Baumdiag/Unit5_Baumdiag.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "engine/UFunktionsParser.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge.h"
#include "ui_UTessara.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

Hauptfensterzustand Hauptfenster;

namespace {

enum class Tastenfilter { Term, Zahl, Ganzzahl, Enter_weiter };

// Key filter and leave handler of every edit field of the window.
struct Feldregel { const char* feld; Tastenfilter filter; const char* verlassen; };
constexpr Feldregel Feldregeln[] = {
    {"Edit_fSchar", Tastenfilter::Term, "Edit_fScharExit"},
    {"Edit_gSchar", Tastenfilter::Term, "Edit_gScharExit"},
    {"Edit_hSchar", Tastenfilter::Term, "Edit_hScharExit"},
    {"Edit_xa", Tastenfilter::Zahl, "Edit_xaExit"},
    {"Edit_xe", Tastenfilter::Zahl, "Edit_xeExit"},
    {"Edit_ya", Tastenfilter::Zahl, "Edit_yaExit"},
    {"Edit_ye", Tastenfilter::Zahl, "Edit_yeExit"},
    {"Edit_xscl", Tastenfilter::Zahl, "Edit_xsclExit"},
    {"Edit_yscl", Tastenfilter::Zahl, "Edit_ysclExit"},
    {"Edit_xaSchar", Tastenfilter::Zahl, "Edit_xaScharExit"},
    {"Edit_xeSchar", Tastenfilter::Zahl, "Edit_xeScharExit"},
    {"Edit_xaSchar_g", Tastenfilter::Zahl, "Edit_xaSchar_gExit"},
    {"Edit_xeSchar_g", Tastenfilter::Zahl, "Edit_xeSchar_gExit"},
    {"Edit_xaSchar_h", Tastenfilter::Zahl, "Edit_xaSchar_hExit"},
    {"Edit_xeSchar_h", Tastenfilter::Zahl, "Edit_xeSchar_hExit"},
    {"Edit_aStart", Tastenfilter::Zahl, "Edit_aStartExit"},
    {"Edit_bEnde", Tastenfilter::Zahl, "Edit_bEndeExit"},
    {"Edit_delta_x", Tastenfilter::Zahl, "Edit_delta_xExit"},
    {"Edit_Schar_t1", Tastenfilter::Zahl, "Edit_Schar_t1Exit"},
    {"Edit_Schar_t2", Tastenfilter::Zahl, "Edit_Schar_t2Exit"},
    {"Edit_delta_t", Tastenfilter::Zahl, "Edit_delta_tExit"},
    {"Edit_u", Tastenfilter::Zahl, "Edit_uExit"},
    {"Edit_Bildbreite", Tastenfilter::Ganzzahl, nullptr},
    {"Edit_Bildtiefe", Tastenfilter::Ganzzahl, nullptr},
    {"Edit_xBeschrift", Tastenfilter::Enter_weiter, nullptr},
    {"Edit_yBeschrift", Tastenfilter::Enter_weiter, nullptr},
    {"Edit_Text_in_Grafik", Tastenfilter::Enter_weiter, nullptr},
};
constexpr const char* Regel_Eigenschaft = "tessara_feldregel";

char32_t Filter_anwenden(Tastenfilter f, char32_t taste) {
    switch (f) {
    case Tastenfilter::Term: return Taste_Term(taste);
    case Tastenfilter::Zahl: return Taste_Zahl(taste);
    case Tastenfilter::Ganzzahl: return Taste_Ganzzahl(taste);
    case Tastenfilter::Enter_weiter: return taste == Taste_Enter ? 0 : taste;
    }
    return taste;
}

void Fenster_zeigen(QWidget* fenster) {
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    setObjectName("Form1");
    setWindowTitle(QString::fromUtf8("Tessara V5.01"));
    setFixedSize(1074, 641);
    Felder_einrichten();
    Grafiken_einrichten();
    Verbindungen_herstellen();
    Regler_anbinden();
    Ausgabe_einrichten();
    Ansicht_einrichten();
    Maus_einrichten();
    Bildschirm_einrichten();
    Standard_Werte_einstellen();
}

TForm1::~TForm1() = default;

TBild* TForm1::Image1() const { return ui->Image1; }

void TForm1::Felder_einrichten() {
    for (size_t i = 0; i < std::size(Feldregeln); ++i) {
        auto* feld = findChild<QLineEdit*>(Feldregeln[i].feld);
        if (!feld) continue;
        feld->setProperty(Regel_Eigenschaft, int(i));
        feld->installEventFilter(this);
    }
    // The size in centimetres changes only through the view commands.
    ui->Edit_Bildbreite->setReadOnly(true);
    ui->Edit_Bildtiefe->setReadOnly(true);
    ui->Edit_Bildbreite->setAlignment(Qt::AlignCenter);
    ui->Edit_Bildtiefe->setAlignment(Qt::AlignCenter);
    for (QWidget* panel : {static_cast<QWidget*>(ui->Panel_Farbe_Punkte), static_cast<QWidget*>(ui->Panel_Farbe_Raster),
                           static_cast<QWidget*>(ui->Panel_Linienfarbe_definieren),
                           static_cast<QWidget*>(ui->Panel_Fuellfarbe_definieren)}) {
        panel->installEventFilter(this);
        panel->setCursor(Qt::PointingHandCursor);
    }
    ui->ComboBox_Linienart->Vorschau_setzen(Vorschauart::Linienart);
    ui->ComboBox_Punkteart->Vorschau_setzen(Vorschauart::Punkteart);
    ui->ComboBox_Flaechenfuellung->Vorschau_setzen(Vorschauart::Fuellmuster);
    for (QComboBox* box : findChildren<QComboBox*>()) box->setMaxVisibleItems(18);
}

bool TForm1::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ziel == ui->CheckBox_alle_t_verwenden && ereignis->type() == QEvent::MouseButtonDblClick) Scharregler_oeffnen();
    if (ereignis->type() == QEvent::MouseButtonPress) {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->button() == Qt::LeftButton) {
            if (ziel == ui->Panel_Farbe_Punkte) { Panel_Farbe_PunkteClick(); return true; }
            if (ziel == ui->Panel_Farbe_Raster) { Panel_Farbe_RasterClick(); return true; }
            if (ziel == ui->Panel_Linienfarbe_definieren) { Panel_Linienfarbe_definierenClick(); return true; }
            if (ziel == ui->Panel_Fuellfarbe_definieren) { Panel_Fuellfarbe_definierenClick(); return true; }
        }
    }
    auto* feld = qobject_cast<QLineEdit*>(ziel);
    if (!feld || !feld->property(Regel_Eigenschaft).isValid()) return QWidget::eventFilter(ziel, ereignis);
    switch (ereignis->type()) {
    case QEvent::KeyPress:
        return Taste_filtern(feld, static_cast<QKeyEvent*>(ereignis));
    case QEvent::MouseButtonDblClick:
        if (Feldregeln[feld->property(Regel_Eigenschaft).toInt()].filter == Tastenfilter::Term) {
            feld->selectAll();
            return true;
        }
        break;
    case QEvent::FocusOut: {
        auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // Only a move to another control of this window leaves the field; a message
        // box or a popup taking the focus for a moment does not.
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) Feld_verlassen(feld);
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(ziel, ereignis);
}

bool TForm1::Taste_filtern(QLineEdit* feld, QKeyEvent* taste) {
    const Feldregel& regel = Feldregeln[feld->property(Regel_Eigenschaft).toInt()];
    if (regel.filter == Tastenfilter::Term && (taste->key() == Qt::Key_Down || taste->key() == Qt::Key_Up)) {
        bool runter = taste->key() == Qt::Key_Down;
        QLineEdit* ziel = nullptr;
        if (feld == ui->Edit_fSchar && runter) ziel = ui->Edit_gSchar;
        if (feld == ui->Edit_gSchar) ziel = runter ? ui->Edit_hSchar : ui->Edit_fSchar;
        if (feld == ui->Edit_hSchar && !runter) ziel = ui->Edit_gSchar;
        if (ziel) ziel->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString text = taste->text();
    if (text.isEmpty()) return false;
    const auto zeichen = text.toUcs4();
    if (zeichen.size() != 1) return false;
    char32_t ein = zeichen[0];
    if (ein == U'\n') ein = Taste_Enter;
    char32_t aus = Filter_anwenden(regel.filter, ein);
    if (ein == Taste_Enter) {
        focusNextChild();
        return true;
    }
    if (aus == 0) return true;
    if (aus != ein) {
        if (!feld->isReadOnly()) feld->insert(QString::fromUcs4(&aus, 1));
        return true;
    }
    return false;
}

void TForm1::Feld_verlassen(QLineEdit* feld) {
    const Feldregel& regel = Feldregeln[feld->property(Regel_Eigenschaft).toInt()];
    if (!regel.verlassen || im_verlassen_) return;
    Befehl_beginnt();
    im_verlassen_ = true;
    QMetaObject::invokeMethod(this, regel.verlassen, Qt::DirectConnection);
    im_verlassen_ = false;
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (beenden_ohne_frage_ || Dialog().Frage("Wirklich beenden ?")) {
        ereignis->accept();
        // Closing the main window ends the program with all its tool windows.
        if (!beenden_ohne_frage_) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    } else {
        ereignis->ignore();
    }
}

void TForm1::SpeedButton_HilfeClick() { Fenster_zeigen(Form2); }
void TForm1::SpeedButton_2D_AbbildungenClick() { Fenster_zeigen(Form4); }
void TForm1::SpeedButton_BaumdiagrammeClick() { Fenster_zeigen(Form5); }

void TForm1::SpeedButton_FolgenClick() {
    Form3->Oeffnen_vorbereiten();
    Fenster_zeigen(Form3);
}

void TForm1::SpeedButton_StatistikClick() {
    Form6->Oeffnen_vorbereiten();
    Fenster_zeigen(Form6);
}
