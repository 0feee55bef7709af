// Matrix routines of the matrix window, regression and interpolation; declared
// in numeric/UMatheTools.h. Matrices are addressed from (1, 1).
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// The matrix window's zero test: entries below this share of the matrix's largest
// entry count as 0, as pivots, in the rank and in the singularity test, so that
// rounding residue of a dependent row neither becomes a pivot nor a rank, and a
// matrix of tiny entries still has pivots.
constexpr Extended Null_Anteil = 1e-12L;
// Regression and interpolation reduce normal equations whose entries span thirty
// orders of magnitude; a scale from the largest entry would reject their true pivots,
// so their elimination keeps this absolute threshold.
constexpr Extended Pivot_absolut = 1e-12L;

Extended Toleranz(const Matrix& A, int m, int n) {
    Extended g = 0;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) g = std::max(g, std::fabs(A[i][j]));
    return Null_Anteil * g;
}
// Powers up to this exponent multiply step by step, A·(A·(...)); larger ones square.
constexpr int Potenz_schrittweise_bis = 1000;

bool Masse_gueltig(int m, int n) {
    return m >= 0 && m <= Matrix_Zeilen_hoechstens && n >= 0 && n <= Matrix_Spalten_hoechstens;
}

// Values beyond the number range become the largest value of their sign.
Extended Begrenzt(Extended v, bool* ueberlauf = nullptr) {
    if (std::isfinite(v)) return v;
    if (ueberlauf) *ueberlauf = true;
    if (std::isnan(v)) return 0;
    return std::signbit(v) ? -std::numeric_limits<Extended>::max() : std::numeric_limits<Extended>::max();
}

// Gauss-Jordan with the first usable pivot of each column (no search for the
// largest, so the steps are the ones a student does by hand). Every step goes to
// `spur` when one is given.
void rref(Matrix& A, int m, int n, Extended Pivot_Schwelle, std::vector<Eliminationsschritt>* spur) {
    if (!Masse_gueltig(m, n)) return;
    auto zeigen = [&](Eliminationsart art, int zeile, int spalte) {
        if (!spur) return;
        Eliminationsschritt s{art, zeile, spalte, {}};
        if (art != Eliminationsart::verworfen && art != Eliminationsart::Pivot_gefunden) {
            s.A.reserve(size_t(m) * size_t(n));
            for (int i = 1; i <= m; ++i)
                for (int j = 1; j <= n; ++j) s.A.push_back(A[i][j]);
        }
        spur->push_back(std::move(s));
    };
    int k = 1, j = 1;
    while (k <= m && j <= n) {
        int p = 0;
        for (int i = k; i <= m && p == 0; ++i) {
            if (A[i][j] != 0 && std::fabs(A[i][j]) >= Pivot_Schwelle) p = i;
            else zeigen(Eliminationsart::verworfen, i, j);
        }
        if (p == 0) {
            ++j;
            continue;
        }
        zeigen(Eliminationsart::Pivot_gefunden, p, j);
        for (int s = 1; s <= n; ++s) std::swap(A[p][s], A[k][s]);
        zeigen(Eliminationsart::getauscht, k, j);
        Extended pivot = A[k][j];
        for (int s = 1; s <= n; ++s) A[k][s] = Begrenzt(A[k][s] / pivot);
        zeigen(Eliminationsart::geteilt, k, j);
        for (int i = 1; i <= m; ++i) {
            if (i == k) continue;
            Extended f = A[i][j];
            for (int s = 1; s <= n; ++s) A[i][s] = Begrenzt(A[i][s] - Begrenzt(f * A[k][s]));
        }
        zeigen(Eliminationsart::eliminiert, k, j);
        ++k;
        ++j;
    }
}

// Product of the pivots with row exchanges; the fall-back when condensation overflows.
Extended Determinante_Elimination(Matrix A, int m) {
    Extended d = 1;
    for (int j = 1; j <= m; ++j) {
        int p = j;
        for (int i = j + 1; i <= m; ++i)
            if (std::fabs(A[i][j]) > std::fabs(A[p][j])) p = i;
        if (A[p][j] == 0) return 0;
        if (p != j) { std::swap(A[p], A[j]); d = -d; }
        d *= A[j][j];
        for (int i = j + 1; i <= m; ++i) {
            Extended f = A[i][j] / A[j][j];
            for (int s = j; s <= m; ++s) A[i][s] -= f * A[j][s];
        }
    }
    return d;
}

// Pivotal condensation, each step divided by the previous pivot (fraction-free):
// the entries stay minors of A instead of growing with a power of the pivot at every
// step, so integer matrices give exact integers. A corner below the zero tolerance of
// what is left counts as 0 and a later column of row 1 is taken (sign change); none
// left means the determinant is 0. False when an intermediate value leaves the range.
bool Kondensation(Matrix& A, int m, Extended& det) {
    Extended c = 1, vorheriger = 1;
    while (m > 1) {
        const Extended schwelle = Toleranz(A, m, m);
        if (std::fabs(A[1][1]) <= schwelle) {
            int e = 0;
            for (int s = 2; s <= m; ++s)
                if (std::fabs(A[1][s]) > std::fabs(A[1][s - 1]) && std::fabs(A[1][s]) > schwelle) e = s;
            if (e == 0) {
                det = 0;
                return true;
            }
            for (int i = 1; i <= m; ++i) std::swap(A[i][1], A[i][e]);
            c = -c;
        }
        const Extended a = A[1][1];
        for (int i = 2; i <= m; ++i) {
            const Extended f = A[i][1];
            for (int s = 2; s <= m; ++s) {
                A[i][s] = (a * A[i][s] - f * A[1][s]) / vorheriger;
                if (!std::isfinite(A[i][s])) return false;
            }
        }
        vorheriger = a;
        for (int i = 1; i < m; ++i)
            for (int s = 1; s < m; ++s) A[i][s] = A[i + 1][s + 1];
        --m;
    }
    det = c * A[1][1];
    return std::isfinite(det);
}

}  // namespace

void Matrix_rref(Matrix& A, int m, int n) { rref(A, m, n, Pivot_absolut, nullptr); }

void Matrix_rref_relativ(Matrix& A, int m, int n) {
    if (Masse_gueltig(m, n)) rref(A, m, n, Toleranz(A, m, n), nullptr);
}

std::vector<Eliminationsschritt> Matrix_rref_verfolgen(Matrix& A, int m, int n) {
    std::vector<Eliminationsschritt> spur;
    if (Masse_gueltig(m, n)) rref(A, m, n, Toleranz(A, m, n), &spur);
    return spur;
}

Extended Determinante(Matrix A, int m) {
    if (m < 1 || m > Matrix_Spalten_hoechstens) return 0;
    const Matrix original = A;
    Extended d;
    if (!Kondensation(A, m, d)) d = Determinante_Elimination(original, m);
    return Begrenzt(d);
}

int Rang(Matrix A, int m, int n) {
    if (!Masse_gueltig(m, n)) return 0;
    const Extended schwelle = Toleranz(A, m, n);
    Matrix_rref_relativ(A, m, n);
    for (int i = m; i >= 1; --i)
        for (int j = 1; j <= n; ++j)
            if (A[i][j] != 0 && std::fabs(A[i][j]) >= schwelle) return i;
    return 0;
}

Matrix Nullmatrix(int n) {
    Matrix N{};
    (void)n;   // every entry is 0; the size only matters to the caller's counts
    return N;
}

Matrix Einheitsmatrix(int n) {
    Matrix E{};
    for (int i = 1; i <= std::min(n, Matrix_Spalten_hoechstens); ++i) E[i][i] = 1;
    return E;
}

Matrix Matrix_transponieren(const Matrix& A, int m, int n, bool& ok) {
    Matrix C{};
    ok = Masse_gueltig(m, n) && Masse_gueltig(n, m);
    if (!ok) return C;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) C[i][j] = A[j][i];
    return C;
}

Matrix Matrix_transponieren(const Matrix& A, int m, int n) {
    bool ok;
    return Matrix_transponieren(A, m, n, ok);
}

bool Matrix_erweitern(const Matrix& A, int m, int n, const Matrix& E, Matrix& C) {
    if (m < 0 || n < 0 || !Masse_gueltig(m, n + m)) return false;
    Matrix R{};
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= n; ++j) R[i][j] = A[i][j];
        for (int j = 1; j <= m; ++j) R[i][n + j] = E[i][j];
    }
    C = R;
    return true;
}

Matrix Spalten_entnehmen(const Matrix& A, int m, int letzte, int k) {
    Matrix C{};
    if (!Masse_gueltig(m, letzte) || k < 0) return C;
    for (int i = 1; i <= m; ++i)
        for (int j = k + 1; j <= letzte; ++j) C[i][j - k] = A[i][j];
    return C;
}

Matrix Matrix_mal_Zahl(const Matrix& A, int m, int n, Extended r) {
    Matrix C{};
    if (!Masse_gueltig(m, n)) return C;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) C[i][j] = Begrenzt(r * A[i][j]);
    return C;
}

Matrix Matrix_Produkt(const Matrix& P, const Matrix& Q, int m, int k, int p, bool& ok) {
    ok = true;
    Matrix C{};
    if (!Masse_gueltig(m, k) || !Masse_gueltig(k, p)) return C;
    bool ueberlauf = false;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= p; ++j) {
            Extended s = 0;
            for (int l = 1; l <= k; ++l) s = Begrenzt(s + Begrenzt(P[i][l] * Q[l][j], &ueberlauf), &ueberlauf);
            C[i][j] = s;
        }
    ok = !ueberlauf;
    return C;
}

Matrix Matrix_Produkt(const Matrix& P, const Matrix& Q, int m, int k, int p) {
    bool ok;
    return Matrix_Produkt(P, Q, m, k, p, ok);
}

Matrix Matrix_Potenz(const Matrix& A, int m, int n, bool& ok) {
    ok = true;
    bool teil_ok;
    if (n <= Potenz_schrittweise_bis) {
        Matrix Q = A;
        for (int i = 1; i < n; ++i) {
            Q = Matrix_Produkt(A, Q, m, m, m, teil_ok);
            ok = ok && teil_ok;
        }
        return Q;
    }
    // Large exponents by repeated squaring, so that any typed n ends quickly.
    Matrix R = Einheitsmatrix(m), B = A;
    for (int e = n; e > 0; e /= 2) {
        if (e % 2) { R = Matrix_Produkt(R, B, m, m, m, teil_ok); ok = ok && teil_ok; }
        if (e > 1) { B = Matrix_Produkt(B, B, m, m, m, teil_ok); ok = ok && teil_ok; }
    }
    return R;
}

Matrix Matrix_Potenz(const Matrix& A, int m, int n) {
    bool ok;
    return Matrix_Potenz(A, m, n, ok);
}
