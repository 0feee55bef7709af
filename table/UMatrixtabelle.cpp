// Matrices in the table; declared in table/UMatrixtabelle.h.
#include "table/UMatrixtabelle.h"

#include <utility>

namespace {

// Writes many cells with one change report at the end instead of one per row.
class Sammelaenderung {
public:
    explicit Sammelaenderung(TTabelle& T) : T_(T), beobachter_(std::move(T.Beobachter)) { T.Beobachter = nullptr; }
    ~Sammelaenderung() {
        T_.Beobachter = std::move(beobachter_);
        T_.Melden(TTabellenaenderung::Inhalt);
    }
    Sammelaenderung(const Sammelaenderung&) = delete;
    Sammelaenderung& operator=(const Sammelaenderung&) = delete;

private:
    TTabelle& T_;
    std::function<void(TTabellenaenderung)> beobachter_;
};

}  // namespace

Matrixlesung Matrix_einlesen(const TTabelle& T, int startspalte, Matrix& M) {
    Matrixlesung l;
    if (startspalte > Letzte_Spalte) {
        l.Meldung = "Kein Platz für Matrix B: sie müsste in Spalte " + std::to_string(startspalte) +
                    " beginnen, die Tabelle endet mit Spalte 43 !";
        return l;
    }
    TWerteliste werte;
    int m = Spalte_einlesen(T, startspalte, werte);
    if (m == 0) {
        l.Meldung = "Keine Daten !";
        return l;
    }
    if (m > Matrix_Zeilen_hoechstens) {
        l.Meldung = std::to_string(m) + " Zeilen,1 Spalte(n), aber höchstens 44 Zeilen erlaubt !";
        return l;
    }
    Matrix R{};
    int spalten = 0;
    for (int c = startspalte; c <= Letzte_Spalte && spalten < Matrix_Spalten_hoechstens; ++c) {
        int n = c == startspalte ? m : Spalte_einlesen(T, c, werte);
        if (n == 0) break;
        if (n != m) {
            l.Meldung = "Spalten " + std::to_string(c - 1) + " und " + std::to_string(c) +
                        " unterschiedlich lang bzw. falsche Daten!";
            return l;
        }
        ++spalten;
        for (int i = 1; i <= m; ++i) R[i][spalten] = werte[size_t(i - 1)];
    }
    M = R;
    l.Zeilen = m;
    l.Spalten = spalten;
    return l;
}

bool Matrizen_einlesen(const TTabelle& T, Matrixoperation op, Matrixeingabe& e, std::string& meldung) {
    Matrixlesung a = Matrix_einlesen(T, Spalte_A, e.A);
    meldung = a.Meldung;
    if (!meldung.empty()) return false;
    e.m = a.Zeilen;
    e.q = a.Spalten;
    if (!Liest_B(op)) return true;
    Matrixlesung b = Matrix_einlesen(T, Spalte_A + e.q + 1, e.B);
    meldung = b.Meldung;
    e.mB = b.Zeilen;
    e.qB = b.Spalten;
    return meldung.empty();
}

void Matrix_ausgeben(TTabelle& T, const Matrix& M, int erste_zeile, int spalten, int zeilen, int erste_spalte) {
    for (int i = 1; i <= zeilen && i <= Matrix_Zeilen_hoechstens; ++i)
        for (int j = 1; j <= spalten && j <= Matrix_Spalten_hoechstens; ++j)
            T.Zelle(erste_spalte + j - 1, erste_zeile + i - 1) = Zahl_allgemein(M[i][j]);
    T.Melden(TTabellenaenderung::Inhalt);
}

void Unter_A_leeren(TTabelle& T, Matrixoperation op, const Matrixeingabe& e) {
    {
        Sammelaenderung sammeln(T);
        for (int r = e.m + 1; r <= Letzte_Zeile; ++r) Zeile_leeren(T, r);
        Spalte_leeren(T, 2);
    }
    if (op != Matrixoperation::rref) {
        Tabellenkoepfe_schreiben(T);
        return;
    }
    for (int j = 1; j < e.q; ++j) T.Zelle(Spalte_A + j - 1, 0) = "     •x" + std::to_string(j);
    T.Zelle(Spalte_A + e.q - 1, 0) = "     ·1";
    T.Melden(TTabellenaenderung::Inhalt);
}

void Ergebnis_schreiben(TTabelle& T, Matrixoperation op, const Matrixeingabe& e, const Matrixergebnis& r) {
    T.Zelle(Spalte_A, r.Titel_unter_A ? e.m + 1 : e.m + 2) = r.Titel;
    if (r.Zahl_da) T.Zelle(Spalte_A + 1, e.m + 2) = Zahl_allgemein(r.Zahl);
    if (r.Matrix_da) Matrix_ausgeben(T, r.C, e.m + 2, r.Spalten, r.Zeilen, Spalte_A);
    if (Liest_B(op)) {
        const int spalte_B = Spalte_A + e.q + 1;
        if (op != Matrixoperation::An_mal_B) T.Zelle(spalte_B, 0) = "Matrix B";
        Matrix_ausgeben(T, e.B, 1, e.qB, e.mB, spalte_B);
    }
    T.Melden(TTabellenaenderung::Inhalt);
}

std::string Quadratmatrix_an_Cursor(TTabelle& T, bool einheit, int n) {
    const int c = T.Spalte, z = T.Zeile;
    if (c < 1 || z < 1) return {};
    if (n < 1 || c + n - 1 > Letzte_Spalte || z + n - 1 > Letzte_Zeile)
        return "Eine " + std::to_string(n) + "x" + std::to_string(n) + "-Matrix ab Spalte " + std::to_string(c) +
               ", Zeile " + std::to_string(z) + " passt nicht in die Tabelle (Spalte 43, Zeile 1500) !";
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) T.Zelle(c + j, z + i).assign(1, einheit && i == j ? '1' : '0');
    T.Melden(TTabellenaenderung::Inhalt);
    return {};
}

void Codematrix_schreiben(TTabelle& T, const Matrix& codes, int zeilen, int n) {
    Tabelle_leeren(T);
    T.Zelle(2, 1) = "ASCII-Code";
    Matrix_ausgeben(T, codes, 1, n, zeilen, Spalte_A);
}
