// The test-data buttons of the statistics window: each sets up the main window through
// its own commands, then empties the table and writes its example data.
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Unit6_Statistik.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "table/UStringGrid.h"

#include <cmath>
#include <initializer_list>

namespace {

using Lage = TForm1::Ursprungslage;

// Texts into a column from row 1 on.
void Spalte_schreiben(int spalte, std::initializer_list<const char*> texte) {
    int zeile = 1;
    for (const char* t : texte) Tabelle.Zelle(spalte, zeile++) = t;
}

// Empties the table and writes the columns given, one list per column from column `erste`.
void Tabelle_fuellen(int erste, std::initializer_list<std::initializer_list<const char*>> spalten) {
    Tabelle_leeren(Tabelle);
    int spalte = erste;
    for (const auto& texte : spalten) Spalte_schreiben(spalte++, texte);
    Tabelle.Melden(TTabellenaenderung::Inhalt);
}

// Rows of a matrix from column 3 (each inner list one row).
void Matrix_fuellen(std::initializer_list<std::initializer_list<const char*>> zeilen) {
    Tabelle_leeren(Tabelle);
    int zeile = 1;
    for (const auto& z : zeilen) {
        int spalte = 3;
        for (const char* t : z) Tabelle.Zelle(spalte++, zeile) = t;
        ++zeile;
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
}

}  // namespace

void TForm6::Testdaten_verbinden() {
    const std::pair<QToolButton*, void (TForm6::*)()> knoepfe[] = {
        {ui->SpeedButton_Testdaten_LinReg, &TForm6::SpeedButton_Testdaten_LinRegClick},
        {ui->SpeedButton_Testdaten_Dreieck, &TForm6::SpeedButton_Testdaten_DreieckClick},
        {ui->SpeedButton_Testdaten_Saeulendiagramm, &TForm6::SpeedButton_Testdaten_SaeulendiagrammClick},
        {ui->SpeedButton_Testdaten_Boxplots, &TForm6::SpeedButton_Testdaten_BoxplotsClick},
        {ui->SpeedButton_Testdaten_Histo, &TForm6::SpeedButton_Testdaten_HistoClick},
        {ui->SpeedButton_Testdaten_LGS, &TForm6::SpeedButton_Testdaten_LGSClick},
        {ui->SpeedButton_Testdaten_Kreisdiagramm, &TForm6::SpeedButton_Testdaten_KreisdiagrammClick}};
    for (const auto& [knopf, handler] : knoepfe) connect(knopf, &QToolButton::clicked, this, handler);
}

void TForm6::SpeedButton_Testdaten_LinRegClick() {
    if (Form1) {
        Form1->Standard_Werte_einstellen();
        Form1->Ursprung_setzen(Lage::links_unten);
    }
    Regressionsmodell_waehlen(1);
    Tabelle_fuellen(1, {{"2", "4", "9"}, {"1", "5", "6"}});
}

void TForm6::SpeedButton_Testdaten_DreieckClick() {
    if (Form1) {
        Form1->Standard_Werte_einstellen();
        Form1->SpeedButton_Raster_mittelClick();
        Form1->Ursprung_setzen(Lage::Mitte);
        Form1->Linienart_setzen(2);
        Form1->Punkte_verbinden(true);
    }
    ui->ComboBox_Punkte_ab_Spalte->setCurrentIndex(0);
    ComboBox_Punkte_ab_SpalteChange(0);
    Tabelle_fuellen(1, {{"1", "5", "6", "1"}, {"1", "2", "7", "1"}});
    SpeedButton_Punkte_einzeichnenClick();
}

void TForm6::SpeedButton_Testdaten_SaeulendiagrammClick() {
    if (Form1) {
        Form1->Standard_Werte_einstellen();
        Form1->Ursprung_setzen(Lage::Quadrant_1_und_4);
    }
    Diagrammtyp_waehlen(Diagramm_Saeulen);
    Tabelle_fuellen(1, {{"4", "2", "5", "7", "3", "1", "6"}, {"5", "3", "4", "2", "1", "5", "6"}});
}

void TForm6::SpeedButton_Testdaten_BoxplotsClick() {
    if (Form1) {
        Form1->Standard_Werte_einstellen();
        Form1->Ursprung_setzen(Lage::links_unten);
        Form1->Achsen_zeigen(true, false);
        Form1->SpeedButton_PlotClick();
    }
    Diagrammtyp_waehlen(Diagramm_Boxplot_mod);
    Tabelle_fuellen(1, {{"6", "12", "7", "4", "5", "10", "6", "2", "4", "5", "3"}});
}

void TForm6::SpeedButton_Testdaten_HistoClick() {
    if (Form1) {
        Form1->Standard_Werte_einstellen();
        Form1->Ursprung_setzen(Lage::links_unten);
        Form1->x_Achse_stauchen();
        Form1->x_Achse_stauchen();
        // 14 is the largest class density of these data (42 in the class "24;27" of width 3).
        const Extended k = std::round((KOS.yo - KOS.yu) / KOS.yscl);
        if (k > 2) Form1->y_Bereich_setzen(-14 / (k - 2), 14 * (k - 1) / (k - 2), 14 / (k - 2));
        QImage& bild = Form1->Image1()->Bild();
        KOS_zeichnen(bild);
        const Texteinfuegung& t = Hauptfenster.Text;
        Text_ausgeben(bild, 90, 10, "Die Flächen entsprechen den absoluten Häufigkeiten !", "Arial", t.Groesse, false,
                      t.fett ? Schriftstil::fett : Schriftstil::normal, t.Farbe);
        Form1->Image1()->update();
    }
    Diagrammtyp_waehlen(Diagramm_Histogramm);
    Tabelle_fuellen(1, {{"0;12", "12;18", "18;24", "24;27", "27;40", "40;45"}, {"44", "45", "40", "42", "73", "35"}});
}

void TForm6::SpeedButton_Testdaten_LGSClick() {
    Matrix_fuellen({{"4", "-4", "15", "1"}, {"0", "2", "-8", "5"}, {"12", "6", "-5", "0"}});
}

void TForm6::SpeedButton_Testdaten_KreisdiagrammClick() {
    if (Form1) {
        Form1->Achsen_zeigen(false, false);
        Form1->SpeedButton_ohne_RasterClick();
    }
    Diagrammtyp_waehlen(Diagramm_Kreis);
    Tabelle_fuellen(1, {{"CDU", "SPD", "FDP", "GRÜNE", "LINKE", "ANDERE"}, {"20380", "12123", "8716", "6904", "7021", "3118"}});
}
