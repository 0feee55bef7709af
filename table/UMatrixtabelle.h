// Matrices in the table: reading A from column 3 and B two columns right of A,
// writing results below A with their title cells, clearing the rows below A, the
// identity and zero matrices at the cell cursor and the character-code matrix.
// The operations themselves are numeric/UMatrixOps; this unit only reads and writes.
#pragma once
#include "numeric/UMatrixOps.h"
#include "table/UStringGrid.h"

#include <string>

constexpr int Spalte_A = 3;   // matrix A always starts in row 1 of this column

struct Matrixlesung {
    int Zeilen = 0, Spalten = 0;
    std::string Meldung;   // not empty: the read error, with the program's message
};

// Reads the matrix whose first column is `startspalte`: as many columns to the right
// as hold the same number of values (at most up to column 43).
Matrixlesung Matrix_einlesen(const TTabelle& T, int startspalte, Matrix& M);
// A (and B for the products) into e; false with the message of the first read error.
bool Matrizen_einlesen(const TTabelle& T, Matrixoperation op, Matrixeingabe& e, std::string& meldung);

// Entries as general number text, row `erste_zeile` and column `erste_spalte` on.
void Matrix_ausgeben(TTabelle& T, const Matrix& M, int erste_zeile, int spalten, int zeilen, int erste_spalte);

// Empties rows m+1 .. 1500 and column 2, then writes the headers: the variables of a
// linear system for rref, the standard headers for every other operation.
void Unter_A_leeren(TTabelle& T, Matrixoperation op, const Matrixeingabe& e);
// Title cell, result matrix or number, and B again at its place for the products.
void Ergebnis_schreiben(TTabelle& T, Matrixoperation op, const Matrixeingabe& e, const Matrixergebnis& r);

// The n x n identity (or zero) matrix with its top left entry at the cell cursor;
// a message (and nothing written) when it would not fit into the table.
std::string Quadratmatrix_an_Cursor(TTabelle& T, bool einheit, int n);
// Empties the table, writes "ASCII-Code" into column 2 of row 1 and the codes from column 3.
void Codematrix_schreiben(TTabelle& T, const Matrix& codes, int zeilen, int n);
