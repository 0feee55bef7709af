#include "numeric/UMatheBasisOp.h"

#include <gtest/gtest.h>
#include <cmath>
#include <functional>

namespace {

void Erwarte(TPunkt p, Extended x, Extended y) {
    EXPECT_NEAR(double(p.x), double(x), 1e-15);
    EXPECT_NEAR(double(p.y), double(y), 1e-15);
}

TEST(Geometrie, MappingsOfPoints) {
    struct Fall { const char* name; std::function<TPunkt()> abbilden; Extended x, y; };
    const Fall faelle[] = {
        {"reflection in y = x", [] { return Punkt_spiegeln({1, 0}, {0, 0}, {1, 1}); }, 0, 1},
        {"reflection in x = 2", [] { return Punkt_spiegeln({5, 3}, {2, 0}, {2, 7}); }, -1, 3},
        {"reflection in y = 1", [] { return Punkt_spiegeln({3, 4}, {0, 1}, {5, 1}); }, 3, -2},
        // A point on a steep mirror line stays where it is, whichever line point comes first.
        {"point on steep mirror line", [] { return Punkt_spiegeln({2, 6000}, {0, 0}, {1, 3000}); }, 2, 6000},
        {"same, line points swapped", [] { return Punkt_spiegeln({2, 6000}, {1, 3000}, {0, 0}); }, 2, 6000},
        {"rotation by 90", [] { return Punkt_drehen({1, 0}, {0, 0}, 90); }, 0, 1},
        {"rotation about (1;1) by -90", [] { return Punkt_drehen({2, 1}, {1, 1}, -90); }, 1, 0},
        {"rotation by 180", [] { return Punkt_drehen({3, 2}, {1, 1}, 180); }, -1, 0},
        {"translation", [] { return Punkt_verschieben({1, 2}, {0, 0}, {3, -1}); }, 4, 1},
        {"dilation from (1;1) by 3", [] { return Punkt_strecken({2, 3}, {1, 1}, 3); }, 4, 7},
        {"dilation by -1", [] { return Punkt_strecken({2, 3}, {0, 0}, -1); }, -2, -3},
        {"shear along x", [] { return Punkt_scheren({1, 2}, 'x', 0.5L); }, 2, 2},
        {"shear along y", [] { return Punkt_scheren({1, 2}, 'y', 0.5L); }, 1, 2.5L},
        {"matrix", [] { return Punkt_Matrix_abbilden({1, 2}, 0, -1, 1, 0); }, -2, 1},
        {"midpoint", [] { return Mittelpunkt({-1, 4}, {3, 0}); }, 1, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Erwarte(f.abbilden(), f.x, f.y);
    }
}

TEST(Geometrie, FootOfPerpendicular) {
    struct Fall { const char* name; TPunkt A, B, C; Extended x, y; };
    const Fall faelle[] = {
        {"oblique line", {0, 2}, {0, 0}, {2, 2}, 1, 1},
        {"horizontal line", {3, 5}, {-1, 1}, {4, 1}, 3, 1},
        // Steep lines are projected, not taken as vertical.
        {"steep line projected", {5, 5}, {0, 0}, {1, 20000}, 100005.0L / 400000001, 20000 * (100005.0L / 400000001)},
        {"point on y = 3000x is its own foot", {1, 3000}, {0, 0}, {5, 15000}, 1, 3000},
        {"same with the line points swapped", {1, 3000}, {5, 15000}, {0, 0}, 1, 3000},
        // The test is on dy itself: a steep line downwards is projected exactly.
        {"steep downwards projected", {1, -20000}, {0, 0}, {1, -20000}, 1, -20000},
        {"coincident line points", {4, -3}, {2, 2}, {2, 2}, 2, -3},
        {"point on the line", {1, 3}, {0, 1}, {2, 5}, 1, 3},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TPunkt F = Lotfusspunkt(f.A, f.B, f.C);
        EXPECT_NEAR(double(F.x), double(f.x), 1e-9);
        EXPECT_NEAR(double(F.y), double(f.y), 1e-9);
    }
    // A direction whose squared length underflows must not give NaN.
    TPunkt F = Lotfusspunkt({1, 1}, {0, 0}, {1e-3000L, 0});
    EXPECT_TRUE(std::isfinite(F.x) && std::isfinite(F.y));
}

TEST(Geometrie, PerpendicularBisectorAndDistance) {
    TPunkt E1, E2;
    Mittelsenkrechte({0, 0}, {2, 0}, E1, E2);
    Erwarte(E1, 1, -1);
    Erwarte(E2, 1, 1);
    Mittelsenkrechte({1, 1}, {3, 3}, E1, E2);
    EXPECT_NEAR(double(Abstand(E1, E2)), double(Abstand({1, 1}, {3, 3})), 1e-15);
    EXPECT_NEAR(double(Abstand(E1, {1, 1})), double(Abstand(E1, {3, 3})), 1e-15);
    EXPECT_EQ(Abstand({1, 2}, {4, 6}), 5);
    EXPECT_EQ(Abstand({1, 2}, {1, 2}), 0);
}

}  // namespace
