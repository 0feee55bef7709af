#include "stats/UInterpolation.h"
#include "platform/Dialoge_Skript.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class Interpolation : public ::testing::Test {
protected:
    void SetUp() override {
        T = std::make_unique<TTabelle>();
        Tabelle_einrichten(*T);
    }
    void Punkte(std::vector<std::pair<const char*, const char*>> p) {
        for (size_t i = 0; i < p.size(); ++i) {
            T->Zelle(1, int(i) + 1) = p[i].first;
            T->Zelle(2, int(i) + 1) = p[i].second;
        }
    }
    std::unique_ptr<TTabelle> T;
    Skript_Dialoge dialog;
};

TEST_F(Interpolation, PolynomialThroughThePointsWithTheSystemInTheTable) {
    Punkte({{"0", "1"}, {"1", "3"}, {"2", "7"}});
    const TPolynomergebnis e = Interpolation_berechnen(*T, TTermformat{});
    ASSERT_TRUE(e.ok);
    ASSERT_EQ(e.Stuecke.size(), 1u);
    EXPECT_EQ(e.Stuecke[0].Term, "1x²+1x+1");
    EXPECT_EQ(T->Zelle(3, 4), "rref(A)");
    EXPECT_EQ(T->Zelle(6, 5), "1");    // x^0 coefficient, last column of the reduced matrix
    EXPECT_EQ(T->Zelle(6, 0), "     ·1");
    EXPECT_EQ(T->Zelle(1, 3), "2");    // the points are back
    EXPECT_EQ(T->Zelle(2, 3), "7");
    EXPECT_TRUE(dialog.meldungen.empty());
}

TEST_F(Interpolation, WrongCountsAndEqualXLeaveNoResult) {
    struct Fall { const char* name; int art; int anzahl; bool gleiche_x; const char* meldung; bool unveraendert; };
    const Fall faelle[] = {
        {"31 points", 0, 31, false, "Höchstens 30 Punkte erlaubt !", true},
        {"one point", 0, 1, false, "Mindestens 2 Punkte erforderlich !", true},
        {"equal x", 0, 3, true, nullptr, false},
        {"spline, 2 points", 1, 2, false, "Mindestens 3 Punkte erforderlich !", true},
        {"spline, 12 points", 1, 12, false, "Höchstens 11 Punkte erlaubt !", true},
        {"spline, equal x", 1, 4, true, nullptr, false},
        {"transition, 5 points", 2, 5, false, "Genau 4 Punkte erforderlich !", true},
        {"transition, P2 = P3 in x", 2, 4, true, nullptr, false},
    };
    for (const Fall& f : faelle) {
        Tabelle_einrichten(*T);
        dialog.meldungen.clear();
        for (int i = 1; i <= f.anzahl; ++i) {
            T->Zelle(1, i) = std::to_string(f.gleiche_x && i == 3 ? 2 : i);
            T->Zelle(2, i) = std::to_string(i * i);
        }
        T->Zelle(20, 1) = "Notiz";
        dialog.antworten = {true};
        const TPolynomergebnis e = f.art == 0 ? Interpolation_berechnen(*T, {})
                                 : f.art == 1 ? Spline_berechnen(*T, {})
                                              : Trassierung_berechnen(*T, {});
        EXPECT_FALSE(e.ok) << f.name;
        ASSERT_EQ(dialog.meldungen.size(), 1u) << f.name;
        if (f.meldung) EXPECT_EQ(dialog.meldungen[0], f.meldung) << f.name;
        else EXPECT_EQ(dialog.meldungen[0].rfind("Gleiche x-Werte", 0), 0u) << f.name;
        EXPECT_EQ(T->Zelle(20, 1), f.unveraendert ? "Notiz" : "") << f.name;
        EXPECT_EQ(T->Zelle(2, f.anzahl), std::to_string(f.anzahl * f.anzahl)) << f.name;
    }
}

TEST_F(Interpolation, NaturalSplinePiecesWithTheirIntervals) {
    Punkte({{"0", "0"}, {"1", "1"}, {"2", "0"}});
    const TPolynomergebnis e = Spline_berechnen(*T, TTermformat{});
    ASSERT_TRUE(e.ok);
    ASSERT_EQ(e.Stuecke.size(), 2u);
    EXPECT_EQ(e.Stuecke[0].Term, "-0,5x³+1,5x");
    EXPECT_EQ(e.Stuecke[1].Term, "0,5x³-3x²+4,5x-1");
    EXPECT_EQ(e.Stuecke[0].von, "0");
    EXPECT_EQ(e.Stuecke[0].bis, "1");
    EXPECT_EQ(e.Stuecke[1].bis, "2");
    EXPECT_EQ(T->Zelle(3, 9), "rref(A)");
}

TEST_F(Interpolation, TransitionCubicKeepsUserDataOutOfTheSystem) {
    struct Fall { const char* name; bool fremde_daten; bool antwort; bool ok; int fragen; };
    const Fall faelle[] = {
        {"empty table", false, false, true, 0},
        {"columns 7 and 8 hold data, yes", true, true, true, 1},
        {"columns 7 and 8 hold data, no", true, false, false, 1},
    };
    for (const Fall& f : faelle) {
        Tabelle_einrichten(*T);
        dialog.fragen.clear();
        dialog.antworten = {f.antwort};
        Punkte({{"-2", "-2"}, {"-1", "-1"}, {"1", "1"}, {"2", "2"}});
        if (f.fremde_daten)
            for (int r = 1; r <= 6; ++r) { T->Zelle(7, r) = "5"; T->Zelle(8, r) = "9"; }
        const TPolynomergebnis e = Trassierung_berechnen(*T, TTermformat{});
        EXPECT_EQ(e.ok, f.ok) << f.name;
        EXPECT_EQ(int(dialog.fragen.size()), f.fragen) << f.name;
        if (f.ok) {
            ASSERT_EQ(e.Stuecke.size(), 1u);
            EXPECT_EQ(e.Stuecke[0].Term, "1x") << f.name;
            EXPECT_EQ(e.Stuecke[0].von, "-1") << f.name;
            EXPECT_EQ(e.Stuecke[0].bis, "1") << f.name;
            EXPECT_EQ(T->Zelle(8, 1), "") << f.name;
        } else {
            EXPECT_EQ(T->Zelle(7, 1), "5") << f.name;
            EXPECT_EQ(T->Zelle(3, 1), "") << f.name;
        }
    }
}

}  // namespace
