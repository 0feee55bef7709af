#include "numeric/UFolgen.h"

#include "graphics/U_KOS.h"

#include <algorithm>
#include <cmath>

namespace {

struct Wert {
    Extended y;
    bool ok;
};

Wert Auswerten(const std::string& term, Extended x, Extended k) {
    const Extended y = Term_auswerten(term, x, k);
    return {y, !Parser.Term_Fehler && std::isfinite(y)};
}

constexpr uint8_t Fehlermarke = Marke_Fehler;

// One term at many points as one batch, one flag byte per point (Marke_*).
void Reihe_auswerten(const std::string& term, std::span<const Extended> x, std::span<const Extended> t,
                     std::span<Extended> y, std::span<uint8_t> marken) {
    Term_auswerten_Reihe(term, x, t, y, marken);
}

}  // namespace

Folge Folge_berechnen(const Folgenvorgabe& v) {
    const int tiefe = (v.Tiefe >= Tiefe_min && v.Tiefe <= Tiefe_max) ? v.Tiefe : Tiefe_Standard;
    const int N = tiefe + 1;
    Folge f;
    f.Glieder.resize(size_t(N));
    f.gueltig.assign(size_t(N), true);
    // n0 may be any 32-bit integer: the index is counted in extended so it never wraps.
    for (int i = 0; i < N; ++i) f.Glieder[size_t(i)].x = Extended(v.n0) + i;

    auto abbrechen = [&](int i) {
        f.Abbruch = i;
        for (int j = i; j < N; ++j) {
            f.Glieder[size_t(j)].y = Fehlerwert;
            f.gueltig[size_t(j)] = false;
        }
    };
    auto& y = f.Glieder;
    switch (v.Art) {
    case Folgenart::explizit:
        for (int i = 0; i < N; ++i) {
            const Wert w = Auswerten(v.Term, 0, y[size_t(i)].x);
            y[size_t(i)].y = w.ok ? w.y : Fehlerwert;
            f.gueltig[size_t(i)] = w.ok;
        }
        break;
    case Folgenart::rekursiv:
        y[0].y = v.x_n0;
        for (int i = 1; i < N; ++i) {
            const Wert w = Auswerten(v.Term, y[size_t(i - 1)].y, v.t1);
            if (!w.ok) { abbrechen(i); break; }
            y[size_t(i)].y = w.y;
        }
        break;
    case Folgenart::zweistufig:
        y[0].y = v.x_n0;
        y[1].y = v.y_n1;
        for (int i = 2; i < N; ++i) {
            const Wert w = Auswerten(v.Term, y[size_t(i - 2)].y, y[size_t(i - 1)].y);
            if (!w.ok) { abbrechen(i); break; }
            y[size_t(i)].y = w.y;
        }
        break;
    }
    return f;
}

Grenzwertbefund Grenzwert_suchen(std::span<const Extended> y) {
    Grenzwertbefund b;
    const int N = int(y.size());
    if (N < 2) return b;
    auto Y = [&](int n) { return y[size_t(n - 1)]; };   // y(1) .. y(N) as written
    if (std::abs(Y(N) - Y(N - 1)) < 0.0001L) {
        b.Art = Befundart::Grenzwert;
        b.Grenzwert = Y(N);
        return b;
    }
    for (int p = 2; p <= 64 && p < N; p *= 2) {
        const Extended toleranz = p <= 16 ? 0.001L : (p == 32 ? 0.03L : 0.07L);
        if (std::abs(Y(N) - Y(N - p)) < toleranz) {
            b.Art = Befundart::Haeufungswerte;
            b.Periode = p;
            for (int j = 1; j <= p; ++j) b.Werte.push_back(Y(N - j));
            return b;
        }
    }
    return b;
}

std::vector<uint8_t> Bifurkation_berechnen(const std::string& g, Extended x0, int iterationen,
                                           int breite, int hoehe) {
    std::vector<uint8_t> pixel(size_t(std::max(breite, 0)) * size_t(std::max(hoehe, 0)), 0);
    if (breite <= 0 || hoehe <= 0) return pixel;
    const int einschwingen = (3 * iterationen) / 4;
    const size_t n = size_t(breite);
    std::vector<Extended> x(n, x0), k(n), y(n);
    std::vector<uint8_t> marken(n);
    for (int c = 0; c < breite; ++c) k[size_t(c)] = Pixel_zu_x(breite, c);
    for (int i = 1; i <= iterationen; ++i) {
        Reihe_auswerten(g, x, k, y, marken);
        x.swap(y);
        if (i <= einschwingen) continue;
        for (int c = 0; c < breite; ++c) {
            if (marken[size_t(c)] & Fehlermarke) continue;
            const int zeile = y_zu_Pixel(hoehe, x[size_t(c)]);
            if (zeile >= 0 && zeile < hoehe) pixel[size_t(zeile) * n + size_t(c)] = 1;
        }
    }
    return pixel;
}

std::vector<Extended> Kurvenparameter(Extended k1, Extended k2, Extended dt, bool& gekappt,
                                      long long hoechstens) {
    std::vector<Extended> ts;
    gekappt = false;
    Extended t = k1;
    do {
        if (static_cast<long long>(ts.size()) >= std::max(hoechstens, 1LL)) {
            gekappt = true;
            break;
        }
        ts.push_back(t);
        t += dt;
    } while (t <= k2 && dt > 0);
    return ts;
}

Kurvenpunkte Kurve_abtasten(const Kurvenvorgabe& v, Extended f, std::span<const Extended> ts) {
    const size_t n = ts.size();
    Kurvenpunkte k;
    k.Punkte.resize(n);
    k.ok.assign(n, 0);
    std::vector<Extended> xs(n, f), a(n), b(n);
    std::vector<uint8_t> ma(n), mb(n);
    Reihe_auswerten(v.xTerm, xs, ts, a, ma);
    if (!v.polar) Reihe_auswerten(v.yTerm, xs, ts, b, mb);
    for (size_t i = 0; i < n; ++i) {
        if ((ma[i] & Fehlermarke) || !std::isfinite(a[i])) continue;
        TPunkt p{a[i], b[i]};
        if (v.polar) {
            p = {a[i] * std::cos(ts[i]), a[i] * std::sin(ts[i])};
        } else if ((mb[i] & Fehlermarke) || !std::isfinite(b[i])) {
            continue;
        }
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        k.Punkte[i] = p;
        k.ok[i] = 1;
    }
    return k;
}

std::vector<Kurvenzeile> Kurventabelle(const Kurvenvorgabe& v, Extended f) {
    std::vector<Kurvenzeile> zeilen;
    constexpr int Zeilen_max = 1500;
    for (Extended t = v.k1; t < v.k2 && int(zeilen.size()) < Zeilen_max; t += v.dt) {
        Kurvenzeile z;
        z.t = t;
        const Wert a = Auswerten(v.xTerm, f, t);
        z.a = a.y;
        z.a_ok = a.ok;
        if (!v.polar) {
            const Wert b = Auswerten(v.yTerm, f, t);
            z.b = b.y;
            z.b_ok = b.ok;
        }
        zeilen.push_back(z);
    }
    return zeilen;
}
