// Mapping the points of a column pair into the next two columns, and the triangle's
// measures written right of its vertices.
#include "Tabelle_test.h"
#include "table/UAbbildung_Tabelle.h"

#include <cmath>

namespace {

class Abbildung : public TabelleTest {
protected:
    Extended Wert(int spalte, int zeile) {
        Extended x = 0;
        int f = 0;
        EXPECT_TRUE(Zelle_auswerten(Z(spalte, zeile), x, f)) << spalte << "," << zeile << ": " << Z(spalte, zeile);
        return x;
    }
};

TEST_F(Abbildung, JedeAbbildungSchreibtIhreBildpunkteInDieNaechstenSpalten) {
    struct Fall { const char* name; TAbbildung abb; TPunkt P; double x, y; };
    TAbbildung spiegel, dreh, schieb, streck, scher_x, scher_y, matrix;
    dreh.Art = Abbildungsart::Drehung, dreh.M = {0, 0}, dreh.alpha = 90;
    schieb.Art = Abbildungsart::Verschiebung;
    streck.Art = Abbildungsart::Zentrische_Streckung;
    scher_x.Art = scher_y.Art = Abbildungsart::Scherung, scher_y.Achse = 'y';
    matrix.Art = Abbildungsart::Matrix;
    matrix.M11 = matrix.M22 = std::cos(std::acos(-1.0L) / 4), matrix.M21 = std::sin(std::acos(-1.0L) / 4),
    matrix.M12 = -matrix.M21;
    const Fall faelle[] = {
        {"default reflection", spiegel, {0, 0}, -1.5396, 1.4113},
        {"point on the mirror line", spiegel, {5, 7}, 5, 7},
        {"rotation by 90", dreh, {1, 0}, 0, 1},
        {"rotation by 90 again", dreh, {0, 1}, -1, 0},
        {"translation by (-6; -2)", schieb, {3, 3}, -3, 1},
        {"dilation from (7; 5) by 2", streck, {0, 0}, -7, -5},
        {"shear along x", scher_x, {1, 2}, 2.4, 2},
        {"shear along y", scher_y, {1, 2}, 1, 2.7},
        {"rotation by 45 as a matrix", matrix, {1, 0}, std::sqrt(0.5), std::sqrt(0.5)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spalte_fuellen(1, {Zahl_allgemein(f.P.x)});
        Spalte_fuellen(2, {Zahl_allgemein(f.P.y)});
        const TAbbildungslauf lauf = Punkte_abbilden(*T, 1, 1, f.abb);
        ASSERT_TRUE(lauf.Fehler.empty());
        Bildpunkte_schreiben(*T, 1, lauf.Bilder);
        EXPECT_NEAR(double(Wert(3, 1)), f.x, 5e-5);
        EXPECT_NEAR(double(Wert(4, 1)), f.y, 5e-5);
        EXPECT_EQ(Z(3, 0), "Bildpunkte");
        EXPECT_EQ(Z(4, 0), "  Sp4   ");
    }
}

TEST_F(Abbildung, BruecheWerdenGelesenUndEineNichtzahlBeendetDenLaufMitIhremText) {
    Spalte_fuellen(5, {"1/2", "2", "x7", "4"});
    Spalte_fuellen(6, {"2", "3,5E1", "1", "1"});
    Spalte_fuellen(8, {"alt", "alt", "alt", "alt"});
    TAbbildung scher;
    scher.Art = Abbildungsart::Scherung;
    scher.f = 2;
    const TAbbildungslauf lauf = Punkte_abbilden(*T, 5, 4, scher);
    ASSERT_EQ(lauf.Bilder.size(), 2u);
    EXPECT_NE(lauf.Fehler.find("Spalte 5, Zeile 3"), std::string::npos) << lauf.Fehler;
    EXPECT_NE(lauf.Fehler.find("\"x7\""), std::string::npos) << lauf.Fehler;
    Bildpunkte_schreiben(*T, 5, lauf.Bilder);
    EXPECT_EQ(Z(7, 1), "4,5");
    EXPECT_EQ(Z(7, 2), "72");
    EXPECT_EQ(Z(8, 2), "35");
    EXPECT_EQ(Z(7, 3), "");
    EXPECT_EQ(Z(8, 3), "alt");   // rows the run did not reach keep what they held
    EXPECT_EQ(Z(7, 0), "Bildpunkte");

    // Chaining: the images mapped again land two columns further right.
    const TAbbildungslauf zwei = Punkte_abbilden(*T, 7, 2, scher);
    Bildpunkte_schreiben(*T, 7, zwei.Bilder);
    EXPECT_EQ(Z(9, 1), "8,5");
    EXPECT_EQ(Z(9, 0), "Bildpunkte");

    const TAbbildungslauf nichts = Punkte_abbilden(*T, 1, 3, scher);
    EXPECT_TRUE(nichts.Bilder.empty());
    EXPECT_NE(nichts.Fehler.find("Spalte 1, Zeile 1"), std::string::npos);
    meldungen.clear();
    Bildpunkte_schreiben(*T, 1, nichts.Bilder);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(Z(3, 0), "Matrix A");
}

TEST_F(Abbildung, DreiecksmasseStehenRechtsNebenDenEckpunkten) {
    TDreieck d;
    ASSERT_TRUE(Dreieck_berechnen({0, 0}, {4, 0}, {0, 3}, d));
    struct Zelle { int spalte, zeile; const char* text; };
    const Zelle erwartet[] = {
        {3, 1, "a ="}, {4, 1, "5"}, {5, 1, "b ="}, {6, 1, "3"}, {7, 1, "c ="}, {8, 1, "4"},
        {3, 2, "alpha ="}, {4, 2, "90"}, {5, 2, "beta ="}, {7, 2, "gamma ="},
        {3, 3, "A-Dreieck ="}, {4, 3, "6"}, {3, 4, "S ="}, {5, 4, "1"},
        {3, 5, "UMittelp ="}, {4, 5, "2"}, {5, 5, "1,5"}, {6, 5, "URadius ="}, {7, 5, "2,5"},
        {3, 6, "IMittelp ="}, {4, 6, "1"}, {5, 6, "1"}, {6, 6, "IRadius ="}, {7, 6, "1"},
        {3, 7, "HöhenSP ="}, {4, 7, "0"}, {5, 7, "0"},
        {3, 8, "Ma ="}, {4, 8, "2"}, {5, 8, "1,5"}, {3, 9, "Mb ="}, {3, 10, "Mc ="}, {4, 10, "2"},
        {3, 11, "LotFPHa ="}, {4, 11, "1,44"}, {5, 11, "1,92"}, {3, 12, "LotFPHb ="}, {3, 13, "LotFPHc ="},
        {3, 14, "ha ="}, {4, 14, "2,4"}, {5, 14, "hb ="}, {6, 14, "4"}, {7, 14, "hc ="}, {8, 14, "3"},
        {3, 15, "IMLa ="}, {4, 15, "1,6"}, {5, 15, "1,8"}, {3, 16, "IMLb ="}, {3, 17, "IMLc ="}, {4, 17, "1"},
    };
    Spalte_fuellen(1, {"0", "4", "0", "0"});
    Spalte_fuellen(2, {"0", "0", "3", "0"});
    Z(9, 1) = "bleibt";
    Dreieck_ausgeben(*T, 1, d);
    for (const Zelle& z : erwartet) EXPECT_EQ(Z(z.spalte, z.zeile), z.text) << z.spalte << "," << z.zeile;
    EXPECT_EQ(Z(1, 2), "4");
    EXPECT_EQ(Z(9, 1), "bleibt");
    EXPECT_EQ(Z(3, 18), "");

    // Vertices in columns 5 and 6: every measure moves four columns right, the
    // vertices and the columns left of them stay as they were.
    TTabelle vorher = *T;
    Dreieck_ausgeben(*T, 5, d);
    for (const Zelle& z : erwartet) EXPECT_EQ(Z(z.spalte + 4, z.zeile), z.text) << z.spalte + 4 << "," << z.zeile;
    for (int c = 1; c <= 6; ++c)
        for (int r = 0; r <= 17; ++r) EXPECT_EQ(Z(c, r), vorher.Zelle(c, r)) << c << "," << r;
}

}  // namespace
