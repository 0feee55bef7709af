// The hints of the analysis buttons say what a click would do with the curves in
// use: which of f, g, h are ticked, whether the sequences window offers its
// parametric curve to the tangent, and whether the value table adds F. The texts
// are built here without a window, so that they can be checked case by case.
#pragma once
#include <string>

struct Hinweislage {
    bool f = false, g = false, h = false;
    bool Parameterkurve = false;   // "x(t),y(t)" ticked in the sequences window
    bool polar = false;            // ... and "wähle Polardarstellung" too
    bool F_tabellieren = false;    // "Integralfunktion F(u,x) ebenfalls tabellieren"
};

struct Werkzeughinweise {
    std::string Schnitt, Flaeche, Integral, Rotation, Bogen, Tangente, Wertetabelle;
};

Werkzeughinweise Werkzeughinweise_bilden(const Hinweislage& lage);
