// Numerics on term values: difference quotients with one-sided fall-backs,
// tangent and curvature quantities, Newton's method (optionally with its steps),
// grid search for extremes, definite integrals (doubling rules, adaptive
// Gauss-Kronrod, Romberg with its scheme), arc length, and the matrix routines
// shared by the matrix window, regression and interpolation.
// Every routine reports failure through its success flag; none shows a message
// except the arc length (start note, size limit, Escape question). Where a routine
// hands out its steps it returns them as data; table/UNumerik_Protokolle writes them.
#pragma once
#include "engine/UFunktionsParser.h"
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// ---- differentiation and roots ------------------------------------------------

Extended Ableitung_1(const std::string& term, Extended t, Extended x0, Extended h, bool& ok);
Extended Ableitung_2(const std::string& term, Extended t, Extended x0, Extended h, bool& ok);
Extended Ableitung_3(const std::string& term, Extended t, Extended x0, Extended h, bool& ok);
// The same over points the caller may have evaluated ahead (numeric/UReihenwerte.h).
class Punktquelle;
Extended Ableitung_1(Punktquelle& F, Extended x0, Extended h, bool& ok);
Extended Ableitung_2(Punktquelle& F, Extended x0, Extended h, bool& ok);
Extended Ableitung_3(Punktquelle& F, Extended x0, Extended h, bool& ok);
bool Tangente_berechnen(const std::string& term, Extended t, Extended x0, Extended& y0, Extended& m, Extended& n);
// Tangent of the curve (x(s), y(s)) at s0; the curve parameter is the t argument
// of the evaluation, the family parameter the x argument.
bool Tangente_Parameterkurve(const std::string& term_x, const std::string& term_y, Extended s0,
                             Extended t, Extended& x0, Extended& y0, Extended& m, Extended& n);
bool Kruemmung_berechnen(const std::string& term, Extended t, Extended x0, Extended h,
                         Extended& kappa, Extended& r, Extended& xm, Extended& ym);
bool Kruemmung_berechnen(Punktquelle& F, Extended x0, Extended h, Extended& kappa, Extended& r, Extended& xm,
                         Extended& ym);
Extended Nullstelle_Newton(const std::string& term, Extended t, Extended x0, bool& ok);
// Newton's iterates: x[0] the start, x[i] after step i. `abgebrochen`: step x.size()
// found no usable slope (or left the number range) and the run stopped there.
struct Newton_Verlauf {
    std::vector<Extended> x;
    bool abgebrochen = false;
};
// The same, handing out every iterate.
Extended Nullstelle_Newton(const std::string& term, Extended t, Extended x0, bool& ok, Newton_Verlauf& verlauf);
// Newton from every start, each exactly as Nullstelle_Newton alone would run it.
struct Newton_Ergebnis {
    Extended x = 0;
    bool ok = false;
};
std::vector<Newton_Ergebnis> Nullstellen_Newton(const std::string& term, Extended t, std::span<const Extended> starts);
// Positions of the largest and the smallest value on the grid a + i(b-a)/n, i = 0..n.
void Min_Max_suchen(const std::string& term, Extended t, Extended a, Extended b, int n,
                    Extended& x_max, Extended& x_min);
bool Ist_null(Extended v);
bool Deutlich_kleiner(Extended u, Extended v);

// ---- integration and arc length -----------------------------------------------

constexpr uint8_t Methode_Gauss_Kronrod = 3, Methode_Romberg = 4;
constexpr int Romberg_Groesse = 42;
using Romberg_Schema = std::array<std::array<Extended, Romberg_Groesse>, Romberg_Groesse>;

struct Integrationszustand {
    uint8_t Integrationsmethode = Methode_Gauss_Kronrod;
    bool Grenzen_vertauscht = false;   // the last routine swapped its limits and negated its result
};
extern Integrationszustand Integration;

// Item of the method combo box -> method: 0 Gauss-Kronrod, 1 and 2 Romberg.
uint8_t Integrationsmethode_aus_Auswahl(int eintrag);

// Doublings stop at this panel count; beyond it the routines fail.
constexpr int32_t Verdopplung_Grenze = 1073741823;   // 2^30 - 1

Extended Trapez_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok);
Extended Simpson_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok);
// The same with a smaller panel limit (for callers that need a quicker answer).
Extended Trapez_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok,
                           int32_t n_hoechstens);
Extended Simpson_verdoppeln(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok,
                            int32_t n_hoechstens);
// The trapezoid doubling with its end and inner points asked of F, which may hold them
// ahead (the same value and failure as the overloads above); einzeln as
// Einzeln_auswerten(F.term()), which a caller asking piece after piece knows already.
Extended Trapez_verdoppeln(Punktquelle& F, Extended a, Extended b, Extended r, bool& ok, int32_t n_hoechstens,
                           bool einzeln);

// Gauss-Kronrod bisection gives up past this depth or this many pieces.
constexpr int GK_Tiefe_hoechstens = 100;
constexpr int32_t GK_Stuecke_hoechstens = 1 << 20;
Extended Gauss_Kronrod(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok);

Extended Romberg(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok);
// The scheme as far as it was formed: T[j][m] for m < Laenge[j]; level 0 holds the
// trapezoid sums with 2^m panels, level j the j-th extrapolation. Levels and
// indices 0..9 are in use; a failed run keeps what was formed before the failure.
// A run that stops at the last level without meeting eps keeps its value but says so
// in `Genauigkeit_erreicht`, so that no inaccurate value passes as exact.
struct Romberg_Verlauf {
    Romberg_Schema T{};
    std::array<int, Romberg_Groesse> Laenge{};
    bool Genauigkeit_erreicht = true;
};
// The same, handing out the scheme.
Extended Romberg(const std::string& term, Extended t, Extended a, Extended b, Extended eps, bool& ok,
                 Romberg_Verlauf& verlauf);

// Polygon length of the graph over [a; b]; shows its start note and can be
// cancelled with Escape. Negated when a > b.
Extended Bogenlaenge_berechnen(const std::string& term, Extended t, Extended a, Extended b, Extended r, bool& ok);

// ---- matrices ----------------------------------------------------------------

using Matrix = std::array<std::array<Extended, 42>, 45>;   // [row][column], used from (1, 1)
constexpr int Matrix_Zeilen_hoechstens = 44, Matrix_Spalten_hoechstens = 41;

// Pivots need an absolute value of at least 1E-12 (regression and interpolation).
void Matrix_rref(Matrix& A, int m, int n);
// One moment of the elimination worth showing: an entry (zeile, spalte) rejected as
// pivot, a pivot found there, the exchange bringing it to row `zeile`, the division
// of that row, the elimination in that column. `A` holds the m x n entries row by
// row after the step; it is empty when the step changed nothing (rejection, pivot found).
enum class Eliminationsart { verworfen, Pivot_gefunden, getauscht, geteilt, eliminiert };
struct Eliminationsschritt {
    Eliminationsart art;
    int zeile, spalte;
    std::vector<Extended> A;
};
// The matrix window's elimination (relative pivot threshold), handing out every step in order.
std::vector<Eliminationsschritt> Matrix_rref_verfolgen(Matrix& A, int m, int n);
// The matrix window's elimination: pivots need at least 1E-12 times the largest entry.
void Matrix_rref_relativ(Matrix& A, int m, int n);
Extended Determinante(Matrix A, int m);
int Rang(Matrix A, int m, int n);
Matrix Einheitsmatrix(int n);
Matrix Nullmatrix(int n);
// Transpose of the m x n matrix A: n rows, m columns.
Matrix Matrix_transponieren(const Matrix& A, int m, int n);
// The same; ok is false (and the result all 0) when the transpose has more than 41
// columns, as for an A of 42 to 44 rows, so that no caller shows zeros as the result.
Matrix Matrix_transponieren(const Matrix& A, int m, int n, bool& ok);
// [A | E] of the m x n matrix A and the m x m matrix E; false (C untouched) when
// the n + m columns do not fit.
bool Matrix_erweitern(const Matrix& A, int m, int n, const Matrix& E, Matrix& C);
// Columns k+1 .. letzte of the m-row matrix A as columns 1 .. letzte-k.
Matrix Spalten_entnehmen(const Matrix& A, int m, int letzte, int k);
// Entries beyond the number range become the largest value of their sign; the
// variants with `ok` report that as false.
Matrix Matrix_mal_Zahl(const Matrix& A, int m, int n, Extended r);
// P (m x k) times Q (k x p), each entry summed in increasing l.
Matrix Matrix_Produkt(const Matrix& P, const Matrix& Q, int m, int k, int p);
Matrix Matrix_Produkt(const Matrix& P, const Matrix& Q, int m, int k, int p, bool& ok);
// A^n of the m x m matrix A (A itself for n <= 1).
Matrix Matrix_Potenz(const Matrix& A, int m, int n);
Matrix Matrix_Potenz(const Matrix& A, int m, int n, bool& ok);
