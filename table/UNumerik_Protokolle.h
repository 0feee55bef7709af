// Writes what the numerics hand out into the table, cell for cell as the tools show
// it: Newton's protocol, the Romberg scheme and the traced row reduction (which
// waits for a key after every step). The numbers themselves come from numeric/.
#pragma once
#include "numeric/UMatheTools.h"
#include "table/UStringGrid.h"

#include <vector>

// Column 1 " i = k", column 2 the k-th iterate in Zahl_formatieren(fix, P, D), row
// k + 1; then "Abbruch !" beside the failed step, or " (Lösung)" in column 2 of the
// row after the last value when the run converged (ok).
void Newton_Protokoll_schreiben(TTabelle& tabelle, const Newton_Verlauf& verlauf, bool ok, bool fix, int P, int D);

// Trapezoid sums in row 1, extrapolation level j in row j + 1, from column 1.
void Romberg_Schema_schreiben(TTabelle& tabelle, const Romberg_Verlauf& verlauf, bool fix, int P, int D);

// The matrix after each step at rows m+3 .. 2m+2, columns 3 .. n+2 (general number
// text), each followed by the message "Taste drücken" that waits for the user.
// `start` is the matrix before the first step (shown while nothing has changed yet).
void Elimination_zeigen(TTabelle& tabelle, const Matrix& start, int m, int n,
                        const std::vector<Eliminationsschritt>& schritte);

// The row reduction of A with every step shown as above.
void Matrix_rref_schrittweise(Matrix& A, int m, int n, TTabelle& tabelle);
