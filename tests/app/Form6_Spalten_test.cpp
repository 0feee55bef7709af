// The column buttons, constructions and test data of the statistics window: cells
// written, messages shown, refusals that leave the table alone, and the main window
// set up as each test-data button promises.
#include "tests/app/Form6_Fenster.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit6_Statistik/Tabellenansicht.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

using Form6SpaltenTest = Form6_Fenster;

struct Fall {
    const char* name;
    Zellen vorher;
    int spalte;                                       // cell cursor column (row 1)
    const char* knopf;
    std::vector<std::optional<std::string>> antworten;  // input dialogs
    const char* meldung;                              // "" = none
    Zellen nachher;                                   // expected cells; empty with a message: table unchanged
};

TEST_F(Form6SpaltenTest, SpaltenknoepfeSchreibenOderMeldenOhneAenderung) {
    Zellen voll;   // column 3 and 4 filled through row 1500
    for (int r = 1; r <= 1500; ++r) {
        voll.emplace_back(3, r, "1");
        voll.emplace_back(4, r, "2");
    }
    const Zellen eins_zwei_drei = {{1, 1, "1"}, {1, 2, "2"}, {1, 3, "3"}};
    const Zellen u_v = {{3, 1, "1"}, {3, 2, "0"}, {3, 3, "0"}, {4, 1, "0"}, {4, 2, "1"}, {4, 3, "0"}};
    const Fall faelle[] = {
        {"column sum", eins_zwei_drei, 1, "SpeedButton_Spaltensumme", {}, "", {{1, 4, "S=6"}}},
        {"sum through row 1500 into the header", voll, 3, "SpeedButton_Spaltensumme", {}, "", {{3, 0, "S=1500"}}},
        {"cumulative sums", eins_zwei_drei, 1, "SpeedButton_kumulierte_Summe", {}, "",
         {{1, 1, "1"}, {1, 2, "3"}, {1, 3, "6"}}},
        {"vector product", u_v, 3, "SpeedButton_VektorProdukt", {}, "",
         {{3, 4, "Vektorpr:"}, {4, 4, "0"}, {4, 5, "0"}, {4, 6, "1"}}},
        {"scalar product", u_v, 3, "SpeedButton_Skalarprodukt", {}, "", {{3, 4, "Skalarpr="}, {4, 4, "0"}}},
        {"scalar product of different lengths", {{3, 1, "1"}, {3, 2, "2"}, {4, 1, "1"}}, 3, "SpeedButton_Skalarprodukt",
         {}, "Spalten haben unterschiedlich viele Elemene !", {}},
        {"scalar product in column 43", {{43, 1, "1"}}, 43, "SpeedButton_Skalarprodukt", {},
         "Der zweite Vektor steht rechts neben dem ersten: in Spalte 43 ist dafür kein Platz !", {}},
        {"vector product in column 43", {{43, 1, "1"}, {43, 2, "1"}, {43, 3, "1"}}, 43, "SpeedButton_VektorProdukt", {},
         "Der zweite Vektor steht rechts neben dem ersten: in Spalte 43 ist dafür kein Platz !", {}},
        {"scalar product with no row 1501", voll, 3, "SpeedButton_Skalarprodukt", {},
         "Die Vektoren reichen bis Zeile 1500: für das Skalarprodukt ist kein Platz !", {}},
        {"first vector not 3 long", {{3, 1, "1"}}, 3, "SpeedButton_VektorProdukt", {},
         "1. Vektor muss genau 3 Elemene besitzen !", {}},
        {"plus r on a fraction", {{2, 1, "3/4"}}, 2, "SpeedButton_Addiere_zu_Spalte", {}, "", {{2, 1, "0,78"}}},
        {"times r", {{2, 1, "100"}, {2, 2, "-2"}}, 2, "SpeedButton_Multipliziere_mit_Spalte", {}, "",
         {{2, 1, "3"}, {2, 2, "-0,06"}}},
        {"divided by column 1", {{1, 1, "2"}, {1, 2, "0"}, {3, 1, "5"}, {3, 2, "7"}}, 3,
         "SpeedButton_Spalte_durch_Spalte1", {}, "", {{3, 1, "2,5"}, {3, 2, "7"}}},
        {"binomial n = 2, p = 0,5", {}, 1, "SpeedButton_Binomialverteilung", {"2", "0,5"}, "",
         {{1, 1, "0"}, {1, 2, "1"}, {1, 3, "2"}, {2, 1, "0,25"}, {2, 2, "0,5"}, {2, 3, "0,25"}, {1, 4, ""}}},
        {"binomial p = 1,5", {{5, 5, "x"}}, 1, "SpeedButton_Binomialverteilung", {"2", "1,5"}, "Eingabefehler !", {}},
        {"binomial p = -0,1", {{5, 5, "x"}}, 1, "SpeedButton_Binomialverteilung", {"2", "-0,1"}, "Eingabefehler !", {}},
        {"binomial n = 1500", {{5, 5, "x"}}, 1, "SpeedButton_Binomialverteilung", {"1500", "0,5"}, "Eingabefehler !", {}},
        {"binomial n not an integer", {{5, 5, "x"}}, 1, "SpeedButton_Binomialverteilung", {"2,5"}, "Eingabefehler !", {}},
        {"Lehmer with the defaults", {}, 1, "SpeedButtonLehmerzahlen", {"0", "4", "2", "243"}, "",
         {{1, 1, "0"}, {1, 2, "2"}, {1, 3, "10"}, {1, 4, "42"}, {1, 5, "170"}, {1, 6, "196"}, {1, 7, "57"},
          {2, 1, "2"}, {2, 6, "57"}}},
        {"Lehmer with m = 0", {{5, 5, "x"}}, 1, "SpeedButtonLehmerzahlen", {"0", "4", "2", "0"}, "Eingabefehler !", {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(Tabelle);
        Fuellen(f.vorher);
        grid->setCurrentIndex(grid->model()->index(1, f.spalte));
        dialoge->meldungen.clear();
        dialoge->eingabe_antworten.assign(f.antworten.begin(), f.antworten.end());
        const auto vorher = Schnappschuss();
        Klicken(f.knopf);
        EXPECT_EQ(Letzte_Meldung(), f.meldung);
        if (*f.meldung) {
            EXPECT_TRUE(Schnappschuss() == vorher);
        }
        for (const auto& [c, r, text] : f.nachher) EXPECT_EQ(Tabelle.Zelle(c, r), text) << c << "," << r;
    }
}

TEST_F(Form6SpaltenTest, KonstruktionenLesenIhrePunkteUndMeldenFehler) {
    const Fall faelle[] = {
        {"midpoint", {{1, 1, "1"}, {2, 1, "2"}, {1, 2, "3"}, {2, 2, "6"}}, 1, "SpeedButtonMittelpunktAB", {}, "",
         {{1, 3, "2"}, {2, 3, "4"}}},
        {"midpoint of fractions", {{1, 1, "1/2"}, {2, 1, "0"}, {1, 2, "3/2"}, {2, 2, "1"}}, 1,
         "SpeedButtonMittelpunktAB", {}, "", {{1, 3, "1"}, {2, 3, "0,5"}}},
        {"midpoint with a text", {{1, 1, "1"}, {2, 1, "2"}, {1, 2, "drei"}, {2, 2, "6"}}, 1, "SpeedButtonMittelpunktAB",
         {}, "Zelle in Spalte 1, Zeile 2 enthält keine Zahl: «drei»", {}},
        {"perpendicular from a fraction point", {{1, 1, "1/2"}, {2, 1, "1/2"}}, 1, "SpeedButtonLot_P1_f", {}, "",
         {{1, 2, "0"}, {2, 2, "0"}, {1, 3, "5"}, {2, 3, "15000"}}},
        {"perpendicular with an empty cell", {{1, 1, "1"}}, 1, "SpeedButtonLot_P1_f", {},
         "Zelle in Spalte 2, Zeile 1 enthält keine Zahl: «»", {}},
        {"polygon with n = 0", {{1, 1, "0"}, {2, 1, "0"}, {1, 2, "1"}, {2, 2, "0"}}, 1, "SpeedButton_regelm_Vielecke",
         {}, "Eckenzahl n = 0 (y in Zeile 2): ein Vieleck hat 3 bis 1499 Ecken !", {}},
        {"polygon with 1500 corners", {{1, 1, "0"}, {2, 1, "0"}, {1, 2, "1"}, {2, 2, "1500"}}, 1,
         "SpeedButton_regelm_Vielecke", {}, "Eckenzahl n = 1500 (y in Zeile 2): ein Vieleck hat 3 bis 1499 Ecken !", {}},
        {"polygon from one row", {{1, 1, "0"}, {2, 1, "0"}}, 1, "SpeedButton_regelm_Vielecke", {},
         "Für das Vieleck fehlen Seitenlänge s und Eckenzahl n in Zeile 2 !", {}},
        {"rectangle from one row", {{1, 1, "0"}, {2, 1, "0"}}, 1, "SpeedButton_Rechteck_einzeichnen", {},
         "Für das Rechteck fehlt der zweite Eckpunkt (Zeile 2) !", {}},
        {"rectangle without points", {}, 1, "SpeedButton_Rechteck_einzeichnen", {}, "Punkte nicht definiert!", {}},
    };
    auto* f_feld = Form1->findChild<QLineEdit*>("Edit_fSchar");
    ASSERT_NE(f_feld, nullptr);
    f_feld->setText("3000x");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(Tabelle);
        Fuellen(f.vorher);
        dialoge->meldungen.clear();
        const auto vorher = Schnappschuss();
        Klicken(f.knopf);
        EXPECT_EQ(Letzte_Meldung(), f.meldung);
        if (*f.meldung) {
            EXPECT_TRUE(Schnappschuss() == vorher);
        }
        for (const auto& [c, r, text] : f.nachher) EXPECT_EQ(Tabelle.Zelle(c, r), text) << c << "," << r;
    }
    // The foot of (1; 3000) on y = 3000x is the point itself, and the polygon replaces the point list.
    Tabelle_leeren(Tabelle);
    Fuellen({{1, 1, "1"}, {2, 1, "3000"}});
    Klicken("SpeedButtonLot_P1_f");
    EXPECT_EQ(Tabelle.Zelle(1, 4), "1");
    EXPECT_EQ(Tabelle.Zelle(2, 4), "3000");
    Tabelle_leeren(Tabelle);
    Fuellen({{1, 1, "0"}, {2, 1, "0"}, {1, 2, "2"}, {2, 2, "4"}});
    Klicken("SpeedButton_regelm_Vielecke");
    ASSERT_EQ(Arbeitslisten.Punktanzahl, 5);
    EXPECT_NEAR(double(Arbeitslisten.Punkte[2].x), 1, 1e-15);
    EXPECT_NEAR(double(Arbeitslisten.Punkte[2].y), 1, 1e-15);
    EXPECT_EQ(Tabelle.Zelle(1, 3), "");   // the table is not changed
}

TEST_F(Form6SpaltenTest, TestdatenRichtenHauptfensterUndTabelleEin) {
    auto* xachse = Form1->findChild<QCheckBox*>("CheckBox_xAchse");
    auto* yachse = Form1->findChild<QCheckBox*>("CheckBox_yAchse");
    ASSERT_TRUE(xachse && yachse);
    auto* typ = Form6->findChild<QComboBox*>("ComboBox_DiagrammTyp");
    auto* modell = Form6->findChild<QComboBox*>("ComboBox_RegressionsModelle");
    ASSERT_TRUE(typ && modell);
    // Chart type and model as each data set leaves them (-1: that button leaves it alone).
    struct Erwartung {
        const char* knopf; Extended xli, xre, yu, yo, xscl, yscl; bool x_an, y_an; int typ, modell; Zellen zellen;
    };
    const Erwartung faelle[] = {
        {"SpeedButton_Testdaten_LinReg", -1, 15, -1, 15, 1, 1, true, true, -1, 1,
         {{1, 1, "2"}, {2, 1, "1"}, {1, 3, "9"}, {2, 3, "6"}, {1, 4, ""}}},
        {"SpeedButton_Testdaten_Dreieck", -8, 8, -8, 8, 1, 1, true, true, -1, -1, {{1, 4, "1"}, {2, 3, "7"}}},
        {"SpeedButton_Testdaten_Saeulendiagramm", -1, 15, -8, 8, 1, 1, true, true, 1, -1, {{1, 7, "6"}, {2, 7, "6"}}},
        {"SpeedButton_Testdaten_Boxplots", -1, 15, -1, 15, 1, 1, true, false, 3, -1, {{1, 11, "3"}, {1, 12, ""}}},
        {"SpeedButton_Testdaten_Histo", -4, 60, -1, 15, 4, 1, true, true, 7, -1, {{1, 4, "24;27"}, {2, 5, "73"}}},
        {"SpeedButton_Testdaten_Kreisdiagramm", -4, 60, -1, 15, 4, 1, false, false, 6, -1,
         {{1, 4, "GRÜNE"}, {2, 6, "3118"}}},
    };
    for (const Erwartung& e : faelle) {
        SCOPED_TRACE(e.knopf);
        Tabelle.Zelle(9, 9) = "alt";
        typ->setCurrentIndex(4);
        modell->setCurrentIndex(5);
        Klicken(e.knopf);
        EXPECT_EQ(Tabelle.Zelle(9, 9), "");
        const Extended ist[] = {KOS.xli, KOS.xre, KOS.yu, KOS.yo, KOS.xscl, KOS.yscl};
        const Extended soll[] = {e.xli, e.xre, e.yu, e.yo, e.xscl, e.yscl};
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(double(ist[i]), double(soll[i]), 1e-15) << i;
        EXPECT_EQ(xachse->isChecked(), e.x_an);
        EXPECT_EQ(yachse->isChecked(), e.y_an);
        EXPECT_EQ(typ->currentIndex(), e.typ < 0 ? 4 : e.typ);
        EXPECT_EQ(modell->currentIndex(), e.modell < 0 ? 5 : e.modell);
        for (const auto& [c, r, text] : e.zellen) EXPECT_EQ(Tabelle.Zelle(c, r), text) << c << "," << r;
    }
    EXPECT_FALSE(KOS_Stil.Raster_an);   // the pie chart data switch the grid off
    Klicken("SpeedButton_Testdaten_Dreieck");
    EXPECT_TRUE(Marken.DatenPkte_verbinden);
    EXPECT_EQ(Marken.Linienart, 2);
    EXPECT_EQ(Arbeitslisten.Punktanzahl, 4);   // the triangle was drawn from the table
    EXPECT_TRUE(dialoge->meldungen.empty()) << Letzte_Meldung();
}

}  // namespace
