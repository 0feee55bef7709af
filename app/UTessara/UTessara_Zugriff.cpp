// What the other windows may change in the main window besides drawing into Image1.
#include "app/UTessara/UTessara.h"

#include "graphics/UGrafik.h"
#include "ui_UTessara.h"

void TForm1::Punktfarbe_setzen(uint32_t farbe) {
    Marken.Punktfarbe = farbe;
    Panel_faerben(ui->Panel_Farbe_Punkte, farbe);
    ui->ComboBox_Punkteart->Neu_zeichnen();
}
