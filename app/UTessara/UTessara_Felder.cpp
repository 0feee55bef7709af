// The edit fields of the main window: terms checked when left, numbers read as
// constant terms when left, the window limits kept in step with scales and intervals.
#include "app/UTessara/UTessara.h"

#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge.h"
#include "ui_UTessara.h"

#include <cmath>

namespace {
std::string Feld_lesen(const QLineEdit* feld) { return feld->text().toStdString(); }
QString Feldtext(Extended x) { return QString::fromStdString(Zahl_allgemein(x)); }
}

void TForm1::Fokus_zurueck(QLineEdit* feld) {
    // Moving the focus back must not run the leave handler of the field it leaves.
    bool vorher = im_verlassen_;
    im_verlassen_ = true;
    feld->setFocus(Qt::OtherFocusReason);
    im_verlassen_ = vorher;
}

// The variable keeps its value when the text fails: a failed evaluation must not
// leave the engine's error value behind in the world window or the family range.
bool TForm1::Zahl_aus_Edit(QLineEdit* feld, Extended& wert) {
    Extended gelesen = wert;
    if (Zahl_aus_Term(Feld_lesen(feld), gelesen)) {
        wert = gelesen;
        return true;
    }
    Fokus_zurueck(feld);
    return false;
}

void TForm1::Term_verlassen(QLineEdit* feld) {
    feld->setText(QString::fromStdString(Zeichen_entfernen(Feld_lesen(feld), ' ')));
    if (!Term_pruefen(Feld_lesen(feld))) Fokus_zurueck(feld);
}

void TForm1::Edit_fScharExit() { Term_verlassen(ui->Edit_fSchar); }
void TForm1::Edit_gScharExit() { Term_verlassen(ui->Edit_gSchar); }
void TForm1::Edit_hScharExit() { Term_verlassen(ui->Edit_hSchar); }

// One tick per centimetre again after the window changed.
void TForm1::Skala_zuruecksetzen(bool x_achse) {
    Extended skala = x_achse ? (KOS.xre - KOS.xli) / KOS.Bildbreite_cm : (KOS.yo - KOS.yu) / KOS.Bildtiefe_cm;
    if (!std::isfinite(skala)) return;   // limits near the range end: keep the old scale
    (x_achse ? KOS.xscl : KOS.yscl) = skala;
    (x_achse ? ui->Edit_xscl : ui->Edit_yscl)->setText(Feldtext(skala));
}

void TForm1::Edit_xaChange() {
    for (QLineEdit* feld : {ui->Edit_xaSchar, ui->Edit_xaSchar_g, ui->Edit_xaSchar_h}) feld->setText(ui->Edit_xa->text());
    Hauptfenster.xaSchar = Hauptfenster.xaSchar_g = Hauptfenster.xaSchar_h = KOS.xli;
}

void TForm1::Edit_xeChange() {
    for (QLineEdit* feld : {ui->Edit_xeSchar, ui->Edit_xeSchar_g, ui->Edit_xeSchar_h}) feld->setText(ui->Edit_xe->text());
    Hauptfenster.xeSchar = Hauptfenster.xeSchar_g = Hauptfenster.xeSchar_h = KOS.xre;
}

void TForm1::Edit_xaExit() {
    if (!Zahl_aus_Edit(ui->Edit_xa, KOS.xli)) return;
    Skala_zuruecksetzen(true);
    Hauptfenster.xaSchar = Hauptfenster.xaSchar_g = Hauptfenster.xaSchar_h = KOS.xli;
}

void TForm1::Edit_xeExit() {
    if (!Zahl_aus_Edit(ui->Edit_xe, KOS.xre)) return;
    Skala_zuruecksetzen(true);
    Hauptfenster.xeSchar = Hauptfenster.xeSchar_g = Hauptfenster.xeSchar_h = KOS.xre;
}

void TForm1::Edit_yaExit() {
    if (Zahl_aus_Edit(ui->Edit_ya, KOS.yu)) Skala_zuruecksetzen(false);
}

void TForm1::Edit_yeExit() {
    if (Zahl_aus_Edit(ui->Edit_ye, KOS.yo)) Skala_zuruecksetzen(false);
}

// A scale below half a tick per centimetre is refused. So is a scale of 0 or
// less, whatever the window: the tick loops would never end.
void TForm1::Skala_pruefen(bool x_achse) {
    QLineEdit* feld = x_achse ? ui->Edit_xscl : ui->Edit_yscl;
    Extended& skala = x_achse ? KOS.xscl : KOS.yscl;
    Extended wert = skala;
    if (!Zahl_aus_Edit(feld, wert)) return;
    Extended einheit = x_achse ? (KOS.xre - KOS.xli) / KOS.Bildbreite_cm : (KOS.yo - KOS.yu) / KOS.Bildtiefe_cm;
    if (wert >= einheit / 2 && wert > 0) {
        skala = wert;
        return;
    }
    Dialog().Meldung(x_achse ? "Fehler:  xSk zu klein" : "Fehler:  ySk zu klein");
    skala = (einheit > 0 && std::isfinite(einheit)) ? einheit : 1;
    feld->setText(Feldtext(skala));
    Fokus_zurueck(feld);
}

void TForm1::Edit_xsclExit() { Skala_pruefen(true); }
void TForm1::Edit_ysclExit() { Skala_pruefen(false); }

void TForm1::Edit_xaScharExit() {
    if (!Zahl_aus_Edit(ui->Edit_xaSchar, Hauptfenster.xaSchar)) return;
    ui->Edit_aStart->setText(ui->Edit_xaSchar->text());
    Hauptfenster.aStart = Hauptfenster.xaSchar;
}

void TForm1::Edit_xeScharExit() {
    if (!Zahl_aus_Edit(ui->Edit_xeSchar, Hauptfenster.xeSchar)) return;
    ui->Edit_bEnde->setText(ui->Edit_xeSchar->text());
    Hauptfenster.bEnde = Hauptfenster.xeSchar;
}

void TForm1::Edit_xaSchar_gExit() { Zahl_aus_Edit(ui->Edit_xaSchar_g, Hauptfenster.xaSchar_g); }
void TForm1::Edit_xeSchar_gExit() { Zahl_aus_Edit(ui->Edit_xeSchar_g, Hauptfenster.xeSchar_g); }
void TForm1::Edit_xaSchar_hExit() { Zahl_aus_Edit(ui->Edit_xaSchar_h, Hauptfenster.xaSchar_h); }
void TForm1::Edit_xeSchar_hExit() { Zahl_aus_Edit(ui->Edit_xeSchar_h, Hauptfenster.xeSchar_h); }
void TForm1::Edit_aStartExit() { Zahl_aus_Edit(ui->Edit_aStart, Hauptfenster.aStart); }
void TForm1::Edit_bEndeExit() { Zahl_aus_Edit(ui->Edit_bEnde, Hauptfenster.bEnde); }
void TForm1::Edit_delta_xExit() { Zahl_aus_Edit(ui->Edit_delta_x, Hauptfenster.delta_x); }
void TForm1::Edit_Schar_t1Exit() { Zahl_aus_Edit(ui->Edit_Schar_t1, Schar.t1); }
void TForm1::Edit_Schar_t2Exit() { Zahl_aus_Edit(ui->Edit_Schar_t2, Schar.t2); }
void TForm1::Edit_delta_tExit() { Zahl_aus_Edit(ui->Edit_delta_t, Schar.delta_t); }
void TForm1::Edit_uExit() { Zahl_aus_Edit(ui->Edit_u, Schar.u); }

void TForm1::Edit_xBeschriftChange() { KOS_Stil.Beschriftung_x = Feld_lesen(ui->Edit_xBeschrift); }
void TForm1::Edit_yBeschriftChange() { KOS_Stil.Beschriftung_y = Feld_lesen(ui->Edit_yBeschrift); }
void TForm1::Edit_Text_in_GrafikChange() { Hauptfenster.Text.Einfuegetext = Feld_lesen(ui->Edit_Text_in_Grafik); }
