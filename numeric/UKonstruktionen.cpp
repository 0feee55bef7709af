// Binomial distribution, Lehmer numbers, regular polygons and the perpendicular onto
// f; declared in numeric/UKonstruktionen.h.
#include "numeric/UKonstruktionen.h"

#include <cmath>
#include <numbers>

Extended Binomial_Wahrscheinlichkeit(int n, int k, Extended p) {
    if (k < 0 || k > n) return 0;
    if (2 * k > n) {   // symmetry keeps the product loop short
        k = n - k;
        p = 1 - p;
    }
    Extended P = 1;
    for (int j = 0; j < k; ++j) P = (1 - p) * (p * (P / Extended(k - j) * Extended(n - j)));
    for (int j = 0; j < n - 2 * k; ++j) P *= 1 - p;
    return P;
}

int32_t Lehmer_Schritt(int32_t x, int32_t a, int32_t c, int32_t m) {
    const uint32_t summe = uint32_t(x) * uint32_t(a) + uint32_t(c);
    const int32_t y = int32_t(summe);
    // -2^31 mod -1 is 0, but the division itself would trap.
    if (m == -1) return 0;
    return y % m;
}

bool Regelmaessiges_Vieleck(TPunkt M, Extended s, Extended n_wert, std::vector<TPunkt>& ecken, std::string& meldung) {
    constexpr int hoechstens = 1499;   // n + 1 vertices must fit the point list of 1500
    if (!std::isfinite(n_wert) || std::fabs(n_wert) > 1e9L) n_wert = hoechstens + 1;
    const int n = int(std::nearbyint(n_wert));
    if (n < 3 || n > hoechstens) {
        meldung = "Eckenzahl n = " + std::to_string(n) + " (y in Zeile 2): ein Vieleck hat 3 bis " +
                  std::to_string(hoechstens) + " Ecken !";
        return false;
    }
    const Extended alpha = 2 * std::numbers::pi_v<Extended> / n;
    ecken.assign(1, TPunkt{M.x - s / 2, M.y - s / (2 * std::tan(alpha / 2))});
    for (int j = 2; j <= n + 1; ++j) {
        const TPunkt& v = ecken.back();
        ecken.push_back({v.x - s * std::cos((j - 1) * alpha), v.y + s * std::sin((j - 1) * alpha)});
    }
    ecken[size_t(n)] = ecken[0];   // closed exactly, not up to rounding
    for (const TPunkt& e : ecken)
        if (!std::isfinite(e.x) || !std::isfinite(e.y)) {
            meldung = "Die Ecken übersteigen den Zahlenbereich !";
            return false;
        }
    return true;
}

bool Lot_auf_f(const std::string& term, Extended t, TPunkt P, TPunkt& A, TPunkt& B, TPunkt& F, std::string& meldung) {
    for (auto [x, punkt] : {std::pair{Extended(0), &A}, std::pair{Extended(5), &B}}) {
        Extended y = Term_auswerten(term, x, t);
        if (Parser.Term_Fehler || !std::isfinite(y)) {
            meldung = "f ist an der Stelle x = " + Zahl_allgemein(x) + " nicht definiert: " + Parser.Term_Fehlertext;
            return false;
        }
        *punkt = {x, y};
    }
    F = Lotfusspunkt(P, A, B);
    if (!std::isfinite(F.x) || !std::isfinite(F.y)) {
        meldung = "Der Lotfußpunkt übersteigt den Zahlenbereich !";
        return false;
    }
    return true;
}
