// The triangle's measures and the tree layout, as the two windows hand them on.
#include "numeric/UBaumdiagramm.h"
#include "numeric/UDreieck.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

namespace {

constexpr double grad = 180 / std::numbers::pi;

void Erwarte(TPunkt p, double x, double y, double eps = 1e-12) {
    EXPECT_NEAR(double(p.x), x, eps);
    EXPECT_NEAR(double(p.y), y, eps);
}

TEST(Dreieck, RechtwinkligesDreieckHatSeineBekanntenMasse) {
    TDreieck d;
    ASSERT_TRUE(Dreieck_berechnen({0, 0}, {4, 0}, {0, 3}, d));
    EXPECT_NEAR(double(d.a), 5, 1e-15);
    EXPECT_NEAR(double(d.b), 3, 1e-15);
    EXPECT_NEAR(double(d.c), 4, 1e-15);
    EXPECT_NEAR(double(d.alpha) * grad, 90, 1e-12);
    EXPECT_NEAR(double(d.beta + d.gamma) * grad, 90, 1e-12);
    EXPECT_NEAR(double(d.Flaeche), 6, 1e-14);
    Erwarte(d.U, 2, 1.5);
    EXPECT_NEAR(double(d.R), 2.5, 1e-14);
    Erwarte(d.I, 1, 1);
    EXPECT_NEAR(double(d.r), 1, 1e-14);
    Erwarte(d.H, 0, 0);
    Erwarte(d.S, 4.0 / 3, 1);
    Erwarte(d.Ha, 1.44, 1.92);   // foot from A on BC
    EXPECT_NEAR(double(d.ha), 2.4, 1e-14);
    Erwarte(d.Ta, 1.6, 1.8);
    Erwarte(d.Tb, 0, 1);
    Erwarte(d.Tc, 1, 0);
}

// Whatever the shape, the centres satisfy their defining properties.
TEST(Dreieck, MittelpunkteErfuellenIhreDefinitionen) {
    struct Fall { const char* name; TPunkt A, B, C; };
    const Fall faelle[] = {
        {"acute", {-2, -1}, {3, 0}, {1, 4}},
        {"obtuse", {0, 0}, {6, 0}, {7, 1}},
        {"clockwise", {1, 4}, {3, 0}, {-2, -1}},
        {"equilateral", {0, 0}, {2, 0}, {1, std::sqrt(3.0L)}},
        {"far from the origin, small", {1000, 1000}, {1000.001L, 1000}, {1000, 1000.002L}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TDreieck d;
        ASSERT_TRUE(Dreieck_berechnen(f.A, f.B, f.C, d));
        const double s = double(std::max({d.a, d.b, d.c}));
        const double weite = double(std::max({std::fabs(f.A.x), std::fabs(f.A.y), std::fabs(f.C.y)}));
        const double eps = 1e-9 * s + 1e-14 * weite;
        // circumcentre equidistant from the vertices
        EXPECT_NEAR(double(Abstand(d.U, f.B)), double(d.R), eps);
        EXPECT_NEAR(double(Abstand(d.U, f.C)), double(d.R), eps);
        // orthocentre: HA ⟂ BC and HB ⟂ CA
        EXPECT_NEAR(double((d.H.x - f.A.x) * (f.C.x - f.B.x) + (d.H.y - f.A.y) * (f.C.y - f.B.y)), 0, eps * s);
        EXPECT_NEAR(double((d.H.x - f.B.x) * (f.A.x - f.C.x) + (d.H.y - f.B.y) * (f.A.y - f.C.y)), 0, eps * s);
        // incentre at distance r from every side, r = area / half perimeter
        EXPECT_NEAR(double(Abstand(d.I, d.Ta)), double(d.r), eps);
        EXPECT_NEAR(double(Abstand(d.I, d.Tc)), double(d.r), eps);
        EXPECT_NEAR(double(d.r), double(2 * d.Flaeche / (d.a + d.b + d.c)), eps);
        // area by the angle agrees with the cross product; the angles add up to 180
        const Extended kreuz = (f.B.x - f.A.x) * (f.C.y - f.A.y) - (f.B.y - f.A.y) * (f.C.x - f.A.x);
        EXPECT_NEAR(double(d.Flaeche), double(std::fabs(kreuz) / 2), 1e-9 * s * s);
        EXPECT_NEAR(double(d.alpha + d.beta + d.gamma) * grad, 180, 1e-9);
        // Euler: H = A + B + C − 2U
        Erwarte(d.H, double(f.A.x + f.B.x + f.C.x - 2 * d.U.x), double(f.A.y + f.B.y + f.C.y - 2 * d.U.y), eps);
    }
    TDreieck g;
    ASSERT_TRUE(Dreieck_berechnen({0, 0}, {2, 0}, {1, std::sqrt(3.0L)}, g));
    for (TPunkt P : {g.U, g.I, g.H}) Erwarte(P, double(g.S.x), double(g.S.y), 1e-15);
}

TEST(Dreieck, EntarteteDreieckeWerdenAbgelehnt) {
    struct Fall { const char* name; TPunkt A, B, C; bool entartet; };
    const Fall faelle[] = {
        {"collinear", {0, 0}, {1, 1}, {3, 3}, true},
        {"collinear, vertical", {2, -5}, {2, 0}, {2, 9}, true},
        {"two vertices coincide", {1, 1}, {1, 1}, {3, 4}, true},
        {"all three coincide", {1, 1}, {1, 1}, {1, 1}, true},
        {"collinear up to rounding", {0.1L, 0.2L}, {0.3L, 0.6L}, {0.7L, 1.4L}, true},
        {"tiny but proper", {0, 0}, {1e-9L, 0}, {0, 1e-9L}, false},
        {"huge but proper", {0, 0}, {1e12L, 0}, {0, 1e12L}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TDreieck d;
        EXPECT_EQ(Dreieck_berechnen(f.A, f.B, f.C, d), !f.entartet);
    }
}

TEST(Baumdiagramm, KnotenPfadzaehlerUndNenner) {
    struct Fall { int n, Z, N; size_t knoten; std::vector<int> blaetter; const char* nenner; };
    const Fall faelle[] = {
        {2, 1, 3, 6, {4, 2, 2, 1}, "9"},
        {3, 1, 2, 14, {1, 1, 1, 1, 1, 1, 1, 1}, "8"},
        {2, 5, 5, 6, {0, 0, 0, 25}, "25"},
        {4, 3, 20, 30, {83521, 14739, 14739, 2601, 14739, 2601, 2601, 459, 14739, 2601, 2601, 459, 2601, 459, 459, 81},
         "160000"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.n * 100 + f.Z);
        TBaum b;
        ASSERT_TRUE(Baum_anlegen(f.n, f.Z, f.N, 320, b));
        ASSERT_EQ(b.Knoten.size(), f.knoten);
        EXPECT_EQ(b.Nenner_Text, f.nenner);
        std::vector<int> blaetter;
        for (const TBaumknoten& k : b.Knoten)
            if (k.Stufe == f.n) blaetter.push_back(k.Pfadzaehler);
        EXPECT_EQ(blaetter, f.blaetter);
        // every child lies below its parent, the failure child to the left
        for (const TBaumknoten& k : b.Knoten) {
            const int vx = k.Vater < 0 ? b.Wurzel_x : b.Knoten[size_t(k.Vater)].x;
            const int vy = k.Vater < 0 ? b.Wurzel_y : b.Knoten[size_t(k.Vater)].y;
            EXPECT_GT(k.y, vy);
            EXPECT_EQ(k.x > vx, k.Erfolg);
        }
    }
}

TEST(Baumdiagramm, FesteLagenUndUngueltigeEingaben) {
    TBaum b;
    ASSERT_TRUE(Baum_anlegen(4, 1, 3, 320, b));
    const std::pair<size_t, std::pair<int, int>> lagen[] = {
        {0, {120, 45}}, {1, {520, 45}}, {2, {20, 85}}, {6, {-30, 135}}, {13, {670, 135}}, {14, {-55, 185}}, {29, {695, 185}}};
    for (const auto& [i, xy] : lagen) {
        EXPECT_EQ(b.Knoten[i].x, xy.first) << i;
        EXPECT_EQ(b.Knoten[i].y, xy.second) << i;
    }
    ASSERT_TRUE(Baum_anlegen(3, 1, 3, 100, b));
    EXPECT_EQ(b.Knoten[13].x, 275);
    EXPECT_EQ(b.Knoten[13].y, 130);
    for (auto [n, Z, N] : {std::tuple{1, 1, 3}, {5, 1, 3}, {2, 0, 3}, {2, 4, 3}, {2, 1, 21}}) {
        EXPECT_FALSE(Baum_anlegen(n, Z, N, 320, b));
        EXPECT_TRUE(b.Knoten.empty());
    }
}

}  // namespace
