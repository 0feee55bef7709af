// What the other windows read from and change in the main window when they draw
// into Image1: the point colour, the caption switches and edits, "lösch" and the
// family range.
#include "app/UTessara/UTessara.h"

#include "app/UTessara/TBild.h"
#include "graphics/UGrafik.h"
#include "ui_UTessara.h"

void TForm1::Punktfarbe_setzen(uint32_t farbe) {
    Marken.Punktfarbe = farbe;
    Panel_faerben(ui->Panel_Farbe_Punkte, farbe);
    ui->ComboBox_Punkteart->Neu_zeichnen();
}

bool TForm1::Achsen_automatisch() const { return ui->CheckBox_Achsen_automatisch_beschriften->isChecked(); }

void TForm1::Achsen_beschriften(const std::string& x, const std::string& y) {
    ui->Edit_xBeschrift->setText(QString::fromStdString(x));
    ui->Edit_yBeschrift->setText(QString::fromStdString(y));
}

bool TForm1::Bild_loeschen_an() const { return ui->CheckBox_loeschen->isChecked(); }

Scharbereich TForm1::Scharbereich_lesen() {
    // A text that fails keeps the value the field last gave (its Exit handler said why).
    auto lesen = [](const QLineEdit* feld, Extended& wert) {
        const Extended v = Term_auswerten(feld->text().toStdString(), 0, 0);
        if (!Parser.Term_Fehler) wert = v;
    };
    lesen(ui->Edit_Schar_t1, Schar.t1);
    lesen(ui->Edit_Schar_t2, Schar.t2);
    lesen(ui->Edit_delta_t, Schar.delta_t);
    Schar.alle_t = ui->CheckBox_alle_t_verwenden->isChecked();
    return Schar;
}

void TForm1::Kurvenprobe_zeichnen(TBild* probe) {
    Image_neu_zeichnen(probe, false);
    probe->update();
}
