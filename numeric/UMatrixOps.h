// The operations of the matrix group of the statistics window as plain data: each
// takes the matrices read from the table and gives the result (a matrix, or a
// number such as det or rank) with its title, or the message that refuses it.
// Nothing here touches the table; the window writes what it gets. Also the
// conversion of a text into Windows-1252 character codes and back.
#pragma once
#include "numeric/UMatheTools.h"

#include <string>

enum class Matrixoperation {
    rref = 0, det = 1, Potenz = 2, Inverse = 3, ASCII_nach_A = 4, Einheit = 5, Null = 6,
    Transponiert = 7, A_mal_B = 8, An_mal_B = 9, A_nach_ASCII = 10, r_mal_A = 11, B_mal_A = 12, Rang = 13,
};
constexpr int Matrixoperationen_Anzahl = 14;
// The items of the operation list, in index order.
extern const char* const Matrixoperation_Namen[Matrixoperationen_Anzahl];

// Which operations read B besides A.
bool Liest_B(Matrixoperation op);

struct Matrixeingabe {
    Matrix A{}, B{};
    int m = 0, q = 0;         // rows and columns of A
    int mB = 0, qB = 0;       // rows and columns of B (when read)
    int n = 2;                // Edit_Mat_n
    std::string n_text = "2"; // its text, for the title cells
    Extended r = 0.03L;       // Edit_skalar_r
};

struct Matrixergebnis {
    std::string Meldung;       // not empty: the operation is refused and nothing is written
    std::string Titel;         // title cell text (column 3)
    bool Titel_unter_A = true; // row m+1; false: row m+2 in front of a number
    bool Zahl_da = false;      // det or rank: the number goes into column 4 of row m+2
    Extended Zahl = 0;
    bool Matrix_da = false;    // a matrix C from row m+2, column 3
    Matrix C{};
    int Zeilen = 0, Spalten = 0;
};

// Every operation except text <-> codes and the identity/zero matrices.
Matrixergebnis Matrix_berechnen(Matrixoperation op, const Matrixeingabe& e);

// The inverse of the m x m matrix A by reducing [A | E] (up to 41 x 82); false when
// A is singular: a column without a pivot above the zero tolerance of A.
bool Matrix_invertieren(const Matrix& A, int m, Matrix& C);
// The zero tolerance of an m x n matrix: 1E-12 times its largest entry.
Extended Null_Toleranz(const Matrix& A, int m, int n);

// Text (UTF-8) -> character codes in rows of n (padded with 32); the row count, 0 when
// the text is empty or one blank. Characters without a Windows-1252 code become "?".
// A text needing more than 44 rows, or n outside 1 .. 41, gives the message instead.
int Text_in_Matrix(const std::string& text, int n, Matrix& A, std::string& meldung);
// Codes row by row -> text (UTF-8): each entry truncated toward zero, modulo 256.
std::string Matrix_in_Text(const Matrix& A, int m, int n);
