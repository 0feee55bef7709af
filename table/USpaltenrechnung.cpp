// Column computations of the statistics window; declared in table/USpaltenrechnung.h.
#include "table/USpaltenrechnung.h"

#include "numeric/UKonstruktionen.h"

#include <cmath>
#include <functional>

namespace {

constexpr const char* Ueberlauf = "Das Ergebnis übersteigt den Zahlenbereich (Überlauf) !";
constexpr const char* Eingabefehler = "Eingabefehler !";

bool Datenspalte(int spalte) { return spalte >= 1 && spalte <= Letzte_Spalte; }

// The neighbour v of a column u; a message when u is the last column.
bool Nachbar_da(int spalte, std::string& meldung) {
    if (spalte < Letzte_Spalte) return true;
    meldung = "Der zweite Vektor steht rechts neben dem ersten: in Spalte 43 ist dafür kein Platz !";
    return false;
}

// Replaces the n numbers of a column by f(value), after checking every new value.
std::string Spalte_abbilden(TTabelle& T, int spalte, const std::function<Extended(Extended)>& f) {
    TWerteliste werte;
    const int n = Spalte_einlesen(T, spalte, werte);
    for (int i = 0; i < n; ++i) {
        werte[size_t(i)] = f(werte[size_t(i)]);
        if (!std::isfinite(werte[size_t(i)])) return Ueberlauf;
    }
    for (int i = 0; i < n; ++i) T.Zelle(spalte, i + 1) = Zahl_allgemein(werte[size_t(i)]);
    if (n > 0) T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

}  // namespace

Extended Skalarprodukt(const Extended* u, const Extended* v, int n) {
    Extended s = 0;
    for (int i = 0; i < n; ++i) s += u[i] * v[i];
    return s;
}

void Vektorprodukt(const Extended u[3], const Extended v[3], Extended w[3]) {
    w[0] = u[1] * v[2] - u[2] * v[1];
    w[1] = u[2] * v[0] - u[0] * v[2];
    w[2] = u[0] * v[1] - u[1] * v[0];
}

int Spaltensumme_schreiben(TTabelle& T, int spalte, std::string& meldung) {
    meldung.clear();
    if (!Datenspalte(spalte)) return 0;
    Extended summe = 0;
    int zeile = 1;
    if (!Spalte_summieren(T, spalte, summe, zeile)) {
        meldung = Ueberlauf;
        return 0;
    }
    if (zeile == 1) return 0;
    const int ziel = zeile > Letzte_Zeile ? 0 : zeile;   // through row 1500: into the header
    T.Zelle(spalte, ziel) = "S=" + Zahl_allgemein(summe);
    T.Melden(TTabellenaenderung::Inhalt);
    return zeile;
}

std::string Skalarprodukt_schreiben(TTabelle& T, int spalte) {
    if (!Datenspalte(spalte)) return {};
    TWerteliste u, v;
    const int n = Spalte_einlesen(T, spalte, u);
    if (n == 0) return {};
    std::string meldung;
    if (!Nachbar_da(spalte, meldung)) return meldung;
    if (Spalte_einlesen(T, spalte + 1, v) != n) return "Spalten haben unterschiedlich viele Elemene !";
    if (n >= Letzte_Zeile) return "Die Vektoren reichen bis Zeile 1500: für das Skalarprodukt ist kein Platz !";
    const Extended s = Skalarprodukt(u.data(), v.data(), n);
    if (!std::isfinite(s)) return Ueberlauf;
    T.Zelle(spalte, n + 1) = "Skalarpr=";
    T.Zelle(spalte + 1, n + 1) = Zahl_allgemein(s);
    T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

std::string Vektorprodukt_schreiben(TTabelle& T, int spalte) {
    if (!Datenspalte(spalte)) return {};
    TWerteliste u, v;
    const int n = Spalte_einlesen(T, spalte, u);
    if (n == 0) return {};
    if (n != 3) return "1. Vektor muss genau 3 Elemene besitzen !";
    std::string meldung;
    if (!Nachbar_da(spalte, meldung)) return meldung;
    if (Spalte_einlesen(T, spalte + 1, v) != 3) return "2. Vektor muss genau 3 Elemene besitzen !";
    Extended w[3];
    Vektorprodukt(u.data(), v.data(), w);
    for (Extended x : w)
        if (!std::isfinite(x)) return Ueberlauf;
    T.Zelle(spalte, 4) = "Vektorpr:";
    for (int i = 0; i < 3; ++i) T.Zelle(spalte + 1, 4 + i) = Zahl_allgemein(w[i]);
    T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

std::string Spalte_plus_r(TTabelle& T, int spalte, Extended r) {
    if (!Datenspalte(spalte)) return {};
    return Spalte_abbilden(T, spalte, [r](Extended x) { return x + r; });
}

std::string Spalte_mal_r(TTabelle& T, int spalte, Extended r) {
    if (!Datenspalte(spalte)) return {};
    return Spalte_abbilden(T, spalte, [r](Extended x) { return x * r; });
}

std::string Spalte_durch_Spalte1(TTabelle& T, int spalte) {
    if (!Datenspalte(spalte)) return {};
    TWerteliste nenner, werte;
    const int n = Spalte_einlesen(T, 1, nenner);
    if (n == 0 || Spalte_einlesen(T, spalte, werte) != n) return {};
    for (int i = 0; i < n; ++i)
        if (nenner[size_t(i)] != 0 && !std::isfinite(werte[size_t(i)] / nenner[size_t(i)])) return Ueberlauf;
    for (int i = 0; i < n; ++i)
        if (nenner[size_t(i)] != 0) T.Zelle(spalte, i + 1) = Zahl_allgemein(werte[size_t(i)] / nenner[size_t(i)]);
    T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

std::string Binomialtabelle_schreiben(TTabelle& T, int n, Extended p) {
    if (!(p >= 0 && p <= 1) || n >= Letzte_Zeile) return Eingabefehler;
    if (n < 0) return {};
    for (int k = 0; k <= n; ++k) {
        T.Zelle(1, k + 1) = std::to_string(k);
        T.Zelle(2, k + 1) = Zahl_allgemein(Binomial_Wahrscheinlichkeit(n, k, p));
    }
    T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

std::string Lehmerzahlen_schreiben(TTabelle& T, int32_t x0, int32_t a, int32_t c, int32_t m) {
    if (m == 0) return Eingabefehler;
    int32_t x = x0;
    T.Zelle(1, 1) = std::to_string(x);
    for (int i = 1; i <= Letzte_Zeile; ++i) {
        x = Lehmer_Schritt(x, a, c, m);
        if (i < Letzte_Zeile) T.Zelle(1, i + 1) = std::to_string(x);
        T.Zelle(2, i) = std::to_string(x);
    }
    T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

bool Punkt_aus_Zeile(const TTabelle& T, int zeile, TPunkt& P, std::string& meldung) {
    Extended* ziel[2] = {&P.x, &P.y};
    for (int spalte = 1; spalte <= 2; ++spalte) {
        int fehler = 0;
        if (!Zelle_auswerten(T.Zelle(spalte, zeile), *ziel[spalte - 1], fehler)) {
            meldung = "Zelle in Spalte " + std::to_string(spalte) + ", Zeile " + std::to_string(zeile) +
                      " enthält keine Zahl: «" + T.Zelle(spalte, zeile) + "»";
            return false;
        }
    }
    return true;
}
