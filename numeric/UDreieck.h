// The notable points, lines and circles of a triangle ABC: sides, angles, area,
// midpoints, centroid, circumcircle, altitudes and their feet, orthocentre, the
// angle bisectors' auxiliary points, incircle and its touch points. Pure data; the
// triangle window draws them and writes them into the table.
#pragma once
#include "numeric/UMatheBasisOp.h"

struct TDreieck {
    TPunkt A, B, C;
    Extended a2 = 0, b2 = 0, c2 = 0;          // squared sides |BC|², |CA|², |AB|²
    Extended a = 0, b = 0, c = 0;
    Extended alpha = 0, beta = 0, gamma = 0;  // radians
    Extended Flaeche = 0;
    TPunkt Ma, Mb, Mc;                        // midpoints of BC, AC, AB
    TPunkt S;                                 // centroid
    TPunkt U;                                 // circumcentre
    Extended R = 0;
    TPunkt Ha, Hb, Hc;                        // feet of the altitudes from A, B, C
    Extended ha = 0, hb = 0, hc = 0;
    TPunkt H;                                 // orthocentre
    TPunkt WA, WB, WC;                        // one point on each angle bisector
    TPunkt I;                                 // incentre
    TPunkt Ta, Tb, Tc;                        // incircle touch points on BC, AC, AB
    Extended r = 0;
};

// False for a degenerate triangle (coincident or collinear vertices, judged relative
// to the triangle's size), and when any measure does not come out finite; d is then
// left unspecified.
bool Dreieck_berechnen(TPunkt A, TPunkt B, TPunkt C, TDreieck& d);

// Intersection of the line P1P2 with the line Q1Q2; false for parallel lines.
bool Geraden_schneiden(TPunkt P1, TPunkt P2, TPunkt Q1, TPunkt Q2, TPunkt& S);
