// The one table of the program: 44 columns x 1501 rows of UTF-8 text that every
// window reads its points and matrices from and writes its results into.
// Row 0 and column 0 are the fixed header row and row-number column. The unit also
// owns the marked range, the cell cursor, the grid's geometry settings, the working
// lists filled by reading the table, and every routine that reads or rewrites it.
// A cell is a number only at the moment a routine reads it with Zelle_auswerten.
#pragma once
#include "numeric/UMatheBasisOp.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr int Tabellenspalten = 44;   // columns 0 .. 43
constexpr int Tabellenzeilen = 1501;  // rows 0 .. 1500
constexpr int Letzte_Spalte = Tabellenspalten - 1;  // 43
constexpr int Letzte_Zeile = Tabellenzeilen - 1;    // 1500
constexpr int Max_Werte = Letzte_Zeile;              // one value per data row

// A rectangle of cells; all four -1 is the empty selection.
struct TBereich {
    int Links = -1, Oben = -1, Rechts = -1, Unten = -1;
    // A real range: every corner inside the data cells and the corners in order.
    bool echt() const {
        return Links >= 1 && Oben >= 1 && Rechts >= Links && Unten >= Oben &&
               Rechts <= Letzte_Spalte && Unten <= Letzte_Zeile;
    }
    bool operator==(const TBereich&) const = default;
};

// What a routine changed, so that the window showing the table can follow.
enum class TTabellenaenderung {
    Inhalt,        // cell texts (headers included)
    Einrichtung,   // sizes and look were set up again
    Links_oben,    // scroll so that row 1 and column 1 are the first visible data cells
    Markierung,    // the marked range was set by a routine
    Zellcursor,    // the cell cursor was moved by a routine
};

class TTabelle {            // 44 columns x 1501 rows of UTF-8 text; row 0 and column 0 are the fixed ones
public:
    TTabelle() : zellen_(size_t(Tabellenspalten) * Tabellenzeilen) {}
    // A cell outside the table is a scratch cell that reads empty, so that a routine
    // writing one row or column too far neither corrupts a neighbour nor crashes.
    std::string& Zelle(int spalte, int zeile) {
        if (!gueltig(spalte, zeile)) { ausserhalb_.clear(); return ausserhalb_; }
        return zellen_[index(spalte, zeile)];
    }
    const std::string& Zelle(int spalte, int zeile) const {
        static const std::string leer;
        return gueltig(spalte, zeile) ? zellen_[index(spalte, zeile)] : leer;
    }

    TBereich Markierung;                 // the marked range, empty = all -1
    int Spalte = 1, Zeile = 1;           // the cell cursor (current column and row)

    // Geometry of the grid in pixels; whoever changes it reports Einrichtung, and the
    // window then resizes every column and row to it.
    int Spaltenbreite = 80, Spaltenbreite_0 = 35;
    int Zeilenhoehe = 16, Zeilenhoehe_0 = 17;

    // Set by the window that shows the table. Routines that change the table call
    // Melden when they are done; code that writes cells through Zelle() directly
    // calls Melden(TTabellenaenderung::Inhalt) once afterwards.
    std::function<void(TTabellenaenderung)> Beobachter;
    void Melden(TTabellenaenderung a) const { if (Beobachter) Beobachter(a); }

    static bool gueltig(int spalte, int zeile) {
        return spalte >= 0 && spalte < Tabellenspalten && zeile >= 0 && zeile < Tabellenzeilen;
    }

private:
    static size_t index(int spalte, int zeile) { return size_t(zeile) * Tabellenspalten + size_t(spalte); }
    std::vector<std::string> zellen_;
    std::string ausserhalb_;
};
extern TTabelle Tabelle;    // the one table of the program, shown by Form6's StringGrid1

using TWerteliste = std::array<Extended, Max_Werte>;
using TPunktliste = std::array<TPunkt, Max_Werte>;

// The working lists filled by reading the table; index 0 holds the value of row 1.
// They keep the result of the last reading until the next one.
struct TArbeitslisten {
    TWerteliste Werte1{}, Werte2{};
    TPunktliste Punkte{};
    int32_t Punktanzahl = 0;   // number of valid entries of Punkte
    int Punktespalte = 1;      // x column of the point pair: 1, 3, 5 or 7; y is the next one
};
extern TArbeitslisten Arbeitslisten;

// --- layout and headers ---------------------------------------------------------
void Tabelle_einrichten(TTabelle& T);        // standard geometry, empty table, empty selection
void Tabellenkoepfe_schreiben(TTabelle& T);  // the standard header row and row labels
void Tabelle_leeren(TTabelle& T);            // headers, empty data cells, back to row 1 / column 1
void Ecke_links_oben_zeigen(TTabelle& T);    // scroll to row 1, column 1
void Markierung_aufheben(TTabelle& T);
void Markierung_setzen(TTabelle& T, int spalte1, int zeile1, int spalte2, int zeile2);  // any corner order

// --- reading: each starts at row 1 and stops at the first cell that is no number --
int Spalte_einlesen(const TTabelle& T, int spalte, TWerteliste& werte);   // gives the count
int Punkte_einlesen(const TTabelle& T, int spalte);   // fills Arbeitslisten.Punkte/Punktanzahl, gives the count
int Punkte_einlesen(const TTabelle& T, int spalte, TPunktliste& punkte);
// Sum of the numbers of a column; zeile_danach is the first row without a number
// (1501 when the numbers run through row 1500). False when the sum overflows.
bool Spalte_summieren(const TTabelle& T, int spalte, Extended& summe, int& zeile_danach);
// Running sums from row 2 on; false (and the rest of the column untouched) on overflow.
bool Spalte_kumulieren(TTabelle& T, int spalte);

// --- writing ------------------------------------------------------------------
void Punkte_ausgeben(TTabelle& T, int spalte, const TPunktliste& punkte, int anzahl);
void Zeile_leeren(TTabelle& T, int zeile);
void Spalte_leeren(TTabelle& T, int spalte);
void Zeile_entfernen(TTabelle& T, int zeile);
void Spalte_entfernen(TTabelle& T, int spalte);
void Tabelle_als_Brueche(TTabelle& T);
void Tabelle_als_Dezimalzahlen(TTabelle& T);

// --- ranges (UTabellenbereich.cpp) ----------------------------------------------
enum class TKopierergebnis { Kopiert, Ueberlappt, Ausserhalb, Kein_Bereich };
TKopierergebnis Bereich_kopieren(TTabelle& T, TBereich quelle, int zielspalte, int zielzeile);
// Reads "column;row"; false unless both parts are integers.
bool Kopierziel_lesen(const std::string& text, int& spalte, int& zeile);
// The copy command on the marked range: asks for the target and reports through Dialog().
void Markierten_Bereich_kopieren(TTabelle& T);
// One line per row, each cell padded with blanks to 20 characters, CR LF after every
// line. False (and an empty text) unless the range is a real one.
bool Bereich_als_Text(const TTabelle& T, TBereich bereich, std::string& text);

// --- keyboard -------------------------------------------------------------------
// Where Enter moves the cell cursor: one column right, but from column 2 and from
// the last column to column 1 of the next row, so x and y are typed pairwise.
void Enter_Ziel(int spalte, int zeile, int& neue_spalte, int& neue_zeile);
