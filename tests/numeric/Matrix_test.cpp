#include "numeric/UMatheTools.h"
#include "platform/Dialoge_Skript.h"

#include "tests/numeric/Matrix_aus_Zeilen.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <vector>

namespace {

void Erwarte(const Matrix& A, const Zeilen& z, Extended toleranz = 1e-15L) {
    for (size_t i = 0; i < z.size(); ++i)
        for (size_t j = 0; j < z[i].size(); ++j)
            EXPECT_NEAR(double(A[i + 1][j + 1]), double(z[i][j]), double(toleranz))
                << "entry (" << i + 1 << ", " << j + 1 << ")";
}

TEST(Matrix, LinearSystemReducesToIdentityWithSolution) {
    Matrix A = Aus({{4, -4, 15, 1}, {0, 2, -8, 5}, {12, 6, -5, 0}});
    Matrix_rref(A, 3, 4);
    Erwarte(A, {{1, 0, 0, 97.0L / 44}, {0, 1, 0, -137.0L / 22}, {0, 0, 1, -24.0L / 11}});
}

TEST(Matrix, RrefTakesFirstUsablePivotAndSkipsEmptyColumns) {
    struct Fall { const char* name; Zeilen ein; int m, n; Zeilen aus; };
    const Fall faelle[] = {
        {"pivot only in last row", {{0, 1}, {0, 2}, {3, 4}}, 3, 2, {{1, 0}, {0, 1}, {0, 0}}},
        {"zero column skipped", {{0, 2, 4}, {0, 1, 3}}, 2, 3, {{0, 1, 0}, {0, 0, 1}}},
        {"below pivot threshold", {{1e-13L, 1}, {0, 0}}, 2, 2, {{1e-13L, 1}, {0, 0}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Matrix A = Aus(f.ein);
        Matrix_rref(A, f.m, f.n);
        Erwarte(A, f.aus);
    }
}

TEST(Matrix, DeterminantByCondensation) {
    struct Fall { Zeilen a; int m; Extended det; };
    const Fall faelle[] = {
        {{{-7.5L}}, 1, -7.5L},
        {{{3, 8}, {4, 6}}, 2, 3 * 6 - 8 * 4},
        {{{0, 2, 1}, {1, 0, 3}, {4, 1, 0}}, 3, 25},   // zero corner: columns exchanged
        {{{2, -1, 0, 3}, {1, 4, 2, -2}, {0, 5, -3, 1}, {6, 0, 1, 2}}, 4, 234},
        {{{0, 0, 2, 1}, {1, 3, 0, 2}, {4, 1, 0, 5}, {2, 2, 1, 0}}, 4, 75},
        {{{0, 0, 0}, {1, 2, 3}, {4, 5, 6}}, 3, 0},    // zero first row
        {{{1, 2, 3}, {4, 5, 6}, {1, 2, 3}}, 3, 0},    // two equal rows
    };
    for (const Fall& f : faelle) {
        Extended d = Determinante(Aus(f.a), f.m);
        EXPECT_NEAR(double(d), double(f.det), 1e-12) << "m = " << f.m;
    }
}

TEST(Matrix, DeterminantOfHugeEntriesStaysFinite) {
    const Extended gross = std::numeric_limits<Extended>::max() / 4;
    Matrix A = Aus({{gross, 1, 0}, {1, gross, 1}, {0, 1, gross}});
    Extended d = Determinante(A, 3);
    EXPECT_TRUE(std::isfinite(d));
    EXPECT_GT(d, 0);
    Matrix B = Aus({{1e2000L, 0, 0}, {0, 1e2000L, 0}, {0, 0, 2}});
    EXPECT_NEAR(double(Determinante(B, 3) / 1e4000L), 2.0, 1e-12);
}

TEST(Matrix, RankCountsIndependentRows) {
    struct Fall { const char* name; Zeilen a; int m, n, rang; };
    const Fall faelle[] = {
        {"two equal rows", {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}}, 3, 3, 2},
        {"equal rows on top", {{2, 4, 1}, {2, 4, 1}, {0, 3, 5}}, 3, 3, 2},
        {"zero matrix", {{0, 0}, {0, 0}}, 2, 2, 0},
        {"identity", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 3, 3, 3},
        {"wide", {{1, 2, 3}, {2, 4, 7}}, 2, 3, 2},
        {"tall", {{1, 2}, {2, 4}, {3, 6}}, 3, 2, 1},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Rang(Aus(f.a), f.m, f.n), f.rang) << f.name;
}

TEST(Matrix, ProductTransposeScalarAndColumns) {
    Matrix P = Aus({{1, 2, 3}, {4, 5, 6}});
    Matrix Q = Aus({{7, 8}, {9, 10}, {11, 12}});
    Erwarte(Matrix_Produkt(P, Q, 2, 3, 2), {{58, 64}, {139, 154}});
    Erwarte(Matrix_Produkt(Q, P, 3, 2, 3), {{39, 54, 69}, {49, 68, 87}, {59, 82, 105}});
    Matrix T = Matrix_transponieren(P, 2, 3);
    Erwarte(T, {{1, 4}, {2, 5}, {3, 6}});
    EXPECT_EQ(T[1][3], 0) << "a transpose has only m columns";
    Erwarte(Matrix_mal_Zahl(P, 2, 3, 0.5L), {{0.5L, 1, 1.5L}, {2, 2.5L, 3}});
    Matrix S = Spalten_entnehmen(Aus({{1, 2, 3, 4}, {5, 6, 7, 8}}), 2, 4, 2);
    Erwarte(S, {{3, 4, 0}, {7, 8, 0}});
}

TEST(Matrix, IdentityZeroAndAugmented) {
    Erwarte(Einheitsmatrix(3), {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 0}});
    Erwarte(Nullmatrix(3), {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
    Matrix C{};
    ASSERT_TRUE(Matrix_erweitern(Aus({{2, 1}, {7, 4}}), 2, 2, Einheitsmatrix(2), C));
    Erwarte(C, {{2, 1, 1, 0}, {7, 4, 0, 1}});
    // Inverse through [A | E]: the right half after reduction.
    Matrix_rref(C, 2, 4);
    Erwarte(Spalten_entnehmen(C, 2, 4, 2), {{4, -1}, {-7, 2}});
    // 21 x 21 with its identity needs 42 columns: refused, target untouched.
    Matrix D = Aus({{5}});
    EXPECT_FALSE(Matrix_erweitern(Einheitsmatrix(21), 21, 21, Einheitsmatrix(21), D));
    EXPECT_EQ(D[1][1], 5);
    EXPECT_TRUE(Matrix_erweitern(Einheitsmatrix(20), 20, 21, Einheitsmatrix(20), D));
}

TEST(Matrix, PowersSmallAndLarge) {
    Matrix A = Aus({{1, 1}, {0, 1}});
    Erwarte(Matrix_Potenz(A, 2, 5), {{1, 5}, {0, 1}});
    Erwarte(Matrix_Potenz(A, 2, 1), {{1, 1}, {0, 1}});
    Erwarte(Matrix_Potenz(A, 2, 0), {{1, 1}, {0, 1}});
    // A typed exponent of two billion ends at once and is exact for integers.
    Erwarte(Matrix_Potenz(A, 2, 2000000000), {{1, 2000000000.0L}, {0, 1}});
    Erwarte(Matrix_Potenz(Aus({{0, 1}, {1, 0}}), 2, 1000001), {{0, 1}, {1, 0}});
}

TEST(Matrix, OverflowIsReportedAndClamped) {
    Matrix A = Aus({{1e2000L, 0}, {0, 1}});
    bool ok = false;
    Matrix_Potenz(A, 2, 2, ok);
    EXPECT_TRUE(ok) << "1E4000 is still in range";
    Matrix C = Matrix_Potenz(A, 2, 3, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(C[1][1], std::numeric_limits<Extended>::max());
    EXPECT_EQ(C[2][2], 1);
    Matrix R = Matrix_mal_Zahl(A, 2, 2, -1e3000L);
    EXPECT_EQ(R[1][1], -std::numeric_limits<Extended>::max());
    // A tiny pivot under a huge entry: the elimination keeps every entry a number.
    Matrix E = Aus({{1e-12L, 1e4930L}, {1, 1}});
    Matrix_rref(E, 2, 2);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_TRUE(std::isfinite(E[i][j])) << i << ", " << j;
}

TEST(Matrix, OutOfRangeSizesChangeNothing) {
    Matrix A = Aus({{2, 3}, {4, 5}});
    Matrix B = A;
    Matrix_rref(A, 45, 2);
    Matrix_rref(A, 2, 42);
    Matrix_rref(A, -1, 2);
    EXPECT_EQ(A, B);
    EXPECT_EQ(Rang(A, 50, 2), 0);
    EXPECT_EQ(Determinante(A, 0), 0);
    // 44 rows are a readable matrix, but its transpose would need 44 columns.
    bool ok = true;
    Matrix_transponieren(Einheitsmatrix(3), 44, 3, ok);
    EXPECT_FALSE(ok);
    Matrix T = Matrix_transponieren(Aus({{1, 2}, {3, 4}, {5, 6}}), 3, 2, ok);
    EXPECT_TRUE(ok);
    Erwarte(T, {{1, 3, 5}, {2, 4, 6}});
}

}  // namespace
