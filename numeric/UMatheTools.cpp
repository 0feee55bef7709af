#include "numeric/UMatheTools.h"
#include "numeric/UMatheBasisOp.h"

#include <algorithm>
#include <cmath>

namespace {

// Steeper slopes than this between x0 and x0 ± h may be a jump or a pole.
constexpr Extended Steilheit_Grenze = 200;

// A steep pair of one-sided quotients is a jump (or a pole) when the two sides
// disagree: a smooth curve has nearly equal quotients however steep it is
// (x^4 at 5, x^3 at 10), a jump makes one side about size/h and leaves the other.
bool Sprung_zwischen(Extended links, Extended rechts) {
    Extended groesser = std::max(std::fabs(links), std::fabs(rechts));
    if (groesser <= Steilheit_Grenze) return false;
    return std::fabs(rechts - links) > groesser / 2;
}

struct Auswerter {
    const std::string& term;
    Extended t;
    // F(x); false when the evaluation failed.
    bool operator()(Extended x, Extended& y) const {
        y = Term_auswerten(term, x, t);
        return !Parser.Term_Fehler;
    }
};

// F(x0) must succeed without landing on a sign jump or a kink.
bool Mitte_brauchbar(const Auswerter& F, Extended x0, Extended& F0) {
    if (!F(x0, F0)) return false;
    return !Parser.Signum_Null && !Parser.Knickstelle;
}

Extended Ergebnis(Extended v, bool& ok) {
    if (!std::isfinite(v)) {
        ok = false;
        return Fehlerwert;
    }
    return v;
}

Extended Misserfolg(bool& ok) {
    ok = false;
    return Fehlerwert;
}

// Values F(x0 + k·s·h) for k = 1..anzahl on the side s = ±1; false when one fails.
bool Seite(const Auswerter& F, Extended x0, Extended h, int s, int anzahl, Extended* w) {
    for (int k = 1; k <= anzahl; ++k)
        if (!F(x0 + k * s * h, w[k])) return false;
    return true;
}

}  // namespace

bool Ist_null(Extended v) { return std::fabs(v) < 1e-12L; }

bool Deutlich_kleiner(Extended u, Extended v) { return v - u > 1e-12L; }

Extended Ableitung_1(const std::string& term, Extended t, Extended x0, Extended h, bool& ok) {
    ok = true;
    Auswerter F{term, t};
    Extended F0, Fr, Fl;
    if (!Mitte_brauchbar(F, x0, F0)) return Misserfolg(ok);
    bool rechts = F(x0 + h, Fr);
    bool links = F(x0 - h, Fl);
    if (rechts && links) {
        if (Sprung_zwischen((F0 - Fl) / h, (Fr - F0) / h)) return Misserfolg(ok);
        return Ergebnis((Fr - Fl) / (2 * h), ok);
    }
    // One side only: nothing to compare with, so a steep side counts as a jump
    // (the vertical tangent of sqrt at 0).
    if (rechts && std::fabs(Fr - F0) / h > Steilheit_Grenze) return Misserfolg(ok);
    if (links && std::fabs(F0 - Fl) / h > Steilheit_Grenze) return Misserfolg(ok);
    Extended F2;
    if (rechts) {
        if (!F(x0 + 2 * h, F2)) return Misserfolg(ok);
        return Ergebnis((4 * Fr - 3 * F0 - F2) / (2 * h), ok);
    }
    if (links) {
        if (!F(x0 - 2 * h, F2)) return Misserfolg(ok);
        return Ergebnis((3 * F0 - 4 * Fl + F2) / (2 * h), ok);
    }
    return Misserfolg(ok);
}

Extended Ableitung_2(const std::string& term, Extended t, Extended x0, Extended h, bool& ok) {
    ok = true;
    Auswerter F{term, t};
    Extended F0, r[4], l[4];
    if (!Mitte_brauchbar(F, x0, F0)) return Misserfolg(ok);
    bool rechts = Seite(F, x0, h, 1, 1, r);
    bool links = Seite(F, x0, h, -1, 1, l);
    Extended h2 = h * h;
    if (rechts && links) return Ergebnis((r[1] - 2 * F0 + l[1]) / h2, ok);
    if (rechts) {
        if (!F(x0 + 2 * h, r[2]) || !F(x0 + 3 * h, r[3])) return Misserfolg(ok);
        return Ergebnis((2 * F0 - 5 * r[1] + 4 * r[2] - r[3]) / h2, ok);
    }
    if (links) {
        if (!F(x0 - 2 * h, l[2]) || !F(x0 - 3 * h, l[3])) return Misserfolg(ok);
        return Ergebnis((2 * F0 - 5 * l[1] + 4 * l[2] - l[3]) / h2, ok);
    }
    return Misserfolg(ok);
}

Extended Ableitung_3(const std::string& term, Extended t, Extended x0, Extended h, bool& ok) {
    ok = true;
    Auswerter F{term, t};
    Extended F0, r[5], l[5];
    if (!Mitte_brauchbar(F, x0, F0)) return Misserfolg(ok);
    bool rechts = Seite(F, x0, h, 1, 2, r);
    bool links = Seite(F, x0, h, -1, 2, l);
    Extended h3 = 2 * h * h * h;
    if (rechts && links) return Ergebnis((r[2] - 2 * r[1] + 2 * l[1] - l[2]) / h3, ok);
    if (rechts) {
        if (!F(x0 + 3 * h, r[3]) || !F(x0 + 4 * h, r[4])) return Misserfolg(ok);
        return Ergebnis((-5 * F0 + 18 * r[1] - 24 * r[2] + 14 * r[3] - 3 * r[4]) / h3, ok);
    }
    if (links) {
        if (!F(x0 - 3 * h, l[3]) || !F(x0 - 4 * h, l[4])) return Misserfolg(ok);
        return Ergebnis((5 * F0 - 18 * l[1] + 24 * l[2] - 14 * l[3] + 3 * l[4]) / h3, ok);
    }
    return Misserfolg(ok);
}

bool Tangente_berechnen(const std::string& term, Extended t, Extended x0, Extended& y0, Extended& m, Extended& n) {
    y0 = Term_auswerten(term, x0, t);
    if (Parser.Term_Fehler) return false;
    bool ok;
    m = Ableitung_1(term, t, x0, 5e-8L, ok);
    if (!ok) return false;
    n = Ergebnis(y0 - x0 * m, ok);
    return ok;
}

bool Tangente_Parameterkurve(const std::string& term_x, const std::string& term_y, Extended s0,
                             Extended t, Extended& x0, Extended& y0, Extended& m, Extended& n) {
    constexpr Extended k = 1e-7L;
    // The curve parameter is the engine's t, the family value its x.
    auto wert = [t](const std::string& term, Extended s, Extended& v) {
        v = Term_auswerten(term, t, s);
        return !Parser.Term_Fehler;
    };
    Extended xk, yk;
    if (!wert(term_x, s0, x0) || !wert(term_y, s0, y0)) return false;
    if (!wert(term_y, s0 + k, yk) || !wert(term_x, s0 + k, xk)) return false;
    Extended dy = (yk - y0) / k, dx = (xk - x0) / k;
    if (dx == 0) return false;
    bool ok = true;
    m = Ergebnis(dy / dx, ok);
    if (ok) n = Ergebnis(y0 - m * x0, ok);
    return ok;
}

bool Kruemmung_berechnen(const std::string& term, Extended t, Extended x0, Extended h,
                         Extended& kappa, Extended& r, Extended& xm, Extended& ym) {
    Extended y0 = Term_auswerten(term, x0, t);
    if (Parser.Term_Fehler) return false;
    bool ok;
    Extended f1 = Ableitung_1(term, t, x0, h, ok);
    if (!ok) return false;
    Extended f2 = Ableitung_2(term, t, x0, h, ok);
    if (!ok || f2 == 0) return false;   // a straight piece has no curvature circle
    Extended q = 1 + f1 * f1;
    Extended k = f2 / std::pow(q, 1.5L);
    if (!std::isfinite(k) || k == 0) return false;
    Extended rr = std::fabs(1 / k), x = x0 - f1 * q / f2, y = y0 + q / f2;
    if (!std::isfinite(rr) || !std::isfinite(x) || !std::isfinite(y)) return false;
    kappa = k;
    r = rr;
    xm = x;
    ym = y;
    return true;
}

namespace {

constexpr int Newton_Schritte_hoechstens = 150;

// Newton from x0; every iterate goes to `verlauf` when one is given.
Extended Newton(const std::string& term, Extended t, Extended x0, bool& ok, Newton_Verlauf* verlauf) {
    ok = true;
    if (verlauf) *verlauf = Newton_Verlauf{{x0}, false};
    Extended x = x0, dx;
    int i = 0;
    do {
        ++i;
        Extended y = Term_auswerten(term, x, t);
        bool m_ok = !Parser.Term_Fehler;
        Extended m = m_ok ? Ableitung_1(term, t, x, 1e-7L, m_ok) : 0;
        dx = m_ok && m != 0 ? y / m : 0;
        if (!m_ok || m == 0 || !std::isfinite(dx) || !std::isfinite(x - dx)) {
            ok = false;
            if (verlauf) verlauf->abgebrochen = true;
            return x0;
        }
        x -= dx;
        if (verlauf) verlauf->x.push_back(x);
    } while (std::fabs(dx) >= 1e-10L && i <= Newton_Schritte_hoechstens);
    ok = i <= Newton_Schritte_hoechstens;
    return ok ? x : x0;
}

}  // namespace

Extended Nullstelle_Newton(const std::string& term, Extended t, Extended x0, bool& ok) {
    return Newton(term, t, x0, ok, nullptr);
}

Extended Nullstelle_Newton(const std::string& term, Extended t, Extended x0, bool& ok, Newton_Verlauf& verlauf) {
    return Newton(term, t, x0, ok, &verlauf);
}

void Min_Max_suchen(const std::string& term, Extended t, Extended a, Extended b, int n,
                    Extended& x_max, Extended& x_min) {
    // A failed evaluation counts with its error value, as the callers expect.
    Extended v = Term_auswerten(term, a, t);
    Extended groesster = v, kleinster = v;
    x_max = x_min = a;
    for (int i = 1; i <= n; ++i) {
        Extended x = a + (b - a) / n * i;
        v = Term_auswerten(term, x, t);
        if (Deutlich_kleiner(groesster, v)) { groesster = v; x_max = x; }
        if (Deutlich_kleiner(v, kleinster)) { kleinster = v; x_min = x; }
    }
}
