#include "stats/UStatistik.h"
#include "platform/Dialoge_Skript.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TWertpaare Paare(std::vector<Extended> x, std::vector<Extended> h = {}) {
    TWertpaare d;
    for (size_t i = 0; i < x.size(); ++i) d.push_back({x[i], h.empty() ? 1 : h[i]});
    return d;
}

TEST(Statistik, QuartilesFollowTheMedianOfEachHalf) {
    struct Fall { const char* name; TWertpaare d; Extended med, q1, q3; };
    const Fall faelle[] = {
        {"odd count", Paare({1, 2, 3, 4, 5}), 3, 1.5L, 4.5L},
        {"even count", Paare({1, 2, 3, 4, 5, 6}), 3.5L, 2, 5},
        {"with frequencies", Paare({1, 2, 3}, {1, 3, 1}), 2, 1.5L, 2.5L},
        {"a frequency of 0 between", Paare({1, 2, 3}, {1, 0, 1}), 2, 1, 3},
        {"a single observation", Paare({7}), 7, 7, 7},
        {"leading zero frequency", Paare({1, 2, 3}, {0, 1, 1}), 2.5L, 2, 3},
    };
    for (const Fall& f : faelle) {
        Extended med = -1, q1 = -1, q3 = -1;
        ASSERT_TRUE(Quartile_berechnen(f.d, med, q1, q3)) << f.name;
        EXPECT_EQ(med, f.med) << f.name;
        EXPECT_EQ(q1, f.q1) << f.name;
        EXPECT_EQ(q3, f.q3) << f.name;
    }
}

TEST(Statistik, SortingKeepsEqualValuesInOrderAndMergesThem) {
    TWertpaare d = Paare({4, 2, 5, 7, 3, 1, 6, 2}, {5, 3, 4, 2, 1, 5, 6, 10});
    Daten_sortieren(d, true);
    EXPECT_EQ(d[1].h, 3);    // the first 2 read stays first
    EXPECT_EQ(d[2].h, 10);
    TWertpaare z = Gleiche_zusammenfassen(d);
    ASSERT_EQ(z.size(), 7u);
    const Extended h[] = {5, 13, 1, 5, 4, 6, 2};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(z[i].x, Extended(i + 1));
        EXPECT_EQ(z[i].h, h[i]);
    }
    Daten_sortieren(z, false);
    EXPECT_EQ(z.front().x, 7);
    EXPECT_EQ(z.back().x, 1);
}

class Tabelle_mit_Skript : public ::testing::Test {
protected:
    void SetUp() override {
        T = std::make_unique<TTabelle>();
        Tabelle_einrichten(*T);
    }
    std::unique_ptr<TTabelle> T;
    Skript_Dialoge dialog;
};

TEST_F(Tabelle_mit_Skript, BarChartDataGiveTheSortedTableAndKeyFigures) {
    TWertpaare d = Paare({4, 2, 5, 7, 3, 1, 6}, {5, 3, 4, 2, 1, 5, 6});
    Daten_sortieren(d, true);
    d = Gleiche_zusammenfassen(d);
    EXPECT_TRUE(Haeufigkeitstabelle_ausgeben(*T, d));
    const char* abs[] = {"5", "3", "1", "5", "4", "6", "2"};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(T->Zelle(5, i), std::to_string(i));
        EXPECT_EQ(T->Zelle(6, i), abs[i - 1]);
    }
    EXPECT_EQ(T->Zelle(7, 1), "19,23%");   // 5·100/26
    EXPECT_EQ(T->Zelle(7, 0), "  rel.H.");
    Kennzahlen_ausgeben(*T, Kennzahlen_berechnen(d));
    const std::pair<const char*, const char*> zeilen[] = {
        {"n =", "26"}, {"minX =", "1"}, {"Q1 =", "2"}, {"Med =", "4"}, {"Q3 =", "6"},
        {"maxX =", "7"}, {"IQR =", "4"}, {"[zu;zo] =", "[-4;12]"}};
    const int reihen[] = {1, 5, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(T->Zelle(3, reihen[i]), zeilen[i].first);
        EXPECT_EQ(T->Zelle(4, reihen[i]), zeilen[i].second) << zeilen[i].first;
    }
    EXPECT_EQ(T->Zelle(4, 2), "4");   // 104/26
    EXPECT_TRUE(dialog.meldungen.empty());
}

TEST_F(Tabelle_mit_Skript, FrequencySumsOfZeroGiveTheDataErrorWithoutPercentages) {
    struct Fall { const char* name; TWertpaare d; const char* meldung; };
    const Fall faelle[] = {
        {"all frequencies 0", Paare({1, 2}, {0, 0}), nullptr},
        {"3 and -3", Paare({1, 2}, {3, -3}),
         "Häufigkeiten müssen positiv sein !\rKennzahlen können nicht berechnet werden !"},
    };
    for (const Fall& f : faelle) {
        Tabelle_einrichten(*T);
        dialog.meldungen.clear();
        EXPECT_FALSE(Haeufigkeitstabelle_ausgeben(*T, f.d)) << f.name;
        EXPECT_EQ(T->Zelle(7, 1), "") << f.name;
        EXPECT_EQ(T->Zelle(6, 2), f.d[1].h == 0 ? "0" : "-3") << f.name;
        const TKennzahlen k = Kennzahlen_berechnen(f.d);
        EXPECT_TRUE(k.Datenfehler) << f.name;
        Kennzahlen_ausgeben(*T, k);
        EXPECT_EQ(T->Zelle(3, 2), "Es liegt") << f.name;
        EXPECT_EQ(T->Zelle(3, 6), "vor !") << f.name;
        EXPECT_EQ(T->Zelle(4, 1), "") << f.name;
        EXPECT_EQ(dialog.meldungen.size(), f.meldung ? 1u : 0u) << f.name;
        if (f.meldung && !dialog.meldungen.empty()) {
            EXPECT_EQ(dialog.meldungen[0], f.meldung);
        }
    }
}

TEST(Statistik, HistogramClassesReadOnlyPlainDecimalsWithAPositiveWidth) {
    struct Fall { const char* text; TKlassenfehler fehler; Extended a, b; };
    const Fall faelle[] = {
        {"0;12", TKlassenfehler::keiner, 0, 12},
        {"2,5;-1;7", TKlassenfehler::keine_Zahl, 0, 0},
        {"-2,5;1,25", TKlassenfehler::keiner, -2.5L, 1.25L},
        {"12;12", TKlassenfehler::leeres_Intervall, 12, 12},
        {"12-18", TKlassenfehler::kein_Semikolon, 0, 0},
        {"a;3", TKlassenfehler::keine_Zahl, 0, 0},
        {"1/2;3", TKlassenfehler::keine_Zahl, 0, 0},
    };
    for (const Fall& f : faelle) {
        Extended a = 0, b = 0;
        std::string falsch;
        EXPECT_EQ(Klasse_lesen(f.text, a, b, falsch), f.fehler) << f.text;
        if (f.fehler == TKlassenfehler::keiner || f.fehler == TKlassenfehler::leeres_Intervall) {
            EXPECT_EQ(a, f.a) << f.text;
            EXPECT_EQ(b, f.b) << f.text;
        }
    }
}

TEST_F(Tabelle_mit_Skript, PieSectorsAddUpToTheFullCircleAndEndAtTheTop) {
    const TKreis kreis{{0, 0}, 4, {0, 4}};
    std::vector<TSektor> s;
    ASSERT_TRUE(Kreissektoren({20380, 12123, 8716, 6904, 7021, 3118}, kreis, s));
    Extended prozent = 0;
    for (const TSektor& t : s) prozent += t.Prozent;
    EXPECT_NEAR(double(prozent), 100, 1e-12);
    EXPECT_NEAR(double(s.back().Winkel_kumuliert), 360, 1e-12);
    EXPECT_NEAR(double(s.back().Ende.x), 0, 1e-12);
    EXPECT_NEAR(double(s.back().Ende.y), 4, 1e-12);
    EXPECT_LT(s[0].Ende.x, 0);   // counter-clockwise from the top
    Kreissektoren_ausgeben(*T, s);
    EXPECT_EQ(T->Zelle(4, 1), "35,0%");
    EXPECT_EQ(T->Zelle(5, 1), "125,9°");
    EXPECT_EQ(T->Zelle(8, 6), "4,00");
    EXPECT_FALSE(Kreissektoren({0, 0}, kreis, s));
    EXPECT_FALSE(Kreissektoren({5, -5}, kreis, s));
}

}  // namespace
