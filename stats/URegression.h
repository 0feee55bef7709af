// Regression models on a list of points: the least-squares lines (through the
// origin or free, with the line of smallest horizontal distances), polynomials of
// degree 2 to 5 by normal equations, the five linearised models, the terms and
// report texts the statistics window shows, and the vertical and horizontal
// distances of the points to a curve.
#pragma once
#include "numeric/UMatheBasisOp.h"

#include <array>
#include <span>
#include <string>
#include <vector>

// How a line fit ended: both lines, or one of them vertical. Model 0 with all x = 0
// has no line through the origin at all.
enum class TGeradenzustand { ok, m_unendlich, m2_unendlich, alle_x_null };

struct TGerade {
    Extended m = 0, b = 0, m2 = 0, b2 = 0, r = 0, xq = 0, yq = 0;
    TGeradenzustand Zustand = TGeradenzustand::ok;
};

TPunkt Schwerpunkt_berechnen(std::span<const TPunkt> p);
// Model 0 (durch_ursprung) or the centred line. A spread of the x values below
// 1E-10 of their size counts as no spread (vertical first line); a covariance
// below 1E-10 of sqrt(Sxx·Syy) as none (vertical second line).
TGerade Gerade_anpassen(std::span<const TPunkt> p, bool durch_ursprung);

// Degree d = 2..5 through the normal equations reduced by Matrix_rref; c[k] is the
// coefficient of x^k. False when the system is singular (fewer distinct x than d + 1)
// or a sum leaves the number range.
bool Polynom_anpassen(std::span<const TPunkt> p, int d, std::array<Extended, 43>& c);
Extended Korrelation_Polynom(std::span<const TPunkt> p, int d, const std::array<Extended, 43>& c);

// Models 6 to 10 through a line fit of transformed points.
struct TModell {
    Extended erster = 0, zweiter = 0, r = 0;
    bool x_negiert = false, y_negiert = false;
    std::string Fehler;   // the model's error message, empty when fitted
};
TModell Linearisiert_anpassen(int modell, std::span<const TPunkt> p);

// Minimum point count of a model and its message.
int Mindestanzahl(int modell);
std::string Mindestanzahl_Meldung(int modell);

// Number text of a fitted parameter, without alignment blanks: below 10^(-D) with
// 17 decimals so that it does not read 0.
std::string Regressionszahl_Text(Extended x, bool fix, int P, int D);
// Joins the sign of a term built from parts: "+-" becomes "-", "--" becomes "+".
std::string Vorzeichen_verbinden(std::string term);

// What the window shows for one model: the equation (into g, or f for model 10),
// the text for h, the message, and for lines the second line and vertical lines.
struct TRegressionsbericht {
    bool ok = false;
    std::string Meldung;
    std::string Term_g, Term_h, Term_f;   // empty: the field keeps its text
    bool zeichne_g = false, zeichne_h_gruen = false, zeichne_f = false;
    bool senkrecht_blau = false, senkrecht_gruen = false;
    Extended x_senkrecht = 0;
};
struct TZahlformat { bool fix = false; int P = 9, D = 6; bool bruch = false; };
TRegressionsbericht Regression_berechnen(int modell, std::span<const TPunkt> p, bool zweite_gerade,
                                         const TZahlformat& f);

// Distances of the points to the curve of `term` at the family parameter t:
// vertical (ŷ = term(x)) or horizontal (x̂ = the zero of term - y by Newton from x).
struct TEntfernung { TPunkt P; Extended Fuss = 0; bool definiert = false; };
struct TEntfernungen {
    std::vector<TEntfernung> Punkte;
    Extended Summe = 0, Summe_Quadrate = 0;
    int gemessen = 0, nicht_definiert = 0;
};
TEntfernungen Entfernungen_berechnen(const std::string& term, Extended t, std::span<const TPunkt> p,
                                     bool senkrecht);
std::string Entfernungen_Meldung(const TEntfernungen& e, bool senkrecht, const TZahlformat& f);
