// Definite integrals and arc length; declared in numeric/UMatheTools.h.
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "numeric/UReihenwerte.h"
#include "platform/Dialoge.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

Integrationszustand Integration;

uint8_t Integrationsmethode_aus_Auswahl(int eintrag) {
    return eintrag == 1 || eintrag == 2 ? Methode_Romberg : Methode_Gauss_Kronrod;
}

namespace {

// Points per batch of the sums: long sums go in runs of this many.
constexpr int64_t Lauflaenge = 1024, Kurzer_Lauf = 4;

struct Integrand {
    const std::string& term;
    Extended t;
    bool ok = true;
    const bool einzeln = Einzeln_auswerten(term);   // random numbers: the single calls' order
    // Points the caller evaluated ahead; a point it does not hold is evaluated singly.
    Punktquelle* quelle = nullptr;
    std::vector<Extended> xs{};
    Reihenwerte w{};

    // F(x); after the first failure every further value is 0 and ok stays false.
    Extended operator()(Extended x) {
        if (!ok) return 0;
        Extended y;
        if (quelle) {
            ok = (*quelle)(x, y);
            return ok ? y : 0;
        }
        y = Term_auswerten(term, x, t);
        if (Parser.Term_Fehler) {
            ok = false;
            return 0;
        }
        return y;
    }

    // mit(i, F(punkt(i))) for i = von .. bis - 1 in order, as single calls would give the
    // values, evaluated in batches; stops at the first failure (ok false) or when mit
    // says false.
    template <class Punkt, class Mit>
    void ueber(int64_t von, int64_t bis, Punkt punkt, Mit mit) {
        // A run of a few points costs less as single calls (the values are the same).
        if (einzeln || bis - von < Kurzer_Lauf) {
            for (int64_t i = von; i < bis && ok; ++i) {
                const Extended y = (*this)(punkt(i));
                if (!ok || !mit(i, y)) return;
            }
            return;
        }
        for (int64_t anfang = von; anfang < bis && ok; anfang += Lauflaenge) {
            const int64_t ende = std::min(bis, anfang + Lauflaenge);
            xs.clear();
            for (int64_t i = anfang; i < ende; ++i) xs.push_back(punkt(i));
            w.auswerten(term, xs, t);
            for (int64_t i = anfang; i < ende; ++i) {
                const size_t j = size_t(i - anfang);
                if (!w.ok(j)) {
                    ok = false;
                    return;
                }
                if (!mit(i, w.y[j])) return;
            }
        }
    }
};

// Orders the limits and records the swap in the unit state.
void Grenzen_ordnen(Extended a, Extended b, Extended& lo, Extended& hi) {
    Integration.Grenzen_vertauscht = a > b;
    lo = a > b ? b : a;
    hi = a > b ? a : b;
}

Extended Orientiert(Extended v) { return Integration.Grenzen_vertauscht ? -v : v; }

// An integral that cancels to rounding noise (sin over a full period) never meets
// a relative test. Once the doubling is past its first steps, a change below this
// share of the integral of |f| counts as converged.
constexpr Extended Rauschanteil = 1e-15L;
constexpr int64_t Rauschtest_ab = 16;

// The single panel has no predecessor: its comparison with the start value 0 would
// accept a sum that vanishes by accident (x²-x over [0; 1]) as the integral.
bool Verdopplung_fertig(Extended r, Extended neu, Extended vorher, Extended betrag, int64_t n) {
    if (n < 2) return false;
    Extended diff = std::fabs(vorher - neu);
    if (std::fabs(r * neu) >= diff) return true;
    return n >= Rauschtest_ab && betrag > 0 && diff <= Rauschanteil * betrag;
}

Extended Fehlschlag(bool& ok) {
    ok = false;
    return 0;
}

}  // namespace

namespace {

Extended Trapez_verdoppeln(Integrand& F, Extended a, Extended b, Extended r, bool& ok, int32_t n_hoechstens) {
    ok = true;
    Extended lo, hi;
    Grenzen_ordnen(a, b, lo, hi);
    if (a == b) return 0;
    Extended f_lo = F(lo), f_hi = F(hi);
    if (!F.ok) return Fehlschlag(ok);
    Extended E = f_lo + f_hi, E_betrag = std::fabs(f_lo) + std::fabs(f_hi), vorher = 0;
    for (int64_t n = 1;; n *= 2) {
        if (n > n_hoechstens) return Fehlschlag(ok);
        Extended H = (hi - lo) / n, S = 0, S_betrag = 0;
        F.ueber(1, n, [&](int64_t i) { return lo + i * H; }, [&](int64_t, Extended y) {
            S += y;
            S_betrag += std::fabs(y);
            return true;
        });
        if (!F.ok) return Fehlschlag(ok);
        Extended T = H * (E / 2 + S);
        if (!std::isfinite(T)) return Fehlschlag(ok);
        if (Verdopplung_fertig(r, T, vorher, H * (E_betrag / 2 + S_betrag), n)) return Orientiert(T);
        vorher = T;
    }
}

}  // namespace

Extended Trapez_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok,
                           int32_t n_hoechstens) {
    Integrand F{term, t};
    return Trapez_verdoppeln(F, a, b, r, ok, n_hoechstens);
}

Extended Trapez_verdoppeln(Punktquelle& quelle, Extended a, Extended b, Extended r, bool& ok, int32_t n_hoechstens,
                           bool einzeln) {
    Integrand F{quelle.term(), quelle.t(), true, einzeln, &quelle};
    return Trapez_verdoppeln(F, a, b, r, ok, n_hoechstens);
}

Extended Trapez_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok) {
    return Trapez_verdoppeln(term, t, a, b, r, ok, Verdopplung_Grenze);
}

Extended Simpson_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok,
                            int32_t n_hoechstens) {
    ok = true;
    Extended lo, hi;
    Grenzen_ordnen(a, b, lo, hi);
    if (a == b) return 0;
    Integrand F{term, t};
    Extended f_lo = F(lo), f_hi = F(hi);
    if (!F.ok) return Fehlschlag(ok);
    // A holds the trapezoid weights of all points so far; only new midpoints are evaluated.
    Extended A = (f_lo + f_hi) / 2, A_betrag = (std::fabs(f_lo) + std::fabs(f_hi)) / 2, vorher = 0;
    for (int64_t n = 1;; n *= 2) {
        if (n > n_hoechstens) return Fehlschlag(ok);
        Extended H = (hi - lo) / n, M = 0, M_betrag = 0;
        F.ueber(1, n + 1, [&](int64_t i) { return lo + (i - 0.5L) * H; }, [&](int64_t, Extended y) {
            M += y;
            M_betrag += std::fabs(y);
            return true;
        });
        if (!F.ok) return Fehlschlag(ok);
        A += M;
        A_betrag += M_betrag;
        Extended S = H * (M + A) / 3;
        if (!std::isfinite(S)) return Fehlschlag(ok);
        if (Verdopplung_fertig(r, S, vorher, H * (M_betrag + A_betrag) / 3, n)) return Orientiert(S);
        vorher = S;
    }
}

Extended Simpson_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok) {
    return Simpson_verdoppeln(term, t, a, b, r, ok, Verdopplung_Grenze);
}

namespace {

struct Kronrod {
    Integrand F;
    Extended tol;
    int32_t stuecke = 0;

    // The 2-point Gauss value G and the 5-point Kronrod value K over [u; v].
    bool werte(Extended u, Extended v, Extended& G, Extended& K) {
        static const Extended g = 1 / std::sqrt(3.0L), k = std::sqrt(6.0L / 7.0L);
        Extended m = (u + v) / 2, d = (v - u) / 2;
        Extended f[5];
        const Extended x[5] = {m - d * g, m + d * g, m - d * k, m + d * k, m};
        int j = 0;
        F.ueber(0, 5, [&](int64_t i) { return x[i]; }, [&](int64_t, Extended y) {
            f[j++] = y;
            return true;
        });
        if (!F.ok) return false;
        const Extended g1 = f[0], g2 = f[1], k1 = f[2], k2 = f[3], fm = f[4];
        G = d * (g1 + g2);
        K = d * (98 * (k1 + k2) + 243 * (g1 + g2) + 308 * fm) / 495;
        return true;
    }

    // The integral over [u; v]; bisects until the Gauss and Kronrod values agree and
    // the two halves confirm them. Gives up on pieces that cannot be split any further.
    // `bekannt` carries G and K of this piece when the parent already computed them.
    Extended stueck(Extended u, Extended v, int tiefe, const Extended* bekannt = nullptr) {
        if (!F.ok || ++stuecke > GK_Stuecke_hoechstens) {
            F.ok = false;
            return 0;
        }
        Extended m = (u + v) / 2, G, K;
        if (bekannt) {
            G = bekannt[0];
            K = bekannt[1];
        } else if (!werte(u, v, G, K)) {
            return 0;
        }
        Extended haelften[2][2];
        bool geteilt = false;
        if (std::fabs(K - G) <= tol) {
            // All sample points on one side of a jump let Gauss and Kronrod agree on a
            // wrong value; the halves see the jump from other points.
            if (!werte(u, m, haelften[0][0], haelften[0][1]) || !werte(m, v, haelften[1][0], haelften[1][1]))
                return 0;
            if (std::fabs(K - (haelften[0][1] + haelften[1][1])) <= tol) return K;
            geteilt = true;
        }
        if (tiefe >= GK_Tiefe_hoechstens || !(u < m && m < v)) {
            F.ok = false;
            return 0;
        }
        Extended links = stueck(u, m, tiefe + 1, geteilt ? haelften[0] : nullptr);
        return links + stueck(m, v, tiefe + 1, geteilt ? haelften[1] : nullptr);
    }
};

}  // namespace

Extended Gauss_Kronrod(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok) {
    ok = true;
    Extended lo, hi;
    Grenzen_ordnen(a, b, lo, hi);
    if (a == b) return 0;
    // One tolerance for every piece, not scaled by the piece's width.
    Kronrod gk{Integrand{term, t}, std::fabs(eps) / (hi - lo)};
    Extended I = gk.stueck(lo, hi, 0);
    if (!gk.F.ok || !std::isfinite(I)) return Fehlschlag(ok);
    return Orientiert(I);
}

namespace {

constexpr int Romberg_Stufen = 9;

// Trapezoid sum with n panels, every point evaluated anew.
Extended Trapezsumme(Integrand& F, Extended lo, Extended hi, int n) {
    Extended H = (hi - lo) / n, S;
    if (F.einzeln) {
        S = (F(lo) + F(hi)) / 2;
        for (int i = 1; i < n; ++i) S += F(lo + i * H);
        return H * S;
    }
    // The ends first, then the inner points, one batch; any failure leaves F.ok false.
    Extended rand[2];
    F.ueber(0, 2, [&](int64_t i) { return i == 0 ? lo : hi; }, [&](int64_t i, Extended y) {
        rand[i] = y;
        return true;
    });
    if (!F.ok) return 0;
    S = (rand[0] + rand[1]) / 2;
    F.ueber(1, n, [&](int64_t i) { return lo + int(i) * H; }, [&](int64_t, Extended y) {
        S += y;
        return true;
    });
    return H * S;
}

// Only finite entries are kept, so a failed run hands out what was formed before.
Extended Romberg_rechnen(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok,
                         Romberg_Verlauf& v) {
    ok = true;
    v.Laenge.fill(0);
    v.Genauigkeit_erreicht = true;
    Extended lo, hi;
    Grenzen_ordnen(a, b, lo, hi);
    if (a == b) return 0;
    auto& T = v.T;
    auto eintragen = [&](int j, int m, Extended wert) {
        if (!std::isfinite(wert)) return false;
        T[j][m] = wert;
        v.Laenge[j] = m + 1;
        return true;
    };
    Integrand F{term, t};
    Extended T00 = Trapezsumme(F, lo, hi, 1);
    if (!F.ok || !eintragen(0, 0, T00)) return Fehlschlag(ok);
    int k = 0;
    do {
        ++k;
        Extended T0k = Trapezsumme(F, lo, hi, 1 << k);
        if (!F.ok || !eintragen(0, k, T0k)) return Fehlschlag(ok);
        Extended vier_j = 1;
        for (int j = 1; j <= k; ++j) {
            int m = k - j;
            vier_j *= 4;
            if (!eintragen(j, m, (vier_j * T[j - 1][m + 1] - T[j - 1][m]) / (vier_j - 1))) return Fehlschlag(ok);
        }
        if (std::fabs(T[k][0] - T[k - 1][1]) < std::fabs(eps)) return Orientiert(T[k][0]);
    } while (k < Romberg_Stufen);
    v.Genauigkeit_erreicht = false;
    return Orientiert(T[k][0]);
}

}  // namespace

Extended Romberg(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok) {
    Romberg_Verlauf v;
    return Romberg_rechnen(term, t, a, b, eps, ok, v);
}

Extended Romberg(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok,
                 Romberg_Verlauf& verlauf) {
    return Romberg_rechnen(term, t, a, b, eps, ok, verlauf);
}

namespace {

// One polygon of n chords; false when an evaluation failed or the user cancelled.
bool Polygonlaenge(Integrand& F, Extended lo, Extended hi, int64_t n, Extended& L, bool& abgebrochen) {
    Extended H = (hi - lo) / n, y_vorher = F(lo);
    L = 0;
    F.ueber(1, n + 1, [&](int64_t i) { return i == n ? hi : lo + i * H; }, [&](int64_t i, Extended y) {
        Extended dy = y - y_vorher;
        L += std::sqrt(dy * dy + H * H);
        y_vorher = y;
        if (i < n && Dialog().Escape_gedrueckt() && Dialog().Frage("Wirklich abbrechen?")) {
            abgebrochen = true;
            return false;
        }
        return true;
    });
    if (!F.ok || abgebrochen) return false;
    return std::isfinite(L);
}

}  // namespace

Extended Bogenlaenge_berechnen(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok) {
    ok = true;
    Extended lo, hi;
    Grenzen_ordnen(a, b, lo, hi);
    Dialog().Meldung("Berechnung der Bogenlänge\r\rAbbruch mit <ESC> möglich !");
    Integrand F{term, t};
    Extended vorher = 0, L = 0;
    for (int64_t n = 1;; n *= 2) {
        if (n > Verdopplung_Grenze) {
            Dialog().Meldung("n = " + std::to_string(n) + " ist zu groß ! ");
            return Fehlschlag(ok);
        }
        bool abgebrochen = false;
        if (!Polygonlaenge(F, lo, hi, n, L, abgebrochen)) return Fehlschlag(ok);
        if (std::fabs(r * L) >= std::fabs(vorher - L)) break;
        vorher = L;
    }
    return Orientiert(L);
}
