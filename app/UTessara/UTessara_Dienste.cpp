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
    const Extended w = KOS.xre - KOS.xli, h = KOS.yo - KOS.yu;
    const Extended bx = KOS.Bildbreite_cm, by = KOS.Bildtiefe_cm;
    if (lage == Ursprungslage::Mitte) {
        KOS.xli = -w / 2;
        KOS.xre = w / 2;
    } else {
        KOS.xli = -w / bx;
        KOS.xre = (bx - 1) * w / bx;
    }
    if (lage == Ursprungslage::links_unten) {
        KOS.yu = -h / by;
        KOS.yo = (by - 1) * h / by;
    } else {
        KOS.yu = -h / 2;
        KOS.yo = h / 2;
    }
    ui->Edit_xa->setText(Feldtext(KOS.xli));
    ui->Edit_xe->setText(Feldtext(KOS.xre));
    ui->Edit_ya->setText(Feldtext(KOS.yu));
    ui->Edit_ye->setText(Feldtext(KOS.yo));
    Edit_xaChange();
    Edit_xeChange();
    SpeedButton_PlotClick();
}

void TForm1::x_Achse_stauchen() {
    if (Hauptfenster.Zoomstufe >= Hauptfenster.Zoomgrenze) return;
    ++Hauptfenster.Zoomstufe;
    KOS.xli *= Hauptfenster.Zoomfaktor;
    KOS.xre *= Hauptfenster.Zoomfaktor;
    KOS.xscl *= Hauptfenster.Zoomfaktor;
    ui->Edit_xa->setText(Feldtext(KOS.xli));
    ui->Edit_xe->setText(Feldtext(KOS.xre));
    ui->Edit_xscl->setText(Feldtext(KOS.xscl));
    Edit_xaChange();
    Edit_xeChange();
    SpeedButton_PlotClick();
}

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
