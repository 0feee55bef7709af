// Reading columns and points: where a column's data end and what its numbers are.
#include "Tabelle_test.h"

namespace {

struct Zelltext { const char* text; bool zahl; Extended wert; };

class Lesen : public TabelleTest {};

TEST_F(Lesen, JederTextEntscheidetObEineZahlDastehtUndEndetSonstDieSpalte) {
    const Zelltext faelle[] = {
        {"3,731E-5", true, 3.731E-5L}, {"3.731e-5", true, 3.731E-5L}, {" 12", true, 12},
        {"-7/2", true, -3.5L},        {"1,5/3", true, 0.5L},        {"5.", true, 5},
        {"12 ", false, 0}, {"pi", false, 0}, {"1/0", false, 0}, {"1/", false, 0},
        {"/2", false, 0},  {"2/3/4", false, 0}, {"", false, 0}, {"Matrix B", false, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        Spalte_fuellen(5, {"1", f.text, "7"});
        TWerteliste w{};
        const int n = Spalte_einlesen(*T, 5, w);
        if (f.zahl) {
            ASSERT_EQ(n, 3);
            EXPECT_NEAR(double(w[1]), double(f.wert), 1e-15);
        } else {
            EXPECT_EQ(n, 1);
        }
    }
}

TEST_F(Lesen, EineLueckeBeendetDieSpalteUndZahlenDarunterBleibenUngesehen) {
    Spalte_fuellen(1, {"1", "2", "3", "", "5", "6"});
    TWerteliste w{};
    EXPECT_EQ(Spalte_einlesen(*T, 1, w), 3);
    EXPECT_EQ(w[2], 3);
    Extended summe = 0;
    int danach = 0;
    EXPECT_TRUE(Spalte_summieren(*T, 1, summe, danach));
    EXPECT_EQ(summe, 6);
    EXPECT_EQ(danach, 4);
    Z(1, 1) = "x";
    EXPECT_EQ(Spalte_einlesen(*T, 1, w), 0);
}

TEST_F(Lesen, EineVolleSpalteGibt1500WerteUndDieSummeEndetHinterZeile1500) {
    for (int r = 1; r <= 1500; ++r) Z(7, r) = std::to_string(r);
    TWerteliste w{};
    EXPECT_EQ(Spalte_einlesen(*T, 7, w), 1500);
    EXPECT_EQ(w[0], 1);
    EXPECT_EQ(w[1499], 1500);
    Extended summe = 0;
    int danach = 0;
    EXPECT_TRUE(Spalte_summieren(*T, 7, summe, danach));
    EXPECT_EQ(summe, 1500 * 1501 / 2);
    EXPECT_EQ(danach, 1501);
}

TEST_F(Lesen, SpaltenAusserhalbDerDatenGebenNichtsStattAbzustuerzen) {
    TWerteliste w{};
    for (int c : {-1, 0, 44, 1000}) {
        EXPECT_EQ(Spalte_einlesen(*T, c, w), 0) << c;
        EXPECT_EQ(Punkte_einlesen(*T, c), 0) << c;
    }
    Spalte_fuellen(43, {"1"});
    EXPECT_EQ(Punkte_einlesen(*T, 43), 0);   // y would be column 44
}

TEST_F(Lesen, PunkteEndenAnDerErstenZeileOhneZweiZahlen) {
    Spalte_fuellen(3, {"1", "2,5", "3", "4"});
    Spalte_fuellen(4, {"-1", "1/4", "y?", "8"});
    EXPECT_EQ(Punkte_einlesen(*T, 3), 2);
    EXPECT_EQ(Arbeitslisten.Punktanzahl, 2);
    EXPECT_EQ(Arbeitslisten.Punkte[1].x, 2.5L);
    EXPECT_EQ(Arbeitslisten.Punkte[1].y, 0.25L);
    EXPECT_EQ(Punkte_einlesen(*T, 1), 0);
    EXPECT_EQ(Arbeitslisten.Punktanzahl, 0);
}

TEST_F(Lesen, PunkteAusgebenSchreibtAllgemeinenZahltextZeileFuerZeile) {
    TPunktliste p{};
    p[0] = {0.5L, -2};
    p[1] = {1.5E20L, 3.731E-6L};
    Punkte_ausgeben(*T, 5, p, 2);
    EXPECT_EQ(Z(5, 1), "0,5");
    EXPECT_EQ(Z(6, 1), "-2");
    EXPECT_EQ(Z(5, 2), "1,5E20");
    EXPECT_EQ(Z(6, 2), "3,731E-6");
    EXPECT_EQ(Z(5, 3), "");
    EXPECT_EQ(Punkte_einlesen(*T, 5), 2);
}

TEST_F(Lesen, KumulierenLaesstZeile1StehenUndHoertAmDatenendeAuf) {
    Spalte_fuellen(2, {"1,0", "2", "3/2", "Ende", "9"});
    EXPECT_TRUE(Spalte_kumulieren(*T, 2));
    EXPECT_EQ(Z(2, 1), "1,0");
    EXPECT_EQ(Z(2, 2), "3");
    EXPECT_EQ(Z(2, 3), "4,5");
    EXPECT_EQ(Z(2, 4), "Ende");
    EXPECT_EQ(Z(2, 5), "9");
    Z(8, 1) = "a";
    Z(8, 2) = "2";
    EXPECT_TRUE(Spalte_kumulieren(*T, 8));
    EXPECT_EQ(Z(8, 2), "2");
}

// Huge but readable numbers must not turn into an infinite sum in the table.
TEST_F(Lesen, UeberlaufBeimSummierenWirdGemeldetUndNichtGeschrieben) {
    Spalte_fuellen(1, {"1E4932", "1E4932", "5"});
    Extended summe = 1;
    int danach = 0;
    EXPECT_FALSE(Spalte_summieren(*T, 1, summe, danach));
    EXPECT_EQ(summe, 0);
    EXPECT_FALSE(Spalte_kumulieren(*T, 1));
    EXPECT_EQ(Z(1, 2), "1E4932");
    EXPECT_EQ(Z(1, 3), "5");
}

}  // namespace
