#include "numeric/UMatheTools.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UReihenwerte.h"

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

// F(x0) must succeed without landing on a sign jump or a kink.
bool Mitte_brauchbar(Punktquelle& F, Extended x0, Extended& F0) {
    if (!F(x0, F0)) return false;
    return !(F.marken() & (Marke_Signum_Null | Marke_Knickstelle));
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
bool Seite(Punktquelle& F, Extended x0, Extended h, int s, int anzahl, Extended* w) {
    for (int k = 1; k <= anzahl; ++k)
        if (!F(x0 + k * s * h, w[k])) return false;
    return true;
}

}  // namespace

bool Ist_null(Extended v) { return std::fabs(v) < 1e-12L; }

bool Deutlich_kleiner(Extended u, Extended v) { return v - u > 1e-12L; }

Extended Ableitung_1(const std::string& term, Extended t, Extended x0, Extended h, bool& ok) {
    Punktquelle F(term, t);
    return Ableitung_1(F, x0, h, ok);
}

Extended Ableitung_1(Punktquelle& F, Extended x0, Extended h, bool& ok) {
    ok = true;
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
    Punktquelle F(term, t);
    return Ableitung_2(F, x0, h, ok);
}

Extended Ableitung_2(Punktquelle& F, Extended x0, Extended h, bool& ok) {
    ok = true;
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
    Punktquelle F(term, t);
    return Ableitung_3(F, x0, h, ok);
}

Extended Ableitung_3(Punktquelle& F, Extended x0, Extended h, bool& ok) {
    ok = true;
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
    Punktquelle F(term, t);
    return Kruemmung_berechnen(F, x0, h, kappa, r, xm, ym);
}

bool Kruemmung_berechnen(Punktquelle& F, Extended x0, Extended h, Extended& kappa, Extended& r, Extended& xm,
                         Extended& ym) {
    Extended y0;
    if (!F(x0, y0)) return false;
    bool ok;
    Extended f1 = Ableitung_1(F, x0, h, ok);
    if (!ok) return false;
    Extended f2 = Ableitung_2(F, x0, h, ok);
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
constexpr Extended Newton_h = 1e-7L;

// One step from x; false when no usable slope was found or x - dx leaves the range.
bool Newton_Schritt(Punktquelle& F, Extended& x, Extended& dx) {
    Extended y;
    bool m_ok = F(x, y);
    Extended m = m_ok ? Ableitung_1(F, x, Newton_h, m_ok) : 0;
    dx = m_ok && m != 0 ? y / m : 0;
    if (!m_ok || m == 0 || !std::isfinite(dx) || !std::isfinite(x - dx)) return false;
    x -= dx;
    return true;
}

// Whether the run goes on after step i with the change dx.
bool Newton_weiter(Extended dx, int i) { return std::fabs(dx) >= 1e-10L && i <= Newton_Schritte_hoechstens; }

// Newton from x0; every iterate goes to `verlauf` when one is given.
Extended Newton(const std::string& term, Extended t, Extended x0, bool& ok, Newton_Verlauf* verlauf) {
    ok = true;
    if (verlauf) *verlauf = Newton_Verlauf{{x0}, false};
    Punktquelle F(term, t);
    Extended x = x0, dx;
    int i = 0;
    do {
        ++i;
        if (!Newton_Schritt(F, x, dx)) {
            ok = false;
            if (verlauf) verlauf->abgebrochen = true;
            return x0;
        }
        if (verlauf) verlauf->x.push_back(x);
    } while (Newton_weiter(dx, i));
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

std::vector<Newton_Ergebnis> Nullstellen_Newton(const std::string& term, Extended t,
                                                std::span<const Extended> starts) {
    std::vector<Newton_Ergebnis> erg(starts.size());
    if (Einzeln_auswerten(term)) {
        for (size_t s = 0; s < starts.size(); ++s) erg[s].x = Nullstelle_Newton(term, t, starts[s], erg[s].ok);
        return erg;
    }
    // Every start steps in turn; one batch per round holds x, x + h and x - h of each
    // start still running (the one-sided fall-backs are evaluated singly).
    struct Lauf {
        size_t s;
        Extended x;
        int i = 0;
    };
    std::vector<Lauf> laufend;
    for (size_t s = 0; s < starts.size(); ++s) laufend.push_back({s, starts[s]});
    std::vector<Extended> punkte;
    Reihenwerte w;
    while (!laufend.empty()) {
        punkte.clear();
        for (const Lauf& l : laufend) {
            punkte.push_back(l.x);
            punkte.push_back(l.x + Newton_h);
            punkte.push_back(l.x - Newton_h);
        }
        w.auswerten(term, punkte, t);
        size_t behalten = 0;
        for (size_t k = 0; k < laufend.size(); ++k) {
            Lauf l = laufend[k];
            Punktquelle F(term, t);
            F.vorrat(&punkte[3 * k], &w.y[3 * k], &w.marken[3 * k], 3);
            Extended dx;
            ++l.i;
            if (!Newton_Schritt(F, l.x, dx)) {
                erg[l.s] = {starts[l.s], false};
            } else if (!Newton_weiter(dx, l.i)) {
                const bool ok = l.i <= Newton_Schritte_hoechstens;
                erg[l.s] = {ok ? l.x : starts[l.s], ok};
            } else {
                laufend[behalten++] = l;
            }
        }
        laufend.resize(behalten);
    }
    return erg;
}

void Min_Max_suchen(const std::string& term, Extended t, Extended a, Extended b, int n,
                    Extended& x_max, Extended& x_min) {
    // A failed evaluation counts with its error value, as the callers expect.
    Extended v = Term_auswerten(term, a, t);
    Extended groesster = v, kleinster = v;
    x_max = x_min = a;
    if (Einzeln_auswerten(term)) {
        for (int i = 1; i <= n; ++i) {
            Extended x = a + (b - a) / n * i;
            v = Term_auswerten(term, x, t);
            if (Deutlich_kleiner(groesster, v)) { groesster = v; x_max = x; }
            if (Deutlich_kleiner(v, kleinster)) { kleinster = v; x_min = x; }
        }
        return;
    }
    // In runs of points evaluated as one batch, in the order single calls take.
    constexpr int Lauflaenge = 1024;
    std::vector<Extended> xs;
    Reihenwerte w;
    for (int von = 1; von <= n; von += Lauflaenge) {
        const int bis = std::min(n, von + Lauflaenge - 1);
        xs.clear();
        for (int i = von; i <= bis; ++i) xs.push_back(a + (b - a) / n * i);
        w.auswerten(term, xs, t);
        for (size_t j = 0; j < xs.size(); ++j) {
            v = w.y[j];
            if (Deutlich_kleiner(groesster, v)) { groesster = v; x_max = xs[j]; }
            if (Deutlich_kleiner(v, kleinster)) { kleinster = v; x_min = xs[j]; }
        }
    }
}
