// Binomial probabilities, the Lehmer generator in 32-bit arithmetic, regular polygons
// and the perpendicular from a point onto a steep line f.
#include "numeric/UKonstruktionen.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {

TEST(Konstruktionen, BinomialProbabilities) {
    struct Fall { int n, k; Extended p, erwartet; };
    const Fall faelle[] = {
        {2, 0, 0.5L, 0.25L}, {2, 1, 0.5L, 0.5L}, {2, 2, 0.5L, 0.25L},
        {20, 8, 0.4L, 0.17970578775468934L},   // C(20,8)·0,4^8·0,6^12
        {10, 0, 0, 1}, {10, 10, 1, 1}, {10, 3, 1, 0},
        {1499, 600, 0.4L, 0.021022405638983898L},
    };
    for (const Fall& f : faelle)
        EXPECT_NEAR(double(Binomial_Wahrscheinlichkeit(f.n, f.k, f.p)), double(f.erwartet), 1e-11)
            << "n = " << f.n << ", k = " << f.k;
    Extended summe = 0;
    for (int k = 0; k <= 1499; ++k) summe += Binomial_Wahrscheinlichkeit(1499, k, 0.3L);
    EXPECT_NEAR(double(summe), 1.0, 1e-12);
}

TEST(Konstruktionen, LehmerStepsWrapAroundIn32Bits) {
    int32_t x = 0;
    const int32_t folge[] = {2, 10, 42, 170, 196, 57};
    for (int32_t erwartet : folge) EXPECT_EQ(x = Lehmer_Schritt(x, 4, 2, 243), erwartet);
    // 65536·65536 wraps to 0; the remainder keeps the dividend's sign.
    EXPECT_EQ(Lehmer_Schritt(65536, 65536, 5, 7), 5);
    EXPECT_EQ(Lehmer_Schritt(-10, 1, 0, 7), -3);
    EXPECT_EQ(Lehmer_Schritt(std::numeric_limits<int32_t>::min(), 1, 0, -1), 0);
}

TEST(Konstruktionen, RegularPolygonVerticesAndRefusals) {
    std::vector<TPunkt> ecken;
    std::string meldung;
    ASSERT_TRUE(Regelmaessiges_Vieleck({0, 0}, 2, 4, ecken, meldung));
    const TPunkt quadrat[] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
    ASSERT_EQ(ecken.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_NEAR(double(ecken[i].x), double(quadrat[i].x), 1e-15) << i;
        EXPECT_NEAR(double(ecken[i].y), double(quadrat[i].y), 1e-15) << i;
    }
    ASSERT_TRUE(Regelmaessiges_Vieleck({0, 0}, 1, 1499, ecken, meldung));
    EXPECT_EQ(ecken.size(), 1500u);
    struct Fall { Extended n; const char* meldung; };
    const Fall falsch[] = {
        {0, "Eckenzahl n = 0 (y in Zeile 2): ein Vieleck hat 3 bis 1499 Ecken !"},
        {2.4L, "Eckenzahl n = 2 (y in Zeile 2): ein Vieleck hat 3 bis 1499 Ecken !"},
        {1500, "Eckenzahl n = 1500 (y in Zeile 2): ein Vieleck hat 3 bis 1499 Ecken !"},
        {1e300L, "Eckenzahl n = 1500 (y in Zeile 2): ein Vieleck hat 3 bis 1499 Ecken !"},
    };
    for (const Fall& f : falsch) {
        EXPECT_FALSE(Regelmaessiges_Vieleck({0, 0}, 1, f.n, ecken, meldung));
        EXPECT_EQ(meldung, f.meldung);
    }
}

TEST(Konstruktionen, PerpendicularOntoLineF) {
    struct Fall { const char* term; TPunkt P; Extended fx, fy; };
    const Fall faelle[] = {
        {"3000x", {1, 3000}, 1, 3000},      // a point on a steep line is its own foot
        {"x", {0, 2}, 1, 1},
        {"2", {3, -4}, 3, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.term);
        TPunkt A, B, F;
        std::string meldung;
        ASSERT_TRUE(Lot_auf_f(f.term, 1, f.P, A, B, F, meldung)) << meldung;
        EXPECT_EQ(A.x, 0);
        EXPECT_EQ(B.x, 5);
        EXPECT_NEAR(double(F.x), double(f.fx), 1e-12);
        EXPECT_NEAR(double(F.y), double(f.fy), 1e-9);
    }
    TPunkt A, B, F;
    std::string meldung;
    EXPECT_FALSE(Lot_auf_f("ln(x)", 1, {1, 1}, A, B, F, meldung));
    EXPECT_EQ(meldung.rfind("f ist an der Stelle x = 0 nicht definiert", 0), 0u) << meldung;
}

}  // namespace
