// What the tools show of Newton's steps, the Romberg scheme and the traced row
// reduction: the numbers come back from the numerics, the cells are written here.
#include "platform/Dialoge_Skript.h"
#include "table/UNumerik_Protokolle.h"

#include "tests/numeric/Matrix_aus_Zeilen.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {

TEST(Newton, ProtocolOfAConvergingRun) {
    TTabelle tab;
    for (int z = 1; z <= 12; ++z) tab.Zelle(2, z) = tab.Zelle(1, z) = "alt";
    bool ok = false;
    Newton_Verlauf v;
    Extended x = Nullstelle_Newton("x^2-2", 0, 1, ok, v);
    ASSERT_TRUE(ok);
    EXPECT_NEAR(double(x), std::sqrt(2.0), 1e-15);
    EXPECT_EQ(v.x.back(), x);
    Newton_Protokoll_schreiben(tab, v, ok, false, 9, 6);
    EXPECT_EQ(tab.Zelle(1, 1), " i = 0");
    EXPECT_EQ(tab.Zelle(2, 1), "1");
    EXPECT_EQ(tab.Zelle(1, 2), " i = 1");
    EXPECT_EQ(tab.Zelle(2, 2), "1,5");
    int letzte = 2;
    while (letzte < 12 && tab.Zelle(1, letzte + 1) != "alt") ++letzte;
    EXPECT_LE(letzte, 8) << "converges in a few steps";
    EXPECT_EQ(tab.Zelle(1, letzte), " i = " + std::to_string(letzte - 1));
    EXPECT_EQ(tab.Zelle(2, letzte), "1,414214");
    EXPECT_EQ(tab.Zelle(2, letzte + 1), " (Lösung)");
    EXPECT_EQ(tab.Zelle(1, letzte + 1), "alt") << "rows past the protocol keep their content";
    EXPECT_EQ(tab.Zelle(2, letzte + 2), "alt");
}

TEST(Newton, ProtocolOfFailedRuns) {
    struct Fall { const char* term; Extended x0; int zeilen; const char* ende; };
    const Fall faelle[] = {
        {"x^2+1", 0, 2, "Abbruch !"},   // slope 0 in the first step
        {"x^2+1", 0.5L, 152, ""},        // walks off: 151 steps, no solution row
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.term);
        TTabelle tab;
        bool ok = true;
        Newton_Verlauf v;
        EXPECT_EQ(Nullstelle_Newton(f.term, 0, f.x0, ok, v), f.x0);
        EXPECT_FALSE(ok);
        Newton_Protokoll_schreiben(tab, v, ok, false, 9, 6);
        EXPECT_EQ(tab.Zelle(1, f.zeilen), " i = " + std::to_string(f.zeilen - 1));
        if (*f.ende) EXPECT_EQ(tab.Zelle(2, f.zeilen), f.ende);
        else EXPECT_NE(tab.Zelle(2, f.zeilen), "");
        EXPECT_EQ(tab.Zelle(1, f.zeilen + 1), "");
        EXPECT_EQ(tab.Zelle(2, f.zeilen + 1), "");
    }
}

TEST(Romberg, SchemeOfACubicInTheTable) {
    TTabelle tab;
    for (int s = 1; s <= 5; ++s)
        for (int z = 1; z <= 4; ++z) tab.Zelle(s, z) = "alt";
    bool ok = false;
    Romberg_Verlauf v;
    Extended I = Romberg("x^3", 0, 0, 2, 1e-6L, ok, v);
    ASSERT_TRUE(ok);
    EXPECT_EQ(I, 4);
    Romberg_Schema_schreiben(tab, v, false, 9, 6);
    const char* erwartet[4][5] = {
        {"8", "5", "4,25", "alt", "alt"},   // trapezoid sums; Simpson is exact, so k stops at 2
        {"4", "4", "alt", "alt", "alt"},
        {"4", "alt", "alt", "alt", "alt"},
        {"alt", "alt", "alt", "alt", "alt"},
    };
    for (int z = 1; z <= 4; ++z)
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(tab.Zelle(s, z), erwartet[z - 1][s - 1]) << "column " << s << ", row " << z;
}

TEST(Romberg, SchemeUsesTheDisplaySettingsAndStopsAtLevelNine) {
    TTabelle tab;
    bool ok = false;
    Romberg_Verlauf v;
    // sqrt converges too slowly for 1e-17: all ten trapezoid sums are formed.
    Extended I = Romberg("sqrt(x)", 0, 0, 1, 1e-17L, ok, v);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(double(I), 2.0 / 3, 1e-4);
    Romberg_Schema_schreiben(tab, v, true, 12, 3);
    EXPECT_EQ(tab.Zelle(1, 1), std::string(14, ' ') + "0,500");
    EXPECT_NE(tab.Zelle(10, 1), "");
    EXPECT_EQ(tab.Zelle(11, 1), "");
    EXPECT_NE(tab.Zelle(1, 10), "");
    EXPECT_EQ(tab.Zelle(2, 10), "");
    EXPECT_EQ(tab.Zelle(1, 11), "");
    // A run failing in its second sum hands out the first one only.
    Romberg("1/x", 0, -1, 1, 1e-6L, ok, v);
    EXPECT_FALSE(ok);
    EXPECT_EQ(v.Laenge[0], 1);
    EXPECT_EQ(v.Laenge[1], 0);
}

TEST(Matrix, TracedEliminationShowsEveryStep) {
    Skript_Dialoge d;
    TTabelle tab;
    Matrix A = Aus({{0, 2}, {1, 0}});
    Matrix_rref_schrittweise(A, 2, 2, tab);
    // rejected entry, pivot, exchange, division, elimination; then four more for column 2
    EXPECT_EQ(d.meldungen.size(), 9u);
    for (const std::string& m : d.meldungen) EXPECT_EQ(m, "Taste drücken");
    EXPECT_EQ(tab.Zelle(3, 5), "1");
    EXPECT_EQ(tab.Zelle(4, 5), "0");
    EXPECT_EQ(tab.Zelle(3, 6), "0");
    EXPECT_EQ(tab.Zelle(4, 6), "1");
    EXPECT_EQ(A[1][1], 1);
    EXPECT_EQ(A[2][2], 1);
    EXPECT_EQ(A[1][2], 0);
}

TEST(Matrix, TracedStepsCarryTheirPivotAndTheMatrixAfterwards) {
    Matrix A = Aus({{0, 2}, {1, 0}});
    const auto schritte = Matrix_rref_verfolgen(A, 2, 2);
    using E = Eliminationsart;
    struct Erwartet { E art; int zeile, spalte; std::vector<Extended> A; };
    const Erwartet erwartet[] = {
        {E::verworfen, 1, 1, {}},
        {E::Pivot_gefunden, 2, 1, {}},
        {E::getauscht, 1, 1, {1, 0, 0, 2}},
        {E::geteilt, 1, 1, {1, 0, 0, 2}},
        {E::eliminiert, 1, 1, {1, 0, 0, 2}},
        {E::Pivot_gefunden, 2, 2, {}},
        {E::getauscht, 2, 2, {1, 0, 0, 2}},
        {E::geteilt, 2, 2, {1, 0, 0, 1}},
        {E::eliminiert, 2, 2, {1, 0, 0, 1}},
    };
    ASSERT_EQ(schritte.size(), std::size(erwartet));
    for (size_t i = 0; i < schritte.size(); ++i) {
        EXPECT_EQ(schritte[i].art, erwartet[i].art) << i;
        EXPECT_EQ(schritte[i].zeile, erwartet[i].zeile) << i;
        EXPECT_EQ(schritte[i].spalte, erwartet[i].spalte) << i;
        EXPECT_EQ(schritte[i].A, erwartet[i].A) << i;
    }
    // Sizes the elimination refuses give no steps and show nothing.
    Skript_Dialoge d;
    TTabelle tab;
    EXPECT_TRUE(Matrix_rref_verfolgen(A, 45, 2).empty());
    Matrix_rref_schrittweise(A, 45, 2, tab);
    EXPECT_TRUE(d.meldungen.empty());
}

}  // namespace
