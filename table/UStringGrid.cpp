#include "table/UStringGrid.h"

#include <cmath>
#include <utility>

TTabelle Tabelle;
TArbeitslisten Arbeitslisten;

namespace {

bool Datenspalte(int spalte) { return spalte >= 1 && spalte <= Letzte_Spalte; }
bool Datenzeile(int zeile) { return zeile >= 1 && zeile <= Letzte_Zeile; }

// Row labels: the header routine writes two trailing blanks, the row routines three.
std::string Zeilenbeschriftung(int zeile, int blanks) {
    return std::to_string(zeile) + std::string(size_t(blanks), ' ');
}

bool Zahl_in(const std::string& text, Extended& x) {
    int fehler = 0;
    return Zelle_auswerten(text, x, fehler);
}

}  // namespace

void Tabellenkoepfe_schreiben(TTabelle& T) {
    T.Zelle(0, 0) = "Ze Nr";
    for (int r = 1; r <= Letzte_Zeile; ++r) T.Zelle(0, r) = Zeilenbeschriftung(r, 2);
    T.Zelle(1, 0) = "  x (Sp1)";
    T.Zelle(2, 0) = "  y (Sp2)";
    T.Zelle(3, 0) = "Matrix A";
    for (int c = 4; c <= Letzte_Spalte; ++c) T.Zelle(c, 0) = "  Sp" + std::to_string(c) + "   ";
    T.Melden(TTabellenaenderung::Inhalt);
}

void Ecke_links_oben_zeigen(TTabelle& T) { T.Melden(TTabellenaenderung::Links_oben); }

void Tabelle_leeren(TTabelle& T) {
    Tabellenkoepfe_schreiben(T);
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c) T.Zelle(c, r).clear();
    T.Melden(TTabellenaenderung::Inhalt);
    Ecke_links_oben_zeigen(T);
}

void Tabelle_einrichten(TTabelle& T) {
    T.Spaltenbreite = 80;
    T.Spaltenbreite_0 = 35;
    T.Zeilenhoehe = 16;
    T.Zeilenhoehe_0 = 17;
    T.Melden(TTabellenaenderung::Einrichtung);
    Tabelle_leeren(T);
    Markierung_aufheben(T);
}

void Markierung_aufheben(TTabelle& T) {
    T.Markierung = TBereich{};
    T.Melden(TTabellenaenderung::Markierung);
}

void Markierung_setzen(TTabelle& T, int spalte1, int zeile1, int spalte2, int zeile2) {
    auto klemmen = [](int v, int hoch) { return v < 1 ? 1 : (v > hoch ? hoch : v); };
    if (spalte1 > spalte2) std::swap(spalte1, spalte2);
    if (zeile1 > zeile2) std::swap(zeile1, zeile2);
    T.Markierung = TBereich{klemmen(spalte1, Letzte_Spalte), klemmen(zeile1, Letzte_Zeile),
                            klemmen(spalte2, Letzte_Spalte), klemmen(zeile2, Letzte_Zeile)};
    T.Melden(TTabellenaenderung::Markierung);
}

int Spalte_einlesen(const TTabelle& T, int spalte, TWerteliste& werte) {
    if (!Datenspalte(spalte)) return 0;
    int n = 0;
    Extended x = 0;
    while (n < Max_Werte && Zahl_in(T.Zelle(spalte, n + 1), x)) werte[size_t(n++)] = x;
    return n;
}

int Punkte_einlesen(const TTabelle& T, int spalte, TPunktliste& punkte) {
    if (spalte < 1 || spalte + 1 > Letzte_Spalte) return 0;
    int n = 0;
    Extended x = 0, y = 0;
    while (n < Max_Werte && Zahl_in(T.Zelle(spalte, n + 1), x) && Zahl_in(T.Zelle(spalte + 1, n + 1), y))
        punkte[size_t(n++)] = TPunkt{x, y};
    return n;
}

int Punkte_einlesen(const TTabelle& T, int spalte) {
    Arbeitslisten.Punktanzahl = Punkte_einlesen(T, spalte, Arbeitslisten.Punkte);
    return Arbeitslisten.Punktanzahl;
}

bool Spalte_summieren(const TTabelle& T, int spalte, Extended& summe, int& zeile_danach) {
    summe = 0;
    zeile_danach = 1;
    if (!Datenspalte(spalte)) return true;
    Extended x = 0;
    while (zeile_danach <= Letzte_Zeile && Zahl_in(T.Zelle(spalte, zeile_danach), x)) {
        summe += x;
        if (!std::isfinite(summe)) { summe = 0; return false; }
        ++zeile_danach;
    }
    return true;
}

bool Spalte_kumulieren(TTabelle& T, int spalte) {
    Extended s = 0, x = 0;
    if (!Datenspalte(spalte) || !Zahl_in(T.Zelle(spalte, 1), s)) return true;
    bool ok = true;
    for (int r = 2; r <= Letzte_Zeile && Zahl_in(T.Zelle(spalte, r), x); ++r) {
        const Extended neu = s + x;
        if (!std::isfinite(neu)) { ok = false; break; }
        s = neu;
        T.Zelle(spalte, r) = Zahl_allgemein(s);
    }
    T.Melden(TTabellenaenderung::Inhalt);
    return ok;
}

void Punkte_ausgeben(TTabelle& T, int spalte, const TPunktliste& punkte, int anzahl) {
    if (spalte < 1 || spalte + 1 > Letzte_Spalte) return;
    if (anzahl > Max_Werte) anzahl = Max_Werte;
    for (int i = 1; i <= anzahl; ++i) {
        T.Zelle(spalte, i) = Zahl_allgemein(punkte[size_t(i - 1)].x);
        T.Zelle(spalte + 1, i) = Zahl_allgemein(punkte[size_t(i - 1)].y);
    }
    T.Melden(TTabellenaenderung::Inhalt);
}

void Zeile_leeren(TTabelle& T, int zeile) {
    if (!Datenzeile(zeile)) return;
    for (int c = 0; c <= Letzte_Spalte; ++c) T.Zelle(c, zeile).clear();
    T.Zelle(0, zeile) = Zeilenbeschriftung(zeile, 3);
    T.Melden(TTabellenaenderung::Inhalt);
}

void Spalte_leeren(TTabelle& T, int spalte) {
    if (!Datenspalte(spalte)) return;
    std::string kopf = std::move(T.Zelle(spalte, 0));
    for (int r = 0; r <= Letzte_Zeile; ++r) T.Zelle(spalte, r).clear();
    T.Zelle(spalte, 0) = std::move(kopf);
    T.Melden(TTabellenaenderung::Inhalt);
}

void Zeile_entfernen(TTabelle& T, int zeile) {
    if (!Datenzeile(zeile)) return;
    for (int r = zeile; r < Letzte_Zeile; ++r)
        for (int c = 0; c <= Letzte_Spalte; ++c) T.Zelle(c, r) = std::move(T.Zelle(c, r + 1));
    for (int c = 0; c <= Letzte_Spalte; ++c) T.Zelle(c, Letzte_Zeile).clear();
    for (int r = 1; r <= Letzte_Zeile; ++r) T.Zelle(0, r) = Zeilenbeschriftung(r, 3);
    T.Melden(TTabellenaenderung::Inhalt);
}

void Spalte_entfernen(TTabelle& T, int spalte) {
    if (!Datenspalte(spalte)) return;
    for (int c = spalte; c < Letzte_Spalte; ++c)
        for (int r = 0; r <= Letzte_Zeile; ++r) T.Zelle(c, r) = std::move(T.Zelle(c + 1, r));
    for (int r = 0; r <= Letzte_Zeile; ++r) T.Zelle(Letzte_Spalte, r).clear();
    T.Melden(TTabellenaenderung::Inhalt);
}

// Empty cells are the common case of a mostly empty table; they fail the reading
// rule anyway, so they are passed over without a call.
void Tabelle_als_Brueche(TTabelle& T) {
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c) {
            std::string& s = T.Zelle(c, r);
            if (!s.empty()) Zellentext_als_Bruch(s);
        }
    T.Melden(TTabellenaenderung::Inhalt);
}

void Tabelle_als_Dezimalzahlen(TTabelle& T) {
    Extended x = 0;
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c) {
            std::string& s = T.Zelle(c, r);
            if (!s.empty() && Zahl_in(s, x)) s = Zahl_formatieren(false, 25, 22, x);
        }
    T.Melden(TTabellenaenderung::Inhalt);
}

void Enter_Ziel(int spalte, int zeile, int& neue_spalte, int& neue_zeile) {
    neue_spalte = spalte;
    neue_zeile = zeile;
    if (spalte == 2 || spalte >= Letzte_Spalte) {
        if (zeile < Letzte_Zeile) { neue_spalte = 1; neue_zeile = zeile + 1; }
    } else {
        neue_spalte = spalte + 1;
    }
}
