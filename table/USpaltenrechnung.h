// Computations on single columns of the table at the cell cursor: sum, scalar and
// vector product of two neighbouring columns, plus r, times r, division by column 1,
// the binomial table and the Lehmer numbers, and the points of rows 1 and 2 read for
// the constructions. Each routine checks everything before it writes: on refusal it
// gives the program's message and leaves the table as it was.
#pragma once
#include "table/UStringGrid.h"

#include <cstdint>
#include <string>

Extended Skalarprodukt(const Extended* u, const Extended* v, int n);
void Vektorprodukt(const Extended u[3], const Extended v[3], Extended w[3]);

// "S=" and the sum into the first row without a number (the header when the numbers
// run through row 1500); gives that row, 0 when nothing was written.
int Spaltensumme_schreiben(TTabelle& T, int spalte, std::string& meldung);
std::string Skalarprodukt_schreiben(TTabelle& T, int spalte);
std::string Vektorprodukt_schreiben(TTabelle& T, int spalte);
// The numbers of the column replaced by value + r or value · r.
std::string Spalte_plus_r(TTabelle& T, int spalte, Extended r);
std::string Spalte_mal_r(TTabelle& T, int spalte, Extended r);
// Each value divided by the value of column 1 in its row (rows with 0 there keep their text).
std::string Spalte_durch_Spalte1(TTabelle& T, int spalte);

// k in column 1 and B(n, p)(k) in column 2, rows 1 .. n+1; "Eingabefehler !" for
// n >= 1500 or p outside [0; 1]; nothing for n < 0.
std::string Binomialtabelle_schreiben(TTabelle& T, int n, Extended p);
// x0 in row 1 of column 1, then 1500 steps: each new x into column 1 of the next row
// and column 2 of the current one. "Eingabefehler !" for m = 0.
std::string Lehmerzahlen_schreiben(TTabelle& T, int32_t x0, int32_t a, int32_t c, int32_t m);

// The point (column 1; column 2) of a row by the cell-reading rule; a message naming
// the cell that holds no number.
bool Punkt_aus_Zeile(const TTabelle& T, int zeile, TPunkt& P, std::string& meldung);
