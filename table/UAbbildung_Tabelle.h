// The 2D window's work on the table: mapping the points of a column pair into the
// two columns to its right, and the measures of a triangle written next to its
// vertices, so that neither overwrites the columns the points were read from.
#pragma once
#include "numeric/UAbbildung.h"
#include "numeric/UDreieck.h"
#include "table/UStringGrid.h"

#include <string>
#include <vector>

struct TAbbildungslauf {
    std::vector<TPunkt> Urbilder, Bilder;   // rows 1, 2, ... as far as the mapping got
    std::string Fehler;                      // empty, or why it stopped at the next row
};

// Maps rows 1 .. anzahl of the columns spalte (x) and spalte + 1 (y), each cell read
// with the table's cell rule. Stops at the first row with a cell that is no number, or
// whose image is not a finite number, and says which cell in Fehler.
TAbbildungslauf Punkte_abbilden(const TTabelle& T, int spalte, int anzahl, const TAbbildung& abb);

// The images into columns spalte + 2 and spalte + 3 from row 1 on, each in the general
// number text, and "Bildpunkte" above them; nothing else changes.
void Bildpunkte_schreiben(TTabelle& T, int spalte, const std::vector<TPunkt>& bilder);

// The first column of the triangle's measures when its vertices stand in the columns
// punktespalte, punktespalte + 1: the labels start right of the vertices.
inline int Dreieck_Ausgabespalte(int punktespalte) { return punktespalte + 2; }

// Sides, angles (degrees), area, centres, radii, midpoints, feet, altitudes and touch
// points into rows 1 to 17: labels in the first column, values in the next two, the
// second and third measure of a row further right. Only these cells change.
void Dreieck_ausgeben(TTabelle& T, int punktespalte, const TDreieck& d);
