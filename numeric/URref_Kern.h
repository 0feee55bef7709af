// The Gauss-Jordan elimination shared by the plain matrices and the wider working
// array of the inverse ([A | E] has up to 82 columns). It takes the first usable
// pivot of a column, as a student does by hand, never the largest one.
#pragma once
#include "engine/UFunktionsParser.h"

#include <cmath>
#include <limits>
#include <utility>

namespace rref_kern {

// Values beyond the number range become the largest value of their sign.
inline Extended Begrenzt(Extended v, bool* ueberlauf = nullptr) {
    if (std::isfinite(v)) return v;
    if (ueberlauf) *ueberlauf = true;
    if (std::isnan(v)) return 0;
    return std::signbit(v) ? -std::numeric_limits<Extended>::max() : std::numeric_limits<Extended>::max();
}

// Largest absolute entry of rows 1..m, columns 1..n.
template <class Feld>
Extended Groesster_Betrag(const Feld& A, int m, int n) {
    Extended g = 0;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) g = std::max(g, std::fabs(A[i][j]));
    return g;
}

// An entry qualifies as a pivot when it is not 0 and at least the tolerance.
inline bool Pivot_tauglich(Extended a, Extended toleranz) { return a != 0 && std::fabs(a) >= toleranz; }

// Reduces rows 1..m, columns 1..n in place. `schritt` is called with a step code
// (0 rejected entry, 1 pivot found, 2 exchanged, 3 divided, 4 eliminated), the row
// and the column of the step; gives the number of pivots found.
template <class Feld, class Beobachter>
int Reduzieren(Feld& A, int m, int n, Extended toleranz, Beobachter&& schritt) {
    int k = 1, j = 1, pivots = 0;
    while (k <= m && j <= n) {
        int p = 0;
        for (int i = k; i <= m && p == 0; ++i) {
            if (Pivot_tauglich(A[i][j], toleranz)) p = i;
            else schritt(0, i, j);
        }
        if (p == 0) {
            ++j;
            continue;
        }
        schritt(1, p, j);
        for (int s = 1; s <= n; ++s) std::swap(A[p][s], A[k][s]);
        schritt(2, k, j);
        const Extended pivot = A[k][j];
        for (int s = 1; s <= n; ++s) A[k][s] = Begrenzt(A[k][s] / pivot);
        schritt(3, k, j);
        for (int i = 1; i <= m; ++i) {
            if (i == k) continue;
            const Extended f = A[i][j];
            if (f == 0) continue;
            for (int s = 1; s <= n; ++s) A[i][s] = Begrenzt(A[i][s] - Begrenzt(f * A[k][s]));
        }
        schritt(4, k, j);
        ++pivots;
        ++k;
        ++j;
    }
    return pivots;
}

}  // namespace rref_kern
