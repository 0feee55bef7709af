#include "numeric/UWerkzeuge.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "numeric/UReihenwerte.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::vector<Extended> Nullstellen_suchen(const std::string& term, Extended t, Extended a, Extended b) {
    std::vector<Extended> gefunden, starts;
    const Extended h = (b - a) / 32;
    for (int i = 0; i <= 32; ++i) starts.push_back(a + i * h);
    for (const Newton_Ergebnis& e : Nullstellen_Newton(term, t, starts))
        if (e.ok) gefunden.push_back(e.x);
    std::stable_sort(gefunden.begin(), gefunden.end());
    std::vector<Extended> ohne_doppelte;
    for (Extended x : gefunden)
        if (ohne_doppelte.empty() || !(std::fabs(x - ohne_doppelte.back()) < 1e-12L))
            ohne_doppelte.push_back(x);
    return ohne_doppelte;
}

bool Punktsuche_als_Schar(const std::string& term) {
    return term.find_first_of("tT") != std::string::npos;
}

namespace {

constexpr int Suchschritte = 20000;
constexpr Extended Steigungsschritt = 1e-5L;

struct Abtaster {
    const std::string& term;
    Suchart art;
    Extended t;
    bool f(Extended x, Extended& y) const {
        y = Term_auswerten(term, x, t);
        return !Parser.Term_Fehler;
    }
    // The sampled quantity: f itself, or its central slope.
    bool q(Extended x, Extended& wert) const {
        if (art == Suchart::Extrempunkte) return f(x, wert);
        Extended r, l;
        if (!f(x + Steigungsschritt, r) || !f(x - Steigungsschritt, l)) return false;
        wert = (r - l) / (2 * Steigungsschritt);
        return std::isfinite(wert);
    }
    // What is listed beside x: q itself for extreme points, f for inflection points.
    bool y(Extended x, Extended q_wert, Extended& wert) const {
        if (art == Suchart::Extrempunkte) { wert = q_wert; return true; }
        return f(x, wert);
    }
};

// The points of one block in the order the search takes them: a + s, a, then
// a + s stepped on by s (by repeated addition) up to the first at or beyond b.
// With the sampled quantity q at each of them, evaluated as batches unless the
// term draws random numbers (then q is taken point by point as the search goes).
struct Blockwerte {
    const Abtaster& A;
    bool einzeln;
    // Kept from block to block (one thread searches), so that no block allocates anew.
    static inline std::vector<Extended> x, punkte, q;
    static inline std::vector<uint8_t> ok;
    static inline Reihenwerte w;

    Blockwerte(const Abtaster& abtaster, Extended a, Extended b, Extended s)
        : A(abtaster), einzeln(Einzeln_auswerten(abtaster.term)) {
        x.reserve(Suchschritte + 4);
        x.assign({a + s, a});
        Extended xi = a + s;
        for (int schritt = 0; schritt <= Suchschritte + 1; ++schritt) {
            xi = xi + s;
            x.push_back(xi);
            if (!(xi < b)) break;
        }
        if (!einzeln) berechnen();
    }

    void berechnen() {
        if (A.art == Suchart::Extrempunkte) {
            w.auswerten(A.term, x, A.t);
            return;
        }
        // f at x + h and x - h of every point: the first half, then the second.
        const size_t n = x.size();
        punkte.resize(2 * n);
        for (size_t i = 0; i < n; ++i) {
            punkte[i] = x[i] + Steigungsschritt;
            punkte[n + i] = x[i] - Steigungsschritt;
        }
        w.auswerten(A.term, punkte, A.t);
        q.resize(n);
        ok.resize(n);
        for (size_t i = 0; i < n; ++i) {
            q[i] = (w.y[i] - w.y[n + i]) / (2 * Steigungsschritt);
            ok[i] = w.ok(i) && w.ok(n + i) && std::isfinite(q[i]);
        }
    }

    bool wert(size_t i, Extended& wert) const {
        if (einzeln) return A.q(x[i], wert);
        if (A.art == Suchart::Extrempunkte) {
            wert = w.y[i];
            return w.ok(i);
        }
        wert = q[i];
        return ok[i];
    }
};

// One block of the search for one t; false when the table's last row was reached.
bool Block_suchen(const Abtaster& A, Extended a, Extended b, Extended s, int& r_max, int& r_min,
                  int letzte_zeile, Punktsuche& ergebnis) {
    const Blockwerte W(A, a, b, s);
    Extended x_prev = W.x[0], q_prev = 0, q_a = 0;
    bool gueltig = W.wert(0, q_prev) && W.wert(1, q_a);
    bool steigend = gueltig && q_prev > q_a, fallend = gueltig && !steigend;
    // Bounded by the step count whatever a, b and s are.
    for (size_t i = 2; i < W.x.size(); ++i) {
        Extended x = W.x[i], q;
        if (!W.wert(i, q)) {
            // An undefined point breaks the curve: the next defined point starts afresh.
            gueltig = steigend = fallend = false;
        } else if (!gueltig) {
            gueltig = true;
        } else if (q_prev - q > 1e-12L && steigend) {
            Extended y;
            if (A.y(x_prev, q_prev, y)) {
                if (r_max > letzte_zeile) return false;
                ergebnis.hochpunkte.push_back({r_max++, x_prev, y});
            }
            steigend = false;
            fallend = true;
        } else if (q - q_prev > 1e-12L && fallend) {
            Extended y;
            if (A.y(x_prev, q_prev, y)) {
                if (r_min > letzte_zeile) return false;
                ergebnis.tiefpunkte.push_back({r_min++, x_prev, y});
            }
            steigend = true;
            fallend = false;
        } else if (!steigend && !fallend) {
            // Direction after a gap: set by the first strict change.
            if (q > q_prev) steigend = true;
            else if (q < q_prev) fallend = true;
        }
        x_prev = x;
        q_prev = q;
        if (!(x_prev < b)) break;
    }
    return true;
}

}  // namespace

Punktsuche Punkte_suchen(const std::string& term, Suchart art, Extended a, Extended b,
                         const std::vector<Extended>& t_werte, bool schar, int letzte_zeile) {
    Punktsuche ergebnis;
    const Extended s = (b - a) / Suchschritte;
    // A step that does not move x (or an empty interval) would never reach b.
    if (!(s > 0) || a + s == a || b - s == b) {
        ergebnis.schritt_zu_klein = true;
        return ergebnis;
    }
    int r_max = 1, r_min = 1;
    for (Extended t : t_werte) {
        if (schar) {
            if (r_max > letzte_zeile) { ergebnis.gekappt = true; break; }
            ergebnis.bloecke.push_back({r_max, t});
        }
        r_min = r_max;
        if (!Block_suchen(Abtaster{term, art, t}, a, b, s, r_max, r_min, letzte_zeile, ergebnis)) {
            ergebnis.gekappt = true;
            break;
        }
        r_min = std::max(r_min, r_max);
        if (!schar) break;
        r_max = r_min;
    }
    return ergebnis;
}

namespace {

// Smallest and largest value on the grid xl + i(xr - xl)/k, i = 0..k, a new extreme
// taken only when it is clearly (1e-12) beyond the old one; false when f fails there.
bool Streifen_Extreme(const std::string& term, Extended t, Extended xl, Extended xr, int k,
                      Extended& kleinster, Extended& groesster) {
    Extended v = Term_auswerten(term, xl, t);
    if (Parser.Term_Fehler) return false;
    kleinster = groesster = v;
    for (int i = 1; i <= k; ++i) {
        v = Term_auswerten(term, xl + (xr - xl) / k * i, t);
        if (Parser.Term_Fehler) return false;
        if (Deutlich_kleiner(groesster, v)) groesster = v;
        if (Deutlich_kleiner(v, kleinster)) kleinster = v;
    }
    return true;
}

bool Wert(const std::string& term, Extended x, Extended t, Extended& y) {
    y = Term_auswerten(term, x, t);
    return !Parser.Term_Fehler;
}

// The values of one strip: its ends, its middle and the extremes on its grid; false
// when f fails at any of them. One batch per strip unless the term goes point by point.
bool Streifen_berechnen(const std::string& term, Extended t, int k, Streifen& st) {
    if (Einzeln_auswerten(term))
        return Wert(term, st.links, t, st.f_links) && Wert(term, st.rechts, t, st.f_rechts) &&
               Wert(term, (st.links + st.rechts) / 2, t, st.mitte) &&
               Streifen_Extreme(term, t, st.links, st.rechts, k, st.kleinster, st.groesster);
    static std::vector<Extended> xs;
    static Reihenwerte w;
    const Extended xl = st.links, xr = st.rechts;
    xs.assign({xl, xr, (xl + xr) / 2, xl});
    for (int i = 1; i <= k; ++i) xs.push_back(xl + (xr - xl) / k * i);
    w.auswerten(term, xs, t);
    for (size_t j = 0; j < xs.size(); ++j)
        if (!w.ok(j)) return false;
    st.f_links = w.y[0];
    st.f_rechts = w.y[1];
    st.mitte = w.y[2];
    st.kleinster = st.groesster = w.y[3];
    for (size_t j = 4; j < xs.size(); ++j) {
        const Extended v = w.y[j];
        if (Deutlich_kleiner(st.groesster, v)) st.groesster = v;
        if (Deutlich_kleiner(v, st.kleinster)) st.kleinster = v;
    }
    return true;
}

}  // namespace

Summen Summen_berechnen(const std::string& term, Extended t, Extended a, Extended b, int n) {
    Summen s;
    if (n <= 0 || n > Streifen_hoechstens) return s;
    const Extended w = (b - a) / n;
    const int k = int(std::nearbyint((n > 800 ? 50000.0L : 16000.0L) / n));
    s.streifen.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        Streifen st;
        st.links = a + i * w;
        st.rechts = st.links + w;
        if (!Streifen_berechnen(term, t, std::max(k, 1), st)) return Summen{};
        s.Trapezsumme += (st.f_links + st.f_rechts) / 2;
        s.Mittensumme += st.mitte;
        s.Untersumme += st.kleinster;
        s.Obersumme += st.groesster;
        s.streifen.push_back(st);
    }
    s.Untersumme *= w;
    s.Obersumme *= w;
    s.Trapezsumme *= w;
    s.Mittensumme *= w;
    s.ok = std::isfinite(s.Untersumme) && std::isfinite(s.Obersumme) && std::isfinite(s.Trapezsumme) &&
           std::isfinite(s.Mittensumme);
    if (!s.ok) s.streifen.clear();
    return s;
}

namespace {

std::optional<Extended> Kruemmung_aus(Punktquelle& F, Extended x) {
    constexpr Extended h = 1e-5L;
    bool ok;
    Extended f1 = Ableitung_1(F, x, h, ok);
    if (!ok) return std::nullopt;
    Extended f2 = Ableitung_2(F, x, h, ok);
    if (!ok) return std::nullopt;
    Extended k = f2 / std::pow(1 + f1 * f1, 1.5L);
    if (!std::isfinite(k)) return std::nullopt;
    return k;
}

}  // namespace

std::optional<Extended> Kruemmung_mit_Vorzeichen(const std::string& term, Extended t, Extended x) {
    Punktquelle F(term, t);
    return Kruemmung_aus(F, x);
}

int Integralfunktion_Zeilen(int D) { return std::max(0, 9 - int(std::floor(D / 1.2L))); }

Extended Integralfunktion_Toleranz(int D) {
    if (D <= 5) return 0.01L;
    if (D == 6) return 0.001L;
    if (D == 7) return 0.0003L;
    if (D == 8) return 0.00015L;
    if (D <= 10) return 0.00003L;
    return 0.00001L;
}

namespace {

// The points of f that the derivative columns of row x ask for: x and x ± h for the
// steps 1e-7, 1e-6 and 1e-5, and x ± 2h for 1e-5 (the third derivative and the
// curvature use 1e-5).
constexpr size_t Zeilenpunkte = 9;
void Zeilenpunkte_setzen(Extended x, Extended* p) {
    const Extended h[3] = {1e-7L, 1e-6L, 1e-5L};
    p[0] = x;
    for (int i = 0; i < 3; ++i) {
        p[1 + 2 * i] = x + h[i];
        p[2 + 2 * i] = x - h[i];
    }
    p[7] = x + 2 * h[2];
    p[8] = x - 2 * h[2];
}

using Ableitung_aus_Quelle = Extended (*)(Punktquelle&, Extended, Extended, bool&);
std::optional<Extended> Ableitungswert(Ableitung_aus_Quelle routine, Punktquelle& F, Extended x, Extended h) {
    bool ok;
    Extended v = routine(F, x, h, ok);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace

std::vector<Grenzwertzeile> Grenzwerttabelle_berechnen(const std::string& term, Extended t, Extended a) {
    constexpr int Zeilen = 10;
    constexpr size_t Punkte_je_Zeile = 5;   // a, a ± h, a ± 2h: what the three formulas ask first
    Extended h[Zeilen];
    h[0] = 0.1L;
    for (int i = 1; i < Zeilen; ++i) h[i] = h[i - 1] / 10;
    const bool reihe = !Einzeln_auswerten(term);
    std::vector<Extended> punkte;
    Reihenwerte w;
    if (reihe) {
        for (Extended s : h)
            for (Extended p : {a, a + s, a - s, a + 2 * s, a - 2 * s}) punkte.push_back(p);
        w.auswerten(term, punkte, t);
    }
    std::vector<Grenzwertzeile> zeilen;
    for (int i = 0; i < Zeilen; ++i) {
        Punktquelle F(term, t);
        const size_t k = Punkte_je_Zeile * size_t(i);
        if (reihe) F.vorrat(&punkte[k], &w.y[k], &w.marken[k], Punkte_je_Zeile);
        Grenzwertzeile z;
        z.f1 = Ableitungswert(Ableitung_1, F, a, h[i]);
        z.f2 = Ableitungswert(Ableitung_2, F, a, h[i]);
        z.f3 = Ableitungswert(Ableitung_3, F, a, h[i]);
        zeilen.push_back(z);
    }
    return zeilen;
}

std::vector<Wertezeile> Wertetabelle_berechnen(const std::string& f, const std::string& g,
                                               const std::string& h, Extended t, Extended a,
                                               Extended b, Extended dx, Extended u, int F_zeilen,
                                               Extended F_toleranz) {
    std::vector<Extended> xs;
    for (int r = 1; r <= Wertezeilen_hoechstens; ++r) {
        const Extended x = a + (r - 1) * dx;
        if (x >= b + 1e-10L) break;
        xs.push_back(x);
    }
    const size_t n = xs.size();
    // f, g and h over all rows and the derivatives' points of f, each as one batch,
    // unless a term is to be taken point by point in the rows' order.
    const bool reihe = !Einzeln_auswerten(f) && !Einzeln_auswerten(g) && !Einzeln_auswerten(h);
    Reihenwerte wf, wg, wh, wp;
    std::vector<Extended> punkte(reihe ? Zeilenpunkte * n : 0);
    if (reihe) {
        wf.auswerten(f, xs, t);
        wg.auswerten(g, xs, t);
        wh.auswerten(h, xs, t);
        for (size_t r = 0; r < n; ++r) Zeilenpunkte_setzen(xs[r], &punkte[Zeilenpunkte * r]);
        wp.auswerten(f, punkte, t);
    }
    auto wert = [&](const std::string& term, const Reihenwerte& w, size_t r) -> std::optional<Extended> {
        Extended y;
        if (reihe) {
            if (!w.ok(r)) return std::nullopt;
            return w.y[r];
        }
        if (!Wert(term, xs[r], t, y)) return std::nullopt;
        return y;
    };
    std::vector<Wertezeile> zeilen;
    for (size_t r = 0; r < n; ++r) {
        Wertezeile z;
        z.x = xs[r];
        z.f = wert(f, wf, r);
        z.g = wert(g, wg, r);
        z.h = wert(h, wh, r);
        Punktquelle F(f, t);
        if (reihe) F.vorrat(&punkte[Zeilenpunkte * r], &wp.y[Zeilenpunkte * r], &wp.marken[Zeilenpunkte * r], Zeilenpunkte);
        z.f1 = Ableitungswert(Ableitung_1, F, z.x, 1e-7L);
        z.f2 = Ableitungswert(Ableitung_2, F, z.x, 1e-6L);
        z.f3 = Ableitungswert(Ableitung_3, F, z.x, 1e-5L);
        if (z.f) z.kr = Kruemmung_aus(F, z.x);
        if (int(r) + 1 <= F_zeilen) {
            bool ok;
            Extended I = Simpson_verdoppeln(f, t, u, z.x, F_toleranz, ok);
            if (ok) z.F = I;
        }
        zeilen.push_back(z);
    }
    return zeilen;
}

Extended Auf_Stellen_runden(Extended x, int D) {
    const Extended p = std::pow(10.0L, Extended(D));
    const Extended r = std::nearbyint(x * p) / p;
    return std::isfinite(r) ? r : x;
}

std::string Intervall_als_Text(Extended a, Extended b) {
    return "[" + Zahl_allgemein(Auf_Stellen_runden(a, 5)) + " ; " + Zahl_allgemein(Auf_Stellen_runden(b, 5)) + "]";
}

std::string Volumen_als_Text(Extended v, bool fix, int P, int D) {
    return Zahl_formatieren(fix, P, D, v) + "*pi = " + Zahl_formatieren(fix, P, D, v * std::numbers::pi_v<Extended>);
}
