// The matrix group's operations as data: sizes that do not fit are refused, the zero
// tolerance follows the matrix's own scale, determinants stay exact, and texts turn
// into Windows-1252 codes and back.
#include "numeric/UMatrixOps.h"

#include "tests/numeric/Matrix_aus_Zeilen.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

Matrixeingabe Eingabe(const Zeilen& a, int n = 2) {
    Matrixeingabe e;
    e.A = Aus(a);
    e.m = int(a.size());
    e.q = int(a[0].size());
    e.n = n;
    e.n_text = std::to_string(n);
    return e;
}

// 2 on the diagonal, 1 elsewhere: det = m + 1, inverse (m+1)·E - ones over m+1.
Matrixeingabe Zwei_Eins(int m) {
    Matrixeingabe e;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= m; ++j) e.A[i][j] = i == j ? 2 : 1;
    e.m = e.q = m;
    return e;
}

TEST(Matrixoperationen, ZeroToleranceFollowsTheMatrixScale) {
    struct Fall { const char* name; Matrixoperation op; Zeilen a; const char* meldung; Extended zahl; };
    const Fall faelle[] = {
        {"rank of a dependent row with rounding residue", Matrixoperation::Rang,
         {{0.3L, 0.6L, 0.9L}, {0.1L, 0.2L, 0.3L}, {0.7L, 1.1L, 1.3L}}, "", 2},
        {"decimal matrix 0,1 .. 0,9 is singular", Matrixoperation::Inverse,
         {{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}}, "Matrix singulär. Inverse existiert nicht !", 0},
        {"two equal rows are singular", Matrixoperation::Inverse, {{1, 2, 3}, {4, 5, 6}, {1, 2, 3}},
         "Matrix singulär. Inverse existiert nicht !", 0},
        {"det of 1 x 1", Matrixoperation::det, {{-7.5L}}, "", -7.5L},
        {"det of 2 x 2", Matrixoperation::det, {{3, 8}, {4, 6}}, "", -14},
        {"det needs a square", Matrixoperation::det, {{1, 2, 3}, {4, 5, 6}}, "Matrix nicht quadratisch !", 0},
        {"power needs a square", Matrixoperation::Potenz, {{1, 2}}, "Matrix nicht quadratisch !", 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Matrixergebnis r = Matrix_berechnen(f.op, Eingabe(f.a));
        EXPECT_EQ(r.Meldung, f.meldung);
        if (r.Zahl_da) {
            EXPECT_NEAR(double(r.Zahl), double(f.zahl), 1e-15);
        }
        if (!r.Meldung.empty()) {
            EXPECT_FALSE(r.Matrix_da || r.Zahl_da);
        }
    }
    Matrixergebnis klein = Matrix_berechnen(Matrixoperation::Inverse, Eingabe({{1e-13L, 0}, {0, 1e-13L}}));
    ASSERT_TRUE(klein.Matrix_da) << klein.Meldung;
    EXPECT_NEAR(double(klein.C[1][1]), 1e13, 1e-2);
    EXPECT_NEAR(double(klein.C[2][2]), 1e13, 1e-2);
    EXPECT_EQ(klein.C[1][2], 0);
}

TEST(Matrixoperationen, DeterminantAndInverseOfLargeMatricesStayExact) {
    for (int m : {16, 40, 41}) {
        SCOPED_TRACE(m);
        Matrixeingabe e = Zwei_Eins(m);
        Matrixergebnis d = Matrix_berechnen(Matrixoperation::det, e);
        EXPECT_EQ(d.Zahl, m + 1);
        Matrixergebnis inv = Matrix_berechnen(Matrixoperation::Inverse, e);
        ASSERT_TRUE(inv.Matrix_da) << inv.Meldung;
        EXPECT_EQ(inv.Zeilen, m);
        EXPECT_EQ(inv.Spalten, m);
        for (int i = 1; i <= m; ++i)
            for (int j = 1; j <= m; ++j)
                EXPECT_NEAR(double(inv.C[i][j]), (i == j ? double(m) : -1.0) / (m + 1), 1e-15);
    }
}

TEST(Matrixoperationen, ResultsThatDoNotFitAreRefused) {
    struct Fall { const char* name; Matrixoperation op; Matrixeingabe e; const char* meldung; };
    Matrixeingabe spalte42;   // 42 rows, 1 column: the transpose would need 42 columns
    spalte42.m = 42;
    spalte42.q = 1;
    Matrixeingabe potenz = Eingabe({{10, 0}, {0, 10}}, 5000);
    Matrixeingabe riesig = Eingabe({{1e4000L, 1}, {1, 1}});
    riesig.r = 1e1000L;
    Matrixeingabe ab = Eingabe({{1, 2}});
    ab.B = Aus({{1}, {2}, {3}});
    ab.mB = 3;
    ab.qB = 1;
    const Fall faelle[] = {
        {"transpose of a 42 x 1 column", Matrixoperation::Transponiert, spalte42,
         "Die Transponierte hätte 42 Spalten, eine Matrix höchstens 41 !"},
        {"A^5000 of diag(10; 10)", Matrixoperation::Potenz, potenz,
         "Das Ergebnis übersteigt den Zahlenbereich (Überlauf) !"},
        {"r·A beyond the range", Matrixoperation::r_mal_A, riesig,
         "Das Ergebnis übersteigt den Zahlenbereich (Überlauf) !"},
        {"A·B with 2 columns of A and 3 rows of B", Matrixoperation::A_mal_B, ab, "Spaltenzahl A <> Zeilenzahl B"},
        {"B·A with 1 column of B and 1 row of A", Matrixoperation::B_mal_A, ab, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(Matrix_berechnen(f.op, f.e).Meldung, f.meldung);
    }
    Matrixergebnis ba = Matrix_berechnen(Matrixoperation::B_mal_A, ab);
    EXPECT_EQ(ba.Zeilen, 3);
    EXPECT_EQ(ba.Spalten, 2);
    EXPECT_EQ(ba.C[3][2], 6);
}

TEST(Matrixoperationen, TextToCodesAndBack) {
    struct Fall { const char* text; int n; int zeilen; std::vector<Extended> codes; const char* zurueck; };
    const Fall faelle[] = {
        {"Hallo", 3, 2, {72, 97, 108, 108, 111, 32}, "Hallo "},
        {"Grüße €", 7, 1, {71, 114, 252, 223, 101, 32, 128}, "Grüße €"},
        {" ", 2, 0, {}, ""},
        {"", 2, 0, {}, ""},
        {"日", 1, 1, {63}, "?"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        Matrix A{};
        std::string meldung;
        int zeilen = Text_in_Matrix(f.text, f.n, A, meldung);
        EXPECT_EQ(meldung, "");
        ASSERT_EQ(zeilen, f.zeilen);
        for (size_t k = 0; k < f.codes.size(); ++k) EXPECT_EQ(A[k / size_t(f.n) + 1][k % size_t(f.n) + 1], f.codes[k]);
        if (zeilen > 0) {
            EXPECT_EQ(Matrix_in_Text(A, zeilen, f.n), f.zurueck);
        }
    }
    // Codes are truncated toward zero and taken modulo 256, also far outside any integer.
    EXPECT_EQ(Matrix_in_Text(Aus({{65.9L, -191, 256 + 66, 1e30L}}), 1, 4), std::string("A") + "A" + "B" + '\0');
    Matrix A{};
    std::string meldung;
    EXPECT_EQ(Text_in_Matrix(std::string(133, 'x'), 3, A, meldung), 0);
    EXPECT_EQ(meldung, "Text zu lang: 133 Zeichen, bei n = 3 passen höchstens 132 in Matrix A !");
    EXPECT_EQ(Text_in_Matrix("abc", 50, A, meldung), 0);
    EXPECT_EQ(meldung, "n = 50: eine Codezeile hat 1 bis 41 Zeichen !");
}

}  // namespace
