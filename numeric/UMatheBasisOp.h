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
