// Polynomials through the points of the table's columns 1 and 2: the interpolation
// polynomial, the natural cubic spline and the kink-free transition cubic between
// two line pieces. Each writes its linear system into the table from column 3,
// reduces it there like the matrix operation "C=rref(A)" and takes the solution
// from the last column, so the user sees the system and its reduced form.
#pragma once
#include "numeric/UMatheTools.h"
#include "table/UStringGrid.h"

#include <array>
#include <string>
#include <vector>

// The matrix operation "C=rref(A)" on the table: A from row 1, column 3; the rows
// below A and column 2 emptied, the system's headers, "rref(A)" in row m+1 and the
// reduced matrix from row m+2. False (table unchanged) when A cannot be read; the
// reading shows its message.
bool Tabelle_rref(TTabelle& T, Matrix& C, int& m, int& q);

// A polynomial piece for one of the main window's terms with its drawing interval
// (the interval texts empty: the whole x range).
struct TPolynomstueck {
    std::array<Extended, 43> c{};
    std::string Term, von, bis;
};
struct TPolynomergebnis {
    bool ok = false;
    std::vector<TPolynomstueck> Stuecke;   // f, g, h in this order (interpolation: h only)
};
struct TTermformat { bool fix = false; int P = 9, D = 6; bool bruch = false; };

// Each reads the points of columns 1 and 2, shows its message on a wrong count or on
// a system whose reduced left part is not the identity (equal x values), and writes
// the points back into columns 1 and 2 whenever it has changed the table.
TPolynomergebnis Interpolation_berechnen(TTabelle& T, const TTermformat& f);
TPolynomergebnis Spline_berechnen(TTabelle& T, const TTermformat& f);
// Asks before it overwrites anything besides the four points; No changes nothing.
TPolynomergebnis Trassierung_berechnen(TTabelle& T, const TTermformat& f);
