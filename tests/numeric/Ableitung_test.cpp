#include "numeric/UMatheTools.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

using Ableitung = Extended (*)(const std::string&, Extended, Extended, Extended, bool&);

struct Fall {
    const char* name;
    Ableitung ableitung;
    const char* term;
    Extended x0, h;
    bool ok;
    Extended wert;
    double toleranz;
};

TEST(Ableitung, CentralOneSidedAndFailing) {
    const Extended wurzel_rechts = (4 * 0.1L - std::sqrt(0.02L)) / 0.02L;
    const Fall faelle[] = {
        {"f' of x^3", Ableitung_1, "x^3", 2, 1e-7L, true, 12, 1e-6},
        {"f'' of x^3", Ableitung_2, "x^3", 2, 1e-5L, true, 12, 1e-5},
        {"f''' of x^3", Ableitung_3, "x^3", 2, 1e-3L, true, 6, 1e-5},
        {"f' of t·sin(x) uses t", Ableitung_1, "t*sin(x)", 0, 1e-7L, true, 2.5L, 1e-9},
        {"|x| at its kink", Ableitung_1, "abs(x)", 0, 1e-7L, false, 0, 0},
        {"|x|'' at its kink", Ableitung_2, "abs(x)", 0, 1e-5L, false, 0, 0},
        {"sgn at its jump", Ableitung_1, "sgn(x)", 0, 1e-7L, false, 0, 0},
        {"sqrt at 0 is too steep", Ableitung_1, "sqrt(x)", 0, 1e-7L, false, 0, 0},
        {"sqrt at 0 from the right", Ableitung_1, "sqrt(x)", 0, 0.01L, true, wurzel_rechts, 1e-12},
        {"sqrt(-x) at 0 from the left", Ableitung_1, "sqrt(-x)", 0, 0.01L, true, -wurzel_rechts, 1e-12},
        {"300x is steep but smooth", Ableitung_1, "300x", 1, 1e-7L, true, 300, 1e-6},
        {"x^4-625 at its zero 5", Ableitung_1, "x^4-625", 5, 1e-7L, true, 500, 1e-4},
        {"1/x across its pole", Ableitung_1, "1/x", 1e-9L, 5e-8L, false, 0, 0},
        {"floor just left of its jump", Ableitung_1, "floor(x)", 2 - 1e-8L, 1e-7L, false, 0, 0},
        {"300x has no curvature", Ableitung_2, "300x", 0, 1e-7L, true, 0, 0},
        {"300x'' off the origin", Ableitung_2, "300x", 1, 1e-5L, true, 0, 1e-5},
        {"jump of 1 over 1e-7", Ableitung_1, "floor(x)", 1 - 5e-8L, 1e-7L, false, 0, 0},
        {"ln at 0 undefined", Ableitung_1, "ln(x)", 0, 1e-7L, false, 0, 0},
        {"f'' right only", Ableitung_2, "x^3+0*sqrt(x-1)", 1, 1e-3L, true, 6, 1e-6},
        {"f'' left only", Ableitung_2, "x^3+0*sqrt(1-x)", 1, 1e-3L, true, 6, 1e-6},
        {"f''' right only", Ableitung_3, "x^4+0*sqrt(x-1)", 1, 1e-2L, true, 24, 1e-6},
        {"f''' left only", Ableitung_3, "x^4+0*sqrt(1-x)", 1, 1e-2L, true, 24, 1e-6},
        {"isolated point", Ableitung_2, "sqrt(x)+sqrt(-x)", 0, 1e-3L, false, 0, 0},
        {"zero step", Ableitung_1, "x^2", 1, 0, false, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        bool ok = !f.ok;
        Extended v = f.ableitung(f.term, 2.5L, f.x0, f.h, ok);
        EXPECT_EQ(ok, f.ok);
        if (f.ok) {
            EXPECT_NEAR(double(v), double(f.wert), f.toleranz);
        }
        EXPECT_TRUE(std::isfinite(v));
    }
}

TEST(Ableitung, TangentOfGraphAndOfParametricCurve) {
    Extended y0, m, n, x0;
    ASSERT_TRUE(Tangente_berechnen("x^2", 0, 1, y0, m, n));
    EXPECT_NEAR(double(y0), 1, 1e-15);
    EXPECT_NEAR(double(m), 2, 1e-6);
    EXPECT_NEAR(double(n), -1, 1e-6);
    // A steep smooth curve has a tangent: y = 300x - 2000 at 10.
    ASSERT_TRUE(Tangente_berechnen("x^3", 0, 10, y0, m, n));
    EXPECT_NEAR(double(m), 300, 1e-4);
    EXPECT_NEAR(double(n), -2000, 1e-3);
    EXPECT_FALSE(Tangente_berechnen("abs(x)", 0, 0, y0, m, n));
    EXPECT_FALSE(Tangente_berechnen("ln(x)", 0, -1, y0, m, n));

    // Unit circle scaled by the family value (the engine's x): slope -1 at 45°.
    const Extended s0 = std::acos(-1.0L) / 4;
    ASSERT_TRUE(Tangente_Parameterkurve("x*cos(t)", "x*sin(t)", s0, 2, x0, y0, m, n));
    EXPECT_NEAR(double(x0), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(double(y0), std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(double(m), -1, 1e-6);
    EXPECT_NEAR(double(n), 2 * std::sqrt(2.0), 1e-6);
    EXPECT_FALSE(Tangente_Parameterkurve("1", "t", 0, 1, x0, y0, m, n)) << "x' = 0";
    EXPECT_FALSE(Tangente_Parameterkurve("ln(t)", "t", 0, 1, x0, y0, m, n));
}

TEST(Ableitung, CurvatureCircle) {
    Extended k, r, xm, ym;
    ASSERT_TRUE(Kruemmung_berechnen("x^2", 0, 0, 1e-5L, k, r, xm, ym));
    EXPECT_NEAR(double(k), 2, 1e-6);
    EXPECT_NEAR(double(r), 0.5, 1e-6);
    EXPECT_NEAR(double(xm), 0, 1e-6);
    EXPECT_NEAR(double(ym), 0.5, 1e-6);
    // Downward parabola at x = 1: f' = -2, f'' = -2, q = 5.
    ASSERT_TRUE(Kruemmung_berechnen("-x^2", 0, 1, 1e-5L, k, r, xm, ym));
    EXPECT_NEAR(double(k), -2 / std::pow(5.0, 1.5), 1e-6);
    EXPECT_NEAR(double(xm), 1 - (-2.0) * 5 / -2, 1e-5);
    EXPECT_NEAR(double(ym), -1 + 5 / -2.0, 1e-5);
    EXPECT_FALSE(Kruemmung_berechnen("2x+1", 0, 3, 1e-5L, k, r, xm, ym)) << "a line has no circle";
    EXPECT_FALSE(Kruemmung_berechnen("abs(x)", 0, 0, 1e-5L, k, r, xm, ym));
}

TEST(Newton, FailuresReturnTheStart) {
    struct Fall { const char* name; const char* term; Extended x0; };
    const Fall faelle[] = {
        {"derivative 0 at the start", "x^2+1", 0},
        {"undefined at the start", "ln(x)", -1},
        {"kink at the start", "abs(x)-1", 0},
        {"diverging cube root", "x^(1/3)", 1},
        {"no zero, walks off", "x^2+1", 0.5L},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        bool ok = true;
        EXPECT_EQ(Nullstelle_Newton(f.term, 0, f.x0, ok), f.x0);
        EXPECT_FALSE(ok);
    }
}

TEST(Newton, PlainRunsFindTheRoot) {
    bool ok = false;
    EXPECT_NEAR(double(Nullstelle_Newton("cos(x)-x", 0, 1, ok)), 0.7390851332151607, 1e-15);
    EXPECT_TRUE(ok);
    EXPECT_NEAR(double(Nullstelle_Newton("x^3-t", 8, 1, ok)), 2, 1e-15);
}

TEST(MinMax, GridSearchKeepsEarlierTies) {
    struct Fall { const char* term; Extended a, b; int n; Extended x_max, x_min; };
    const Fall faelle[] = {
        {"x^2", -1, 2, 30, 2, 0},
        {"x^2", -1, 1, 2, -1, 0},          // both ends equal: the earlier one stays
        {"5", 0, 4, 8, 0, 0},
        {"sin(x)", 0, 6.2831853071795865L, 4, 1.5707963267948966L, 4.7123889803846899L},
        {"x", 3, -1, 4, 3, -1},            // reversed interval walks from a to b
    };
    for (const Fall& f : faelle) {
        Extended x_max, x_min;
        Min_Max_suchen(f.term, 0, f.a, f.b, f.n, x_max, x_min);
        EXPECT_NEAR(double(x_max), double(f.x_max), 1e-15) << f.term;
        EXPECT_NEAR(double(x_min), double(f.x_min), 1e-15) << f.term;
    }
}

}  // namespace
