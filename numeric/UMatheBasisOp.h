// Number text and plane geometry: the program's own number formatting with the
// decimal comma (never the C locale), fraction display, the cell-reading rule of
// the table, polynomial text, and the point routines of plane geometry.
#pragma once
#include "engine/UFunktionsParser.h"
#include <array>
#include <string>

std::string Zahl_formatieren(bool fix, int P, int D, Extended x);
std::string Zahl_als_Bruch(Extended x);
std::string Zahl_allgemein(Extended x);        // the table's general number text (15 significant digits)
bool Ist_ganzzahlig(Extended x);
bool Zelle_auswerten(const std::string& s, Extended& x, int& fehlerposition);
std::string Polynom_als_Text(const std::array<Extended, 43>& c, int n, bool fix, int P, int D, bool bruch);
void Mantisse_Exponent(Extended x, Extended& m, int& e);

// Display settings of the main window's output group, read by every window, and the
// shared coefficient array (entry k is the coefficient of x^k) printed by Polynom_als_Text.
struct Zahlausgabezustand {
    int Gesamtstellen = 9;        // P, 8 to 20
    int Nachkommastellen = 6;     // D, 0 to 17, never more than P - 3
    bool Fixkomma = false;
    bool Bruchdarstellung = false;
    std::array<Extended, 43> Koeffizienten{};
};
extern Zahlausgabezustand Zahlausgabe;

// The two combo boxes of the output group: each stores its choice (clamped to its
// range) and moves the other setting so that D <= P - 3 keeps holding.
void Gesamtstellen_waehlen(int P);       // P < D + 3 lowers D to P - 3
void Nachkommastellen_waehlen(int D);    // D > P - 3 raises P to D + 3
// Zahl_formatieren with the current display settings.
std::string Zahl_nach_Einstellung(Extended x);

// Moves the comma of a mantissa text («-1,5») e places (right for e > 0); at least
// one digit always follows the comma: («1,5», 3) gives «1500,0», («1,5», -2) «0,015».
std::string Komma_verschieben(const std::string& mantisse, int e);
// The program's standard formats. General: at most p significant digits, trailing
// zeros dropped, scientific («1,5E20», «1E-16») when the exponent is below -5 or at
// least p. Fixed: exactly d decimals, never a minus sign in front of a zero.
std::string Standardformat_allgemein(Extended x, int p);
std::string Standardformat_fix(Extended x, int d);

// Cell-reading rule: on failure x is 0 and fehlerposition the 1-based character
// position of the fault (position of "/" plus 1 for a bad or zero denominator,
// 1 for an arithmetic fault).
// Zellentext_als_Bruch: replaces s by its fraction text when it reads as a number.
bool Zellentext_als_Bruch(std::string& s);
Extended Grad_in_Bogenmass(Extended grad);
void Werte_tauschen(Extended& a, Extended& b);
void Ganzzahlen_tauschen(int& a, int& b);

struct TPunkt { Extended x = 0, y = 0; };
Extended Abstand(TPunkt A, TPunkt B);
TPunkt Mittelpunkt(TPunkt A, TPunkt B);
TPunkt Lotfusspunkt(TPunkt A, TPunkt B, TPunkt C);
void Mittelsenkrechte(TPunkt A, TPunkt B, TPunkt& E1, TPunkt& E2);
TPunkt Punkt_spiegeln(TPunkt P, TPunkt T, TPunkt Q);
TPunkt Punkt_drehen(TPunkt P, TPunkt M, Extended alpha_grad);
TPunkt Punkt_verschieben(TPunkt P, TPunkt R, TPunkt S);
TPunkt Punkt_strecken(TPunkt P, TPunkt Z, Extended k);
TPunkt Punkt_scheren(TPunkt P, char achse, Extended f);
TPunkt Punkt_Matrix_abbilden(TPunkt P, Extended M11, Extended M12, Extended M21, Extended M22);
