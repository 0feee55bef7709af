#include "numeric/UWerkzeuge.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::vector<Extended> Nullstellen_suchen(const std::string& term, Extended t, Extended a, Extended b) {
    std::vector<Extended> gefunden;
    const Extended h = (b - a) / 32;
    for (int i = 0; i <= 32; ++i) {
        bool ok;
        Extended x = Nullstelle_Newton(term, t, a + i * h, ok);
        if (ok) gefunden.push_back(x);
    }
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

// One block of the search for one t; false when the table's last row was reached.
bool Block_suchen(const Abtaster& A, Extended a, Extended b, Extended s, int& r_max, int& r_min,
                  int letzte_zeile, Punktsuche& ergebnis) {
    Extended x_prev = a + s, q_prev = 0, q_a = 0;
    bool gueltig = A.q(x_prev, q_prev) && A.q(a, q_a);
    bool steigend = gueltig && q_prev > q_a, fallend = gueltig && !steigend;
    // Bounded by the step count whatever a, b and s are.
    for (int schritt = 0; schritt <= Suchschritte + 1; ++schritt) {
        Extended x = x_prev + s, q;
        if (!A.q(x, q)) {
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
        if (!Wert(term, st.links, t, st.f_links) || !Wert(term, st.rechts, t, st.f_rechts) ||
            !Wert(term, (st.links + st.rechts) / 2, t, st.mitte) ||
            !Streifen_Extreme(term, t, st.links, st.rechts, std::max(k, 1), st.kleinster, st.groesster))
            return Summen{};
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

std::vector<Grenzwertzeile> Grenzwerttabelle_berechnen(const std::string& term, Extended t, Extended a) {
    std::vector<Grenzwertzeile> zeilen;
    Extended h = 0.1L;
    for (int i = 1; i <= 10; ++i) {
        Grenzwertzeile z;
        bool ok;
        Extended v = Ableitung_1(term, t, a, h, ok);
        if (ok) z.f1 = v;
        v = Ableitung_2(term, t, a, h, ok);
        if (ok) z.f2 = v;
        v = Ableitung_3(term, t, a, h, ok);
        if (ok) z.f3 = v;
        zeilen.push_back(z);
        h /= 10;
    }
    return zeilen;
}

std::optional<Extended> Kruemmung_mit_Vorzeichen(const std::string& term, Extended t, Extended x) {
    constexpr Extended h = 1e-5L;
    bool ok;
    Extended f1 = Ableitung_1(term, t, x, h, ok);
    if (!ok) return std::nullopt;
    Extended f2 = Ableitung_2(term, t, x, h, ok);
    if (!ok) return std::nullopt;
    Extended k = f2 / std::pow(1 + f1 * f1, 1.5L);
    if (!std::isfinite(k)) return std::nullopt;
    return k;
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

std::vector<Wertezeile> Wertetabelle_berechnen(const std::string& f, const std::string& g,
                                               const std::string& h, Extended t, Extended a,
                                               Extended b, Extended dx, Extended u, int F_zeilen,
                                               Extended F_toleranz) {
    std::vector<Wertezeile> zeilen;
    auto wert = [t](const std::string& term, Extended x) -> std::optional<Extended> {
        Extended y;
        if (!Wert(term, x, t, y)) return std::nullopt;
        return y;
    };
    auto ableitung = [t, &f](auto routine, Extended x, Extended schritt) -> std::optional<Extended> {
        bool ok;
        Extended v = routine(f, t, x, schritt, ok);
        if (!ok) return std::nullopt;
        return v;
    };
    for (int r = 1; r <= Wertezeilen_hoechstens; ++r) {
        Wertezeile z;
        z.x = a + (r - 1) * dx;
        if (z.x >= b + 1e-10L) break;
        z.f = wert(f, z.x);
        z.g = wert(g, z.x);
        z.h = wert(h, z.x);
        z.f1 = ableitung(Ableitung_1, z.x, 1e-7L);
        z.f2 = ableitung(Ableitung_2, z.x, 1e-6L);
        z.f3 = ableitung(Ableitung_3, z.x, 1e-5L);
        if (z.f) z.kr = Kruemmung_mit_Vorzeichen(f, t, z.x);
        if (r <= F_zeilen) {
            bool ok;
            Extended F = Simpson_verdoppeln(f, t, u, z.x, F_toleranz, ok);
            if (ok) z.F = F;
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
