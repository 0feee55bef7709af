// What the other windows ask of the main window: the insertion text, the term of f
// and the parameter t1, and the view set-ups of the statistics window's test data.
// Each set-up goes through the controls and their handlers, as the user's click would.
#include "app/UTessara/UTessara.h"

#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "ui_UTessara.h"

#include <QSignalBlocker>

namespace {
QString Feldtext(Extended x) { return QString::fromStdString(Zahl_allgemein(x)); }
}

std::string TForm1::Text_in_Grafik() const { return ui->Edit_Text_in_Grafik->text().toStdString(); }

void TForm1::Text_in_Grafik_setzen(const std::string& text) {
    ui->Edit_Text_in_Grafik->setText(QString::fromStdString(text));
    Edit_Text_in_GrafikChange();
}

std::string TForm1::Term_f() const { return ui->Edit_fSchar->text().toStdString(); }

bool TForm1::Parameter_t1(Extended& t) const {
    return Zahl_aus_Term(ui->Edit_Schar_t1->text().toStdString(), t);
}

void TForm1::Ursprung_setzen(Ursprungslage lage) {
    Ursprung_legen(lage != Ursprungslage::Mitte, lage == Ursprungslage::links_unten);
}

void TForm1::x_Achse_stauchen() { SpeedButton_Zoom_out_xClick(); }

void TForm1::Achsen_zeigen(bool x_achse, bool y_achse) {
    ui->CheckBox_xAchse->setChecked(x_achse);
    ui->CheckBox_yAchse->setChecked(y_achse);
}

void TForm1::Linienart_setzen(int eintrag) {
    if (ui->ComboBox_Linienart->currentIndex() == eintrag) ComboBox_LinienartChange();
    else ui->ComboBox_Linienart->setCurrentIndex(eintrag);
}

void TForm1::Punkte_verbinden(bool an) { ui->CheckBox_DatenPkte_verbinden->setChecked(an); }

void TForm1::y_Bereich_setzen(Extended yu, Extended yo, Extended yscl) {
    KOS.yu = yu;
    KOS.yo = yo;
    KOS.yscl = yscl;
    ui->Edit_ya->setText(Feldtext(yu));
    ui->Edit_ye->setText(Feldtext(yo));
    ui->Edit_yscl->setText(Feldtext(yscl));
}
