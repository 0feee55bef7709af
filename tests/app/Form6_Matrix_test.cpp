// The matrix group, the column buttons, the constructions and the test data of the
// statistics window, driven through its controls: what lands in the table, which
// message appears, and that a refused command leaves the table as it was.
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
#include <functional>
#include <vector>

namespace {

class Form6MatrixTest : public Form6_Fenster {
protected:
    void Zellcursor(int spalte, int zeile) { grid->setCurrentIndex(grid->model()->index(zeile, spalte)); }
    // Runs operation `index` of the matrix group with n typed into Edit_Mat_n.
    void Operation(int index, const char* n = "2") {
        Element<QComboBox>("ComboBox_MatrixOps")->setCurrentIndex(index);
        Element<QLineEdit>("Edit_Mat_n")->setText(n);
        Klicken("SpeedButton_MatrixOps");
    }
    static Extended Zahl(int c, int r) {
        Extended x = 0;
        int f = 0;
        EXPECT_TRUE(Zelle_auswerten(Tabelle.Zelle(c, r), x, f)) << "cell " << c << "," << r << ": " << Tabelle.Zelle(c, r);
        return x;
    }
};

TEST_F(Form6MatrixTest, TestdatenLgsReduziertZurEinheitsmatrixMitLoesung) {
    Klicken("SpeedButton_Testdaten_LGS");
    Operation(0);
    EXPECT_TRUE(dialoge->meldungen.empty());
    const char* koepfe[] = {"     •x1", "     •x2", "     •x3", "     ·1"};
    for (int j = 0; j < 4; ++j) EXPECT_EQ(Tabelle.Zelle(3 + j, 0), koepfe[j]);
    EXPECT_EQ(Tabelle.Zelle(3, 4), "rref(A)");
    const Extended loesung[] = {97.0L / 44, -137.0L / 22, -24.0L / 11};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) EXPECT_EQ(Tabelle.Zelle(3 + j, 5 + i), i == j ? "1" : "0");
        EXPECT_NEAR(double(Zahl(6, 5 + i)), double(loesung[i]), 1e-13);
    }
    EXPECT_EQ(Tabelle.Zelle(4, 1), "-4");   // A itself stays
}

// Traced, the elimination waits for a key after every step and ends with the same
// table as without tracing, except that the last matrix shown (rows m+3 .. 2m+2)
// stays in the row below the solution; the inverse of a 21 x 21 matrix is refused traced.
TEST_F(Form6MatrixTest, SchrittweiseEliminationEndetWieOhne) {
    auto* tracing = Element<QCheckBox>("CheckBox_Tracing");
    ASSERT_NE(tracing, nullptr);
    Klicken("SpeedButton_Testdaten_LGS");
    Operation(0);
    const auto ohne = Schnappschuss();
    tracing->setChecked(true);
    Klicken("SpeedButton_Testdaten_LGS");
    Operation(0);
    ASSERT_GE(dialoge->meldungen.size(), 6u);   // at least a division and an elimination per column
    for (const std::string& m : dialoge->meldungen) EXPECT_EQ(m, "Taste drücken");
    const std::vector<std::string> letzte_Zeile = {"0", "0", "1", Tabelle.Zelle(6, 7)};
    for (int c = 3; c <= 6; ++c) EXPECT_EQ(Tabelle.Zelle(c, 8), letzte_Zeile[size_t(c - 3)]) << c;
    for (int c = 3; c <= 6; ++c) Tabelle.Zelle(c, 8) = "";
    EXPECT_EQ(Schnappschuss(), ohne);

    Tabelle_leeren(Tabelle);
    for (int r = 1; r <= 21; ++r)
        for (int c = 3; c <= 23; ++c) Tabelle.Zelle(c, r) = r == c - 2 ? "2" : "0";
    const auto vorher = Schnappschuss();
    dialoge->meldungen.clear();
    Operation(3);
    EXPECT_EQ(Letzte_Meldung(), "Schrittweise lässt sich die Inverse höchstens einer 20x20-Matrix zeigen: "
                                "[A|E] hätte 42 Spalten !");
    EXPECT_EQ(Schnappschuss(), vorher);
    tracing->setChecked(false);
}

// Each refused operation shows its message and leaves every cell as it was.
TEST_F(Form6MatrixTest, AbgelehnteOperationenLassenDieTabelleUnveraendert) {
    struct Fall { const char* name; Zellen zellen; int index; const char* n; std::function<void()> vorher; const char* meldung; };
    Zellen breit;   // A is 1 x 40 (columns 3 .. 42): B would start in column 44
    for (int c = 3; c <= 42; ++c) breit.emplace_back(c, 1, "1");
    Zellen zeilen45;
    for (int r = 1; r <= 45; ++r) zeilen45.emplace_back(3, r, "1");
    const Zellen zwei_mal_drei = {{3, 1, "1"}, {4, 1, "2"}, {5, 1, "3"}, {3, 2, "4"}, {4, 2, "5"}, {5, 2, "6"}};
    const auto cursor = [this](int c, int r) { return [this, c, r] { Zellcursor(c, r); }; };
    const auto text = [](std::string t) { return [t] { Form1->Text_in_Grafik_setzen(t); }; };
    const Fall faelle[] = {
        {"no data", {}, 1, "2", nullptr, "Keine Daten !"},
        {"45 rows", zeilen45, 1, "2", nullptr, "45 Zeilen,1 Spalte(n), aber höchstens 44 Zeilen erlaubt !"},
        {"columns of different length", {{3, 1, "1"}, {3, 2, "2"}, {3, 3, "3"}, {4, 1, "1"}, {4, 2, "2"}}, 0, "2",
         nullptr, "Spalten 3 und 4 unterschiedlich lang bzw. falsche Daten!"},
        {"det of 2 x 3", zwei_mal_drei, 1, "2", nullptr, "Matrix nicht quadratisch !"},
        {"singular", {{3, 1, "1"}, {4, 1, "2"}, {3, 2, "2"}, {4, 2, "4"}}, 3, "2", nullptr,
         "Matrix singulär. Inverse existiert nicht !"},
        {"A·B without room for B", breit, 8, "2", nullptr,
         "Kein Platz für Matrix B: sie müsste in Spalte 44 beginnen, die Tabelle endet mit Spalte 43 !"},
        {"A^5000 of diag(10; 10)", {{3, 1, "10"}, {4, 1, "0"}, {3, 2, "0"}, {4, 2, "10"}}, 2, "5000", nullptr,
         "Das Ergebnis übersteigt den Zahlenbereich (Überlauf) !"},
        {"E2 at column 43", {}, 5, "2", cursor(43, 1),
         "Eine 2x2-Matrix ab Spalte 43, Zeile 1 passt nicht in die Tabelle (Spalte 43, Zeile 1500) !"},
        {"E45 at column 1", {}, 5, "45", cursor(1, 1),
         "Eine 45x45-Matrix ab Spalte 1, Zeile 1 passt nicht in die Tabelle (Spalte 43, Zeile 1500) !"},
        {"N2 at row 1500", {}, 6, "2", cursor(1, 1500),
         "Eine 2x2-Matrix ab Spalte 1, Zeile 1500 passt nicht in die Tabelle (Spalte 43, Zeile 1500) !"},
        {"text codes with n = 50", {{3, 1, "7"}}, 4, "50", text("Hallo"), "n = 50: eine Codezeile hat 1 bis 41 Zeichen !"},
        {"text of more than 44 rows", {{3, 1, "7"}}, 4, "3", text(std::string(133, 'x')),
         "Text zu lang: 133 Zeichen, bei n = 3 passen höchstens 132 in Matrix A !"},
        {"no text", {{3, 1, "7"}}, 4, "3", text(""), "Kein Text in Zelle (1,1) !"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(Tabelle);
        Fuellen(f.zellen);
        if (f.vorher) f.vorher();
        const auto vorher = Schnappschuss();
        dialoge->meldungen.clear();
        Operation(f.index, f.n);
        EXPECT_EQ(Letzte_Meldung(), f.meldung);
        EXPECT_TRUE(Schnappschuss() == vorher);
    }
}

TEST_F(Form6MatrixTest, ErgebnisseStehenUnterAMitTitel) {
    struct Fall { const char* name; Zellen a; int index; const char* n; Zellen erwartet; };
    const Zellen zwei_mal_drei = {{3, 1, "1"}, {4, 1, "2"}, {5, 1, "3"}, {3, 2, "4"}, {4, 2, "5"}, {5, 2, "6"}};
    const Zellen vier = {{3, 1, "2"}, {4, 1, "-1"}, {5, 1, "0"}, {6, 1, "3"}, {3, 2, "1"}, {4, 2, "4"}, {5, 2, "2"},
                         {6, 2, "-2"}, {3, 3, "0"}, {4, 3, "5"}, {5, 3, "-3"}, {6, 3, "1"}, {3, 4, "6"}, {4, 4, "0"},
                         {5, 4, "1"}, {6, 4, "2"}};
    const Fall faelle[] = {
        {"det of 1 x 1", {{3, 1, "-7/2"}}, 1, "2", {{3, 3, "det(A) = "}, {4, 3, "-3,5"}}},
        {"det of 2 x 2", {{3, 1, "3"}, {4, 1, "8"}, {3, 2, "4"}, {4, 2, "6"}}, 1, "2", {{3, 4, "det(A) = "}, {4, 4, "-14"}}},
        {"det of 4 x 4", vier, 1, "2", {{4, 6, "234"}}},
        {"transpose of 2 x 3", zwei_mal_drei, 7, "2",
         {{3, 3, "C=A^T"}, {3, 4, "1"}, {4, 4, "4"}, {3, 5, "2"}, {4, 5, "5"}, {3, 6, "3"}, {4, 6, "6"}, {5, 4, ""}}},
        {"A^3", {{3, 1, "1"}, {4, 1, "1"}, {3, 2, "0"}, {4, 2, "1"}}, 2, "3",
         {{3, 3, "C=A^3"}, {3, 4, "1"}, {4, 4, "3"}, {3, 5, "0"}, {4, 5, "1"}}},
        {"r·A with r = 3/100", {{3, 1, "100"}, {4, 1, "-1"}}, 11, "2", {{3, 2, "C=r*A"}, {3, 3, "3"}, {4, 3, "-0,03"}}},
        {"rank", {{3, 1, "0,3"}, {4, 1, "0,6"}, {5, 1, "0,9"}, {3, 2, "0,1"}, {4, 2, "0,2"}, {5, 2, "0,3"},
                  {3, 3, "0,7"}, {4, 3, "1,1"}, {5, 3, "1,3"}}, 13, "2", {{3, 5, "rang(A) = "}, {4, 5, "2"}}},
        {"A·B", {{3, 1, "1"}, {4, 1, "2"}, {6, 1, "3"}, {6, 2, "4"}}, 8, "2",
         {{3, 2, "C=A*B"}, {3, 3, "11"}, {6, 0, "Matrix B"}, {6, 1, "3"}, {6, 2, "4"}}},
        {"B·A", {{3, 1, "1"}, {4, 1, "2"}, {6, 1, "3"}}, 12, "2", {{3, 2, "C=B*A"}, {3, 3, "3"}, {4, 3, "6"}}},
        {"A^2·B", {{3, 1, "2"}, {5, 1, "5"}}, 9, "2", {{3, 2, "C=A^2*B"}, {3, 3, "20"}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(Tabelle);
        Tabelle.Zelle(2, 9) = "weg";   // column 2 is emptied by every operation on A
        Fuellen(f.a);
        dialoge->meldungen.clear();
        Operation(f.index, f.n);
        EXPECT_TRUE(dialoge->meldungen.empty()) << Letzte_Meldung();
        for (const auto& [c, r, text] : f.erwartet) EXPECT_EQ(Tabelle.Zelle(c, r), text) << c << "," << r;
        EXPECT_EQ(Tabelle.Zelle(2, 9), "");
    }
}

TEST_F(Form6MatrixTest, SechzehnerMatrixDeterminanteUndInverse) {
    Zellen a;
    static const char* eins = "1";
    static const char* zwei = "2";
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j) a.emplace_back(2 + j, i, i == j ? zwei : eins);
    Fuellen(a);
    Operation(1);
    EXPECT_EQ(Tabelle.Zelle(4, 18), "17");
    Tabelle_leeren(Tabelle);
    Fuellen(a);
    Operation(3);
    ASSERT_TRUE(dialoge->meldungen.empty()) << Letzte_Meldung();
    EXPECT_EQ(Tabelle.Zelle(3, 17), "C=A^(-1)");
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j) EXPECT_NEAR(double(Zahl(2 + j, 17 + i)), (i == j ? 16.0 : -1.0) / 17, 1e-14);
}

TEST_F(Form6MatrixTest, TextUndZeichencodesHinUndZurueck) {
    Form1->Text_in_Grafik_setzen("Hallo");
    Tabelle.Zelle(9, 9) = "alt";
    Operation(4, "3");
    EXPECT_EQ(Tabelle.Zelle(2, 1), "ASCII-Code");
    EXPECT_EQ(Tabelle.Zelle(9, 9), "");
    const char* codes[2][3] = {{"72", "97", "108"}, {"108", "111", "32"}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(Tabelle.Zelle(3 + j, 1 + i), codes[i][j]);
    Form1->Text_in_Grafik_setzen("");
    Operation(10);
    EXPECT_EQ(Form1->Text_in_Grafik(), "Hallo ");
    EXPECT_EQ(Tabelle.Zelle(3, 2), "108");   // the table keeps A
}

TEST_F(Form6MatrixTest, KeineGanzzahlInNPieptUndDerNaechsteKlickFokussiertNur) {
    auto* feld = Element<QLineEdit>("Edit_Mat_n");
    feld->setText("x");
    Form6->Edit_Mat_nExit();
    EXPECT_EQ(dialoge->piepser, 1);
    EXPECT_EQ(feld->text(), "2");
    Klicken("SpeedButton_Testdaten_LGS");
    Element<QComboBox>("ComboBox_MatrixOps")->setCurrentIndex(13);
    Klicken("SpeedButton_MatrixOps");
    EXPECT_EQ(Tabelle.Zelle(3, 5), "");   // nothing computed
    Klicken("SpeedButton_MatrixOps");
    EXPECT_EQ(Tabelle.Zelle(3, 5), "rang(A) = ");
    EXPECT_EQ(Tabelle.Zelle(4, 5), "3");
}

}  // namespace
