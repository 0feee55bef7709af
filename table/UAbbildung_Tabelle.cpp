#include "table/UAbbildung_Tabelle.h"

#include <cmath>
#include <numbers>

namespace {

bool Zelle_lesen(const TTabelle& T, int spalte, int zeile, Extended& x, std::string& fehler) {
    int position = 0;
    if (Zelle_auswerten(T.Zelle(spalte, zeile), x, position)) return true;
    fehler = "In Spalte " + std::to_string(spalte) + ", Zeile " + std::to_string(zeile) +
             " steht keine Zahl: \"" + T.Zelle(spalte, zeile) + "\"\rDie Abbildung endet vor dieser Zeile.";
    return false;
}

}  // namespace

TAbbildungslauf Punkte_abbilden(const TTabelle& T, int spalte, int anzahl, const TAbbildung& abb) {
    TAbbildungslauf lauf;
    if (spalte < 1 || spalte + 3 > Letzte_Spalte) return lauf;
    for (int zeile = 1; zeile <= anzahl && zeile <= Letzte_Zeile; ++zeile) {
        TPunkt P;
        if (!Zelle_lesen(T, spalte, zeile, P.x, lauf.Fehler) || !Zelle_lesen(T, spalte + 1, zeile, P.y, lauf.Fehler))
            break;
        const TPunkt B = Punkt_abbilden(abb, P);
        if (!std::isfinite(B.x) || !std::isfinite(B.y)) {
            lauf.Fehler = "Das Bild des Punktes in Zeile " + std::to_string(zeile) +
                          " ist keine endliche Zahl.\rDie Abbildung endet vor dieser Zeile.";
            break;
        }
        lauf.Urbilder.push_back(P);
        lauf.Bilder.push_back(B);
    }
    return lauf;
}

void Bildpunkte_schreiben(TTabelle& T, int spalte, const std::vector<TPunkt>& bilder) {
    if (spalte < 1 || spalte + 3 > Letzte_Spalte || bilder.empty()) return;
    int zeile = 1;
    for (const TPunkt& B : bilder) {
        if (zeile > Letzte_Zeile) break;
        T.Zelle(spalte + 2, zeile) = Zahl_allgemein(B.x);
        T.Zelle(spalte + 3, zeile) = Zahl_allgemein(B.y);
        ++zeile;
    }
    T.Zelle(spalte + 2, 0) = "Bildpunkte";
    T.Melden(TTabellenaenderung::Inhalt);
}

void Dreieck_ausgeben(TTabelle& T, int punktespalte, const TDreieck& d) {
    // Column k of the standard layout (vertices in columns 1 and 2) moves with the vertices.
    const int versatz = Dreieck_Ausgabespalte(punktespalte) - 3;
    if (versatz < 0 || 8 + versatz > Letzte_Spalte) return;
    auto text = [&](int spalte, int zeile, const std::string& s) { T.Zelle(spalte + versatz, zeile) = s; };
    auto zahl = [&](int spalte, int zeile, Extended x) { text(spalte, zeile, Zahl_allgemein(x)); };
    auto punkt = [&](int zeile, const char* name, TPunkt P) {
        text(3, zeile, name);
        zahl(4, zeile, P.x);
        zahl(5, zeile, P.y);
    };
    auto drei = [&](int zeile, const char* n1, Extended w1, const char* n2, Extended w2, const char* n3, Extended w3) {
        text(3, zeile, n1), zahl(4, zeile, w1);
        text(5, zeile, n2), zahl(6, zeile, w2);
        text(7, zeile, n3), zahl(8, zeile, w3);
    };
    const Extended grad = 180 / std::numbers::pi_v<Extended>;
    drei(1, "a =", d.a, "b =", d.b, "c =", d.c);
    drei(2, "alpha =", d.alpha * grad, "beta =", d.beta * grad, "gamma =", d.gamma * grad);
    text(3, 3, "A-Dreieck ="), zahl(4, 3, d.Flaeche);
    punkt(4, "S =", d.S);
    punkt(5, "UMittelp =", d.U), text(6, 5, "URadius ="), zahl(7, 5, d.R);
    punkt(6, "IMittelp =", d.I), text(6, 6, "IRadius ="), zahl(7, 6, d.r);
    punkt(7, "HöhenSP =", d.H);
    punkt(8, "Ma =", d.Ma), punkt(9, "Mb =", d.Mb), punkt(10, "Mc =", d.Mc);
    punkt(11, "LotFPHa =", d.Ha), punkt(12, "LotFPHb =", d.Hb), punkt(13, "LotFPHc =", d.Hc);
    drei(14, "ha =", d.ha, "hb =", d.hb, "hc =", d.hc);
    punkt(15, "IMLa =", d.Ta), punkt(16, "IMLb =", d.Tb), punkt(17, "IMLc =", d.Tc);
    T.Melden(TTabellenaenderung::Inhalt);
}
