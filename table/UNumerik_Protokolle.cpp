#include "table/UNumerik_Protokolle.h"

#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge.h"

#include <string>

namespace {

void Schreiben(TTabelle& tabelle, int spalte, int zeile, const std::string& text) {
    if (spalte >= 0 && spalte < Tabellenspalten && zeile >= 0 && zeile < Tabellenzeilen)
        tabelle.Zelle(spalte, zeile) = text;
}

}  // namespace

void Newton_Protokoll_schreiben(TTabelle& tabelle, const Newton_Verlauf& verlauf, bool ok, bool fix, int P, int D) {
    const int werte = int(verlauf.x.size());
    for (int k = 0; k < werte; ++k) {
        Schreiben(tabelle, 1, k + 1, " i = " + std::to_string(k));
        Schreiben(tabelle, 2, k + 1, Zahl_formatieren(fix, P, D, verlauf.x[size_t(k)]));
    }
    if (verlauf.abgebrochen) {
        Schreiben(tabelle, 1, werte + 1, " i = " + std::to_string(werte));
        Schreiben(tabelle, 2, werte + 1, "Abbruch !");
    } else if (ok) {
        Schreiben(tabelle, 2, werte + 1, " (Lösung)");
    }
    tabelle.Melden(TTabellenaenderung::Inhalt);
}

void Romberg_Schema_schreiben(TTabelle& tabelle, const Romberg_Verlauf& verlauf, bool fix, int P, int D) {
    for (int j = 0; j < Romberg_Groesse; ++j)
        for (int m = 0; m < verlauf.Laenge[size_t(j)]; ++m)
            Schreiben(tabelle, m + 1, j + 1, Zahl_formatieren(fix, P, D, verlauf.T[size_t(j)][size_t(m)]));
    tabelle.Melden(TTabellenaenderung::Inhalt);
}

void Elimination_zeigen(TTabelle& tabelle, const Matrix& start, int m, int n,
                        const std::vector<Eliminationsschritt>& schritte) {
    if (schritte.empty()) return;   // also every size the elimination refused
    std::vector<Extended> stand;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) stand.push_back(start[size_t(i)][size_t(j)]);
    for (const Eliminationsschritt& s : schritte) {
        if (s.A.size() == stand.size()) stand = s.A;
        for (int i = 1; i <= m; ++i)
            for (int j = 1; j <= n; ++j)
                Schreiben(tabelle, j + 2, m + 2 + i, Zahl_allgemein(stand[size_t((i - 1) * n + j - 1)]));
        tabelle.Melden(TTabellenaenderung::Inhalt);
        Dialog().Meldung("Taste drücken");
    }
}

void Matrix_rref_schrittweise(Matrix& A, int m, int n, TTabelle& tabelle) {
    const Matrix start = A;
    const std::vector<Eliminationsschritt> schritte = Matrix_rref_verfolgen(A, m, n);
    Elimination_zeigen(tabelle, start, m, n, schritte);
}
