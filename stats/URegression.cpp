// Least-squares fits: lines, polynomials by normal equations, linearised models.
#include "stats/URegression.h"
#include "numeric/UMatheTools.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr Extended Streuung_relativ = 1e-10L;   // below this relative spread the data count as constant

bool Endlich(std::initializer_list<Extended> werte) {
    return std::all_of(werte.begin(), werte.end(), [](Extended v) { return std::isfinite(v); });
}

// An intercept that is only the rounding left over from ȳ - m·x̄ reads 0.
Extended Ohne_Rundungsrest(Extended b, Extended a1, Extended a2) {
    const Extended massstab = std::max(std::fabs(a1), std::fabs(a2));
    return std::fabs(b) <= 64 * std::numeric_limits<Extended>::epsilon() * massstab ? 0 : b;
}

}  // namespace

TPunkt Schwerpunkt_berechnen(std::span<const TPunkt> p) {
    TPunkt s;
    if (p.empty()) return s;
    for (const TPunkt& q : p) {
        s.x += q.x;
        s.y += q.y;
    }
    s.x /= Extended(p.size());
    s.y /= Extended(p.size());
    return s;
}

TGerade Gerade_anpassen(std::span<const TPunkt> p, bool durch_ursprung) {
    TGerade g;
    const TPunkt s = Schwerpunkt_berechnen(p);
    g.xq = s.x;
    g.yq = s.y;
    if (durch_ursprung) {
        Extended sxx = 0, sxy = 0, syy = 0;
        for (const TPunkt& q : p) {
            sxx += q.x * q.x;
            sxy += q.x * q.y;
            syy += q.y * q.y;
        }
        if (sxx == 0 || !Endlich({sxx, sxy, syy})) {
            g.Zustand = TGeradenzustand::alle_x_null;
            return g;
        }
        g.m = sxy / sxx;
        if (syy == 0 || std::fabs(sxy) <= Streuung_relativ * std::sqrt(sxx) * std::sqrt(syy)) {
            g.Zustand = TGeradenzustand::m2_unendlich;   // the horizontal line y = m·x = 0 only
            g.m = 0;
            return g;
        }
        g.m2 = syy / sxy;
        g.r = sxy / (std::sqrt(sxx) * std::sqrt(syy));
        return g;
    }
    Extended sxx = 0, sxy = 0, syy = 0, qx = 0, qy = 0;
    for (const TPunkt& q : p) {
        const Extended dx = q.x - s.x, dy = q.y - s.y;
        sxx += dx * dx;
        sxy += dx * dy;
        syy += dy * dy;
        qx += q.x * q.x;
        qy += q.y * q.y;
    }
    if (!Endlich({sxx, sxy, syy, qx, qy}) || sxx <= Streuung_relativ * Streuung_relativ * qx) {
        g.Zustand = TGeradenzustand::m_unendlich;
        return g;
    }
    g.m = sxy / sxx;
    g.b = Ohne_Rundungsrest(s.y - g.m * s.x, s.y, g.m * s.x);
    if (syy <= Streuung_relativ * Streuung_relativ * qy ||
        std::fabs(sxy) <= Streuung_relativ * std::sqrt(sxx) * std::sqrt(syy)) {
        g.Zustand = TGeradenzustand::m2_unendlich;
        return g;
    }
    g.m2 = syy / sxy;
    g.b2 = Ohne_Rundungsrest(s.y - g.m2 * s.x, s.y, g.m2 * s.x);
    g.r = sxy / (std::sqrt(sxx) * std::sqrt(syy));
    return g;
}

namespace {

// Normal equations of degree d: row e, column g holds Σ x^(2d+2-e-g), column d+2 Σ x^(d+1-e)·y.
Matrix Normalgleichungen(std::span<const TPunkt> p, int d) {
    std::array<Extended, 12> sx{};   // Σ x^k, k = 0..2d
    std::array<Extended, 6> sxy{};   // Σ x^k·y, k = 0..d
    for (const TPunkt& q : p) {
        Extended potenz = 1;
        for (int k = 0; k <= 2 * d; ++k) {
            sx[size_t(k)] += potenz;
            if (k <= d) sxy[size_t(k)] += potenz * q.y;
            potenz *= q.x;
        }
    }
    Matrix A{};
    for (int e = 1; e <= d + 1; ++e) {
        for (int g = 1; g <= d + 1; ++g) A[size_t(e)][size_t(g)] = sx[size_t(2 * d + 2 - e - g)];
        A[size_t(e)][size_t(d + 2)] = sxy[size_t(d + 1 - e)];
    }
    return A;
}

// The reduced (d+1) x (d+2) system has the identity on its left.
bool Einheit_links(const Matrix& A, int zeilen) {
    for (int i = 1; i <= zeilen; ++i)
        for (int j = 1; j <= zeilen; ++j)
            if (A[size_t(i)][size_t(j)] != (i == j ? 1 : 0)) return false;
    return true;
}

}  // namespace

bool Polynom_anpassen(std::span<const TPunkt> p, int d, std::array<Extended, 43>& c) {
    if (d < 1 || d > 5) return false;
    const Matrix N = Normalgleichungen(p, d);
    for (int e = 1; e <= d + 1; ++e)
        for (int g = 1; g <= d + 2; ++g)
            if (!std::isfinite(N[size_t(e)][size_t(g)])) return false;
    Matrix A = N;
    Matrix_rref(A, d + 1, d + 2);
    if (!Einheit_links(A, d + 1)) return false;
    std::array<Extended, 6> l{};   // l[e] = coefficient of x^(d+1-e)
    for (int e = 1; e <= d + 1; ++e) l[size_t(e - 1)] = A[size_t(e)][size_t(d + 2)];
    // One step of refinement: the residual of the same normal equations solved again
    // wins back the digits the large power sums cost (x up to 3E6 in degree 2).
    Matrix R = N;
    for (int e = 1; e <= d + 1; ++e) {
        Extended rest = N[size_t(e)][size_t(d + 2)];
        for (int g = 1; g <= d + 1; ++g) rest -= N[size_t(e)][size_t(g)] * l[size_t(g - 1)];
        R[size_t(e)][size_t(d + 2)] = rest;
    }
    Matrix_rref(R, d + 1, d + 2);
    if (Einheit_links(R, d + 1))
        for (int e = 1; e <= d + 1; ++e) l[size_t(e - 1)] += R[size_t(e)][size_t(d + 2)];
    c.fill(0);
    for (int e = 1; e <= d + 1; ++e) c[size_t(d + 1 - e)] = l[size_t(e - 1)];
    return std::all_of(c.begin(), c.end(), [](Extended v) { return std::isfinite(v); });
}

Extended Korrelation_Polynom(std::span<const TPunkt> p, int d, const std::array<Extended, 43>& c) {
    const Extended yq = Schwerpunkt_berechnen(p).y;
    Extended oben = 0, unten = 0;
    for (const TPunkt& q : p) {
        Extended y = 0;
        for (int k = d; k >= 0; --k) y = y * q.x + c[size_t(k)];
        oben += (y - yq) * (y - yq);
        unten += (q.y - yq) * (q.y - yq);
    }
    if (unten == 0) return 0;
    return std::sqrt(oben / unten);
}

TModell Linearisiert_anpassen(int modell, std::span<const TPunkt> p) {
    static const char* const fehler[] = {"Fehler ! Negative y-Werte", "Fehler ! Negative x-Werte",
                                         "Fehler ! Negative x- bzw. y-Werte", "Fehler ! y=0 nicht erlaubt",
                                         "Fehler ! x=0 bzw. y=0 nicht erlaubt"};
    TModell e;
    if (modell < 6 || modell > 10) return e;
    const bool log_x = modell == 7 || modell == 8, log_y = modell == 6 || modell == 8;
    auto kein_positiver = [&](bool x) {
        return std::none_of(p.begin(), p.end(), [&](const TPunkt& q) { return (x ? q.x : q.y) > 0; });
    };
    e.x_negiert = log_x && kein_positiver(true);
    e.y_negiert = log_y && kein_positiver(false);
    std::vector<TPunkt> t;
    t.reserve(p.size());
    for (const TPunkt& q : p) {
        const Extended x = e.x_negiert ? -q.x : q.x, y = e.y_negiert ? -q.y : q.y;
        TPunkt u{x, y};
        bool ok = true;
        if (log_x) { ok = ok && x > 0; u.x = ok ? std::log(x) : 0; }
        if (log_y) { ok = ok && y > 0; u.y = ok ? std::log(y) : 0; }
        if (modell == 9 || modell == 10) { ok = y != 0; u.y = ok ? 1 / y : 0; }
        if (modell == 10) { ok = ok && x != 0; u.x = ok ? 1 / x : 0; }
        if (!ok || !Endlich({u.x, u.y})) {
            e.Fehler = fehler[modell - 6];
            return e;
        }
        t.push_back(u);
    }
    const TGerade g = Gerade_anpassen(t, false);
    if (g.Zustand == TGeradenzustand::m_unendlich) {
        e.Fehler = "Fehler ! Alle x-Werte sind gleich";
        return e;
    }
    e.r = g.Zustand == TGeradenzustand::ok ? g.r : std::numeric_limits<Extended>::quiet_NaN();
    switch (modell) {
        case 6: e.erster = std::exp(g.b); e.zweiter = g.m; break;
        case 7: e.erster = g.b; e.zweiter = g.m; break;
        case 8: e.erster = std::exp(g.b); e.zweiter = g.m; break;
        case 9: e.erster = g.m; e.zweiter = g.b; break;
        default: e.erster = g.b; e.zweiter = g.m; break;
    }
    if (e.y_negiert) e.erster = -e.erster;
    if (!Endlich({e.erster, e.zweiter})) e.Fehler = "Fehler ! Zahlenbereich überschritten";
    return e;
}

int Mindestanzahl(int modell) {
    switch (modell) {
        case 2: case 8: return 3;
        case 3: return 4;
        case 4: return 5;
        case 5: return 6;
        default: return 2;
    }
}

std::string Mindestanzahl_Meldung(int modell) {
    return "Mindestens " + std::to_string(Mindestanzahl(modell)) + " Punkte erforderlich !";
}

std::string Regressionszahl_Text(Extended x, bool fix, int P, int D) {
    const bool winzig = std::fabs(x) < std::pow(10.0L, Extended(-D));
    std::string s = winzig ? Zahl_formatieren(false, 20, 17, x) : Zahl_formatieren(fix, P, D, x);
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

std::string Vorzeichen_verbinden(std::string term) {
    std::string z;
    for (size_t i = 0; i < term.size(); ++i) {
        const char a = term[i], b = i + 1 < term.size() ? term[i + 1] : '\0';
        if ((a == '+' || a == '-') && (b == '+' || b == '-')) {
            term[i + 1] = (a == b) ? '+' : '-';
            continue;
        }
        z += a;
    }
    return z;
}
