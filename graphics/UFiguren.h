// The drawings of the 2D window and the tree window in the main image: a mapping's
// parameters and auxiliary lines, a triangle's notable points, lines and circles
// in their fixed colours and order, and the tree diagram of a Bernoulli chain.
#pragma once
#include "graphics/UGrafik.h"
#include "numeric/UAbbildung.h"
#include "numeric/UBaumdiagramm.h"
#include "numeric/UDreieck.h"

#include <array>
#include <cstdint>
#include <string>

// Mirror line Q–T (green), the current point symbol at the rotation or dilation
// centre, the translation vector R→S (black, green head); nothing for shear and matrix.
void Abbildungsparameter_zeichnen(QPaintDevice& bild, const TAbbildung& abb);
// What joins P to its image B: dotted black lines (for the rotation also the dotted
// arc about M from P to B), a black arrow for the translation, nothing for the matrix.
void Hilfslinien_zeichnen(QPaintDevice& bild, const TAbbildung& abb, TPunkt P, TPunkt B);

// The eighteen items of the triangle, in drawing order.
enum Dreieckselement : int {
    D_Schwerpunkt, D_Umkreismittelpunkt, D_Inkreismittelpunkt, D_Hoehenschnittpunkt,
    D_Seitenmittelpunkte, D_Inkreislotpunkte, D_Hoehenfusspunkte, D_Seitenhalbierenden,
    D_Mittelsenkrechten, D_Winkelhalbierenden, D_Hoehen, D_Mittelparallelen, D_Umkreis, D_Inkreis,
    D_Umkreisradius, D_Inkreisradius, D_Eckpunkte_beschriften, D_Eulergerade, D_Anzahl
};
using TDreieckswahl = std::array<bool, D_Anzahl>;

// The colour of each item (0x00BBGGRR); the vertex letters take the line colour.
uint32_t Dreieckselement_Farbe(int element, uint32_t linienfarbe);

// Draws the ticked items in order with the point symbol art/radius; the letters of
// the vertices in the given style. Gives the colour of the last item drawn (the
// point colour it leaves), or punktfarbe when nothing was ticked.
uint32_t Dreieck_zeichnen(QPaintDevice& bild, const TDreieck& d, const TDreieckswahl& wahl, int art, int radius,
                          uint32_t linienfarbe, uint32_t punktfarbe, Schriftstil textstil);

struct TBaumstil {
    std::string Erfolg = "w", Misserfolg = "f";
    bool Wsk_an_Aeste = true, Pfadwahrsch = true, Text_an_Aeste = true;
    uint32_t Farbe_Erfolg = 0x0000FF, Farbe_Misserfolg = 0xFF0000;
};

// The root dot on a white image, the branches, the nodes with their texts and branch
// probabilities, and the unreduced path fractions under the leaves.
void Baum_zeichnen(QPaintDevice& bild, const TBaum& baum, const TBaumstil& stil);
