// Layout, headers, clearing, removing rows and columns, and the fraction/decimal display.
#include "Tabelle_test.h"

#include <algorithm>
#include <utility>

namespace {

class Bearbeiten : public TabelleTest {};

TEST_F(Bearbeiten, EinrichtenSchreibtDieStandardkoepfeUndLeertAlles) {
    Z(5, 5) = "alt";
    Z(3, 0) = "Matrix B";
    T->Markierung = TBereich{1, 1, 2, 2};
    T->Spaltenbreite = 120;
    Tabelle_einrichten(*T);
    const std::pair<std::pair<int, int>, const char*> koepfe[] = {
        {{0, 0}, "Ze Nr"},    {{0, 1}, "1  "},         {{0, 1500}, "1500  "},
        {{1, 0}, "  x (Sp1)"}, {{2, 0}, "  y (Sp2)"},   {{3, 0}, "Matrix A"},
        {{4, 0}, "  Sp4   "}, {{43, 0}, "  Sp43   "}, {{5, 5}, ""},
    };
    for (const auto& [zelle, text] : koepfe) EXPECT_EQ(Z(zelle.first, zelle.second), text);
    EXPECT_EQ(T->Markierung, TBereich{});
    EXPECT_EQ(T->Spaltenbreite, 80);
    EXPECT_EQ(T->Zeilenhoehe, 16);
    // The grid follows: new geometry, new texts, back to the top-left corner, no range.
    for (auto a : {TTabellenaenderung::Einrichtung, TTabellenaenderung::Inhalt,
                   TTabellenaenderung::Links_oben, TTabellenaenderung::Markierung})
        EXPECT_NE(std::find(meldungen.begin(), meldungen.end(), a), meldungen.end());
}

TEST_F(Bearbeiten, ZeileEntfernenRuecktNachObenUndBeschriftetMitDreiBlanks) {
    Spalte_fuellen(1, {"a", "b", "c"});
    Z(43, 1500) = "unten";
    Zeile_entfernen(*T, 1);
    EXPECT_EQ(Z(1, 1), "b");
    EXPECT_EQ(Z(1, 2), "c");
    EXPECT_EQ(Z(43, 1499), "unten");
    EXPECT_EQ(Z(43, 1500), "");
    EXPECT_EQ(Z(0, 1), "1   ");
    EXPECT_EQ(Z(0, 1500), "1500   ");
    EXPECT_EQ(Z(1, 0), "  x (Sp1)");
    Zeile_entfernen(*T, 0);
    Zeile_entfernen(*T, 1501);
    EXPECT_EQ(Z(0, 0), "Ze Nr");
    EXPECT_EQ(Z(1, 1), "b");
}

TEST_F(Bearbeiten, SpalteEntfernenNimmtDieKoepfeMitUndLeertSpalte43) {
    Spalte_fuellen(2, {"y1"});
    Spalte_fuellen(43, {"z"});
    Spalte_entfernen(*T, 1);
    EXPECT_EQ(Z(1, 0), "  y (Sp2)");
    EXPECT_EQ(Z(1, 1), "y1");
    EXPECT_EQ(Z(2, 0), "Matrix A");
    EXPECT_EQ(Z(42, 0), "  Sp43   ");
    EXPECT_EQ(Z(42, 1), "z");
    EXPECT_EQ(Z(43, 0), "");
    EXPECT_EQ(Z(43, 1), "");
    EXPECT_EQ(Z(0, 1), "1  ");
    Spalte_entfernen(*T, 0);
    EXPECT_EQ(Z(0, 1), "1  ");
}

TEST_F(Bearbeiten, ZeileUndSpalteLeerenBehaltenBeschriftungUndKopf) {
    Spalte_fuellen(4, {"1", "2", "3"});
    Z(3, 0) = "Matrix B";
    Spalte_fuellen(3, {"x"});
    Zeile_leeren(*T, 2);
    EXPECT_EQ(Z(4, 2), "");
    EXPECT_EQ(Z(4, 3), "3");
    EXPECT_EQ(Z(0, 2), "2   ");
    Spalte_leeren(*T, 3);
    EXPECT_EQ(Z(3, 0), "Matrix B");
    EXPECT_EQ(Z(3, 1), "");
    Spalte_leeren(*T, 0);   // the row labels are no column to clear
    EXPECT_EQ(Z(0, 1), "1  ");
}

TEST_F(Bearbeiten, BruchUndDezimaldarstellungAendernNurZahlen) {
    struct Fall { const char* vorher; const char* bruch; const char* dezimal; };
    const Fall faelle[] = {
        {"0,75", "3/4", "0,75"},     {"3/4", "3/4", "0,75"},   {"-7/2", "-7/2", "-3,5"},
        {"4,0", "4", "4"},           {"Matrix B", "Matrix B", "Matrix B"},
        {"a;b", "a;b", "a;b"},       {"1/0", "1/0", "1/0"},     {"12 ", "12 ", "12 "},
    };
    for (size_t i = 0; i < std::size(faelle); ++i) Z(int(i) + 1, int(i) + 1) = faelle[i].vorher;
    Z(1, 1500) = "0,5";
    Tabelle_als_Brueche(*T);
    for (size_t i = 0; i < std::size(faelle); ++i) EXPECT_EQ(Z(int(i) + 1, int(i) + 1), faelle[i].bruch);
    EXPECT_EQ(Z(1, 1500), "1/2");
    EXPECT_EQ(Z(1, 0), "  x (Sp1)");
    for (size_t i = 0; i < std::size(faelle); ++i) Z(int(i) + 1, int(i) + 1) = faelle[i].vorher;
    Tabelle_als_Dezimalzahlen(*T);
    for (size_t i = 0; i < std::size(faelle); ++i) EXPECT_EQ(Z(int(i) + 1, int(i) + 1), faelle[i].dezimal);
    EXPECT_EQ(Z(0, 1), "1  ");
}

TEST_F(Bearbeiten, EnterFuehrtXUndYPaarweiseUndBleibtInDerTabelle) {
    struct Fall { int c, r, c_neu, r_neu; };
    const Fall faelle[] = {
        {1, 5, 2, 5}, {2, 5, 1, 6}, {3, 5, 4, 5}, {42, 5, 43, 5},
        {43, 5, 1, 6}, {1, 1500, 2, 1500}, {2, 1500, 2, 1500}, {43, 1500, 43, 1500},
    };
    for (const auto& f : faelle) {
        int c = 0, r = 0;
        Enter_Ziel(f.c, f.r, c, r);
        EXPECT_EQ(c, f.c_neu) << f.c << ";" << f.r;
        EXPECT_EQ(r, f.r_neu) << f.c << ";" << f.r;
    }
}

// Row-major storage: column 44 of row 1 would be the label of row 2.
TEST_F(Bearbeiten, ZellenAusserhalbDerTabelleLesenLeerUndSchreibenNirgendwohin) {
    const std::pair<int, int> draussen[] = {{44, 1}, {-1, 2}, {1, 1501}, {43, -1}, {1000, 100000}};
    for (const auto& [c, r] : draussen) {
        Z(c, r) = "weg";
        EXPECT_EQ(std::as_const(*T).Zelle(c, r), "") << c << ";" << r;
    }
    EXPECT_EQ(Z(0, 2), "2  ");
    EXPECT_EQ(Z(43, 0), "  Sp43   ");
    EXPECT_EQ(Z(0, 1), "1  ");
}

TEST_F(Bearbeiten, MarkierungIstInJederZiehrichtungEinEchtesRechteck) {
    Markierung_setzen(*T, 5, 9, 2, 3);
    EXPECT_EQ(T->Markierung, (TBereich{2, 3, 5, 9}));
    EXPECT_TRUE(T->Markierung.echt());
    Markierung_setzen(*T, 0, 0, 60, 2000);
    EXPECT_EQ(T->Markierung, (TBereich{1, 1, 43, 1500}));
    Markierung_aufheben(*T);
    EXPECT_EQ(T->Markierung, (TBereich{-1, -1, -1, -1}));
    EXPECT_FALSE(T->Markierung.echt());
    EXPECT_FALSE((TBereich{1, 1, 1, -1}).echt());
}

}  // namespace
