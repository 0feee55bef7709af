// Interpolation polynomial, natural cubic spline and transition cubic through the table.
#include "stats/UInterpolation.h"
#include "platform/Dialoge.h"

#include <cmath>

namespace {

constexpr const char* Meldung_gleiche_x =
    "Gleiche x-Werte: das Gleichungssystem hat keine eindeutige Lösung !\rDie Terme bleiben unverändert.";

// Reads A column by column from column 3 as the matrix operations do.
bool Matrix_A_lesen(const TTabelle& T, Matrix& A, int& m, int& q) {
    TWerteliste w{};
    m = Spalte_einlesen(T, 3, w);
    if (m == 0) {
        Dialog().Meldung("Keine Daten !");
        return false;
    }
    if (m > Matrix_Zeilen_hoechstens) {
        Dialog().Meldung(std::to_string(m) + " Zeilen,1 Spalte(n), aber höchstens 44 Zeilen erlaubt !");
        return false;
    }
    A = Matrix{};
    q = 0;
    for (int s = 3; s <= Letzte_Spalte && q < Matrix_Spalten_hoechstens; ++s) {
        const int k = Spalte_einlesen(T, s, w);
        if (k == 0) break;
        if (k != m) {
            Dialog().Meldung("Spalten " + std::to_string(s - 1) + " und " + std::to_string(s) +
                             " unterschiedlich lang bzw. falsche Daten!");
            return false;
        }
        ++q;
        for (int i = 1; i <= m; ++i) A[size_t(i)][size_t(q)] = w[size_t(i - 1)];
    }
    return true;
}

bool Links_Einheit(const Matrix& C, int unbekannte) {
    for (int i = 1; i <= unbekannte; ++i)
        for (int j = 1; j <= unbekannte; ++j)
            if (C[size_t(i)][size_t(j)] != (i == j ? 1 : 0)) return false;
    return true;
}

void Zelle(TTabelle& T, int spalte, int zeile, Extended x) { T.Zelle(spalte, zeile) = Zahl_allgemein(x); }

// Solves the system standing in the table; false (with the message) unless its
// unknowns are determined. The points go back into columns 1 and 2 either way.
bool System_loesen(TTabelle& T, const TPunktliste& punkte, int n, int unbekannte, Matrix& C) {
    T.Melden(TTabellenaenderung::Inhalt);
    int m = 0, q = 0;
    const bool gelesen = Tabelle_rref(T, C, m, q);
    Punkte_ausgeben(T, 1, punkte, n);
    if (!gelesen) return false;
    if (q != unbekannte + 1 || m < unbekannte || !Links_Einheit(C, unbekannte)) {
        Dialog().Meldung(Meldung_gleiche_x);
        return false;
    }
    for (int i = 1; i <= unbekannte; ++i)
        if (!std::isfinite(C[size_t(i)][size_t(q)])) {
            Dialog().Meldung(Meldung_gleiche_x);
            return false;
        }
    return true;
}

std::string Text(const std::array<Extended, 43>& c, int grad, const TTermformat& f, bool volle_stellen) {
    std::string s = volle_stellen ? Polynom_als_Text(c, grad, f.fix, 18, 15, f.bruch)
                                  : Polynom_als_Text(c, grad, f.fix, f.P, f.D, f.bruch);
    return s.empty() ? "0" : s;
}

}  // namespace

bool Tabelle_rref(TTabelle& T, Matrix& C, int& m, int& q) {
    if (!Matrix_A_lesen(T, C, m, q)) return false;
    for (int r = m + 1; r <= Letzte_Zeile; ++r) Zeile_leeren(T, r);
    Spalte_leeren(T, 2);
    for (int j = 1; j < q; ++j) T.Zelle(j + 2, 0) = "     \u2022x" + std::to_string(j);
    T.Zelle(q + 2, 0) = "     \u00B71";
    T.Zelle(3, m + 1) = "rref(A)";
    Matrix_rref(C, m, q);
    for (int i = 1; i <= m && m + 1 + i <= Letzte_Zeile; ++i)
        for (int j = 1; j <= q; ++j) Zelle(T, j + 2, m + 1 + i, C[size_t(i)][size_t(j)]);
    T.Melden(TTabellenaenderung::Inhalt);
    return true;
}

TPolynomergebnis Interpolation_berechnen(TTabelle& T, const TTermformat& f) {
    TPolynomergebnis e;
    TPunktliste p{};
    const int n = Punkte_einlesen(T, 1, p);
    if (n < 2) { Dialog().Meldung("Mindestens 2 Punkte erforderlich !"); return e; }
    if (n > 30) { Dialog().Meldung("Höchstens 30 Punkte erlaubt !"); return e; }
    Tabelle_leeren(T);
    for (int r = 1; r <= n; ++r) {
        Extended potenz = 1;
        for (int k = 0; k < n; ++k) {
            Zelle(T, 3 + k, r, potenz);
            potenz *= p[size_t(r - 1)].x;
        }
        Zelle(T, n + 3, r, p[size_t(r - 1)].y);
    }
    Matrix C{};
    if (!System_loesen(T, p, n, n, C)) return e;
    TPolynomstueck s;
    for (int k = 0; k < n; ++k) s.c[size_t(k)] = C[size_t(k + 1)][size_t(n + 1)];
    s.Term = Text(s.c, n - 1, f, true);
    e.Stuecke.push_back(s);
    e.ok = true;
    return e;
}

namespace {

// Row r of the spline system: the cubic's row entries for piece k at x, scaled by sign.
void Stueckzeile(TTabelle& T, int r, int k, Extended x, int ableitung, Extended vorzeichen) {
    const int s = 4 * k - 1;
    Extended w[4];
    if (ableitung == 0) { w[0] = x * x * x; w[1] = x * x; w[2] = x; w[3] = 1; }
    else if (ableitung == 1) { w[0] = 3 * x * x; w[1] = 2 * x; w[2] = 1; w[3] = 0; }
    else { w[0] = 6 * x; w[1] = 2; w[2] = 0; w[3] = 0; }
    for (int i = 0; i < 4; ++i) Zelle(T, s + i, r, vorzeichen * w[i]);
}

}  // namespace

TPolynomergebnis Spline_berechnen(TTabelle& T, const TTermformat& f) {
    TPolynomergebnis e;
    TPunktliste p{};
    const int n = Punkte_einlesen(T, 1, p);
    if (n < 3) { Dialog().Meldung("Mindestens 3 Punkte erforderlich !"); return e; }
    if (n > 11) { Dialog().Meldung("Höchstens 11 Punkte erlaubt !"); return e; }
    const int m = n - 1, rechts = 4 * m + 3;
    auto x = [&](int i) { return p[size_t(i - 1)].x; };
    auto y = [&](int i) { return p[size_t(i - 1)].y; };
    Tabelle_leeren(T);
    for (int r = 1; r <= 4 * m; ++r)
        for (int s = 3; s <= rechts; ++s) T.Zelle(s, r) = "0";
    for (int k = 1; k <= m; ++k) { Stueckzeile(T, k, k, x(k), 0, 1); Zelle(T, rechts, k, y(k)); }
    Stueckzeile(T, m + 1, m, x(n), 0, 1);
    Zelle(T, rechts, m + 1, y(n));
    for (int k = 1; k <= m - 1; ++k) {
        Stueckzeile(T, m + 1 + k, k, x(k + 1), 0, 1);
        Zelle(T, rechts, m + 1 + k, y(k + 1));
        Stueckzeile(T, 2 * m + k, k, x(k + 1), 1, 1);
        Stueckzeile(T, 2 * m + k, k + 1, x(k + 1), 1, -1);
        Stueckzeile(T, 3 * m - 1 + k, k, x(k + 1), 2, 1);
        Stueckzeile(T, 3 * m - 1 + k, k + 1, x(k + 1), 2, -1);
    }
    Zelle(T, 3, 4 * m - 1, 6 * x(1));
    Zelle(T, 4, 4 * m - 1, 2);
    Zelle(T, 4 * m - 1, 4 * m, 6 * x(n));
    Zelle(T, 4 * m, 4 * m, 2);
    Matrix C{};
    if (!System_loesen(T, p, n, 4 * m, C)) return e;
    for (int k = 1; k <= std::min(m, 3); ++k) {
        TPolynomstueck s;
        for (int i = 0; i < 4; ++i) s.c[size_t(3 - i)] = C[size_t(4 * k - 3 + i)][size_t(4 * m + 1)];
        s.Term = Text(s.c, 3, f, false);
        s.von = T.Zelle(1, k);
        s.bis = T.Zelle(1, k + 1);
        e.Stuecke.push_back(s);
    }
    e.ok = true;
    return e;
}

namespace {

// Anything in the table besides the four points of columns 1 and 2.
bool Weitere_Daten(const TTabelle& T) {
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int s = r <= 4 ? 3 : 1; s <= Letzte_Spalte; ++s)
            if (!T.Zelle(s, r).empty()) return true;
    return false;
}

}  // namespace

TPolynomergebnis Trassierung_berechnen(TTabelle& T, const TTermformat& f) {
    TPolynomergebnis e;
    TPunktliste p{};
    const int n = Punkte_einlesen(T, 1, p);
    if (n != 4) { Dialog().Meldung("Genau 4 Punkte erforderlich !"); return e; }
    const TPunkt P1 = p[0], P2 = p[1], P3 = p[2], P4 = p[3];
    if (P2.x == P1.x || P4.x == P3.x) {
        Dialog().Meldung(Meldung_gleiche_x);
        return e;
    }
    if (Weitere_Daten(T) &&
        !Dialog().Frage("Die Tabelle wird für das Gleichungssystem geleert (nur die 4 Punkte bleiben).\r"
                        "Fortfahren ?"))
        return e;
    const Extended m1 = (P2.y - P1.y) / (P2.x - P1.x), m2 = (P4.y - P3.y) / (P4.x - P3.x);
    Tabelle_leeren(T);
    const Extended zeilen[4][5] = {
        {P2.x * P2.x * P2.x, P2.x * P2.x, P2.x, 1, P2.y},
        {P3.x * P3.x * P3.x, P3.x * P3.x, P3.x, 1, P3.y},
        {3 * P2.x * P2.x, 2 * P2.x, 1, 0, m1},
        {3 * P3.x * P3.x, 2 * P3.x, 1, 0, m2},
    };
    for (int r = 0; r < 4; ++r)
        for (int s = 0; s < 5; ++s) Zelle(T, 3 + s, r + 1, zeilen[r][s]);
    Matrix C{};
    if (!System_loesen(T, p, n, 4, C)) return e;
    TPolynomstueck s;
    for (int i = 0; i < 4; ++i) s.c[size_t(3 - i)] = C[size_t(i + 1)][5];
    s.Term = Text(s.c, 3, f, true);
    s.von = T.Zelle(1, 2);
    s.bis = T.Zelle(1, 3);
    e.Stuecke.push_back(s);
    e.ok = true;
    return e;
}
