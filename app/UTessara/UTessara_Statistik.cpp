// Typed doors of the main window for the statistics window: the terms f, g, h and
// their drawing intervals, the curve boxes, the tool parameter and the view
// settings that charts change.
#include "app/UTessara/UTessara.h"
#include "ui_UTessara.h"

#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QLineEdit* TForm1::Termfeld(int kurve) const {
    return kurve == 0 ? ui->Edit_fSchar : kurve == 1 ? ui->Edit_gSchar : ui->Edit_hSchar;
}

void TForm1::Term_setzen(int kurve, const std::string& term) { Termfeld(kurve)->setText(Q(term)); }

std::string TForm1::Term_lesen(int kurve) const { return Termfeld(kurve)->text().toStdString(); }

bool TForm1::Kurve_angehakt(int kurve) const {
    const QCheckBox* box = kurve == 0 ? ui->CheckBox_Schar_f_zeichnen
                         : kurve == 1 ? ui->CheckBox_Schar_g_zeichnen
                                      : ui->CheckBox_Schar_h_zeichnen;
    return box->isChecked();
}

void TForm1::Zeichenintervall_setzen(int kurve, const std::string& von, const std::string& bis) {
    QLineEdit* a = kurve == 0 ? ui->Edit_xaSchar : kurve == 1 ? ui->Edit_xaSchar_g : ui->Edit_xaSchar_h;
    QLineEdit* b = kurve == 0 ? ui->Edit_xeSchar : kurve == 1 ? ui->Edit_xeSchar_g : ui->Edit_xeSchar_h;
    a->setText(Q(von));
    b->setText(Q(bis));
    // The leave handlers take the values over at once.
    if (kurve == 0) { Edit_xaScharExit(); Edit_xeScharExit(); }
    else if (kurve == 1) { Edit_xaSchar_gExit(); Edit_xeSchar_gExit(); }
    else { Edit_xaSchar_hExit(); Edit_xeSchar_hExit(); }
}

void TForm1::x_Bereich_Texte(std::string& xa, std::string& xe) const {
    xa = ui->Edit_xa->text().toStdString();
    xe = ui->Edit_xe->text().toStdString();
}

void TForm1::DatenPkte_verbinden_aus() {
    ui->CheckBox_DatenPkte_verbinden->setChecked(false);
    CheckBox_DatenPkte_verbindenClick();
}

bool TForm1::Werkzeug_t_lesen(Extended& t) { return Zahl_aus_Edit(ui->Edit_Schar_t1, t); }

void TForm1::y_Bereich_wie_x() {
    if (KOS.yscl == KOS.xscl) return;
    ui->Edit_ya->setText(ui->Edit_xa->text());
    KOS.yu = KOS.xli;
    ui->Edit_ye->setText(ui->Edit_xe->text());
    KOS.yo = KOS.xre;
    ui->Edit_yscl->setText("1");
    KOS.yscl = KOS.xscl;
}

void TForm1::x_Achse_aus() {
    ui->CheckBox_xAchse->setChecked(false);
    CheckBox_xAchseClick();
}
