// The six plane mappings of the 2D window with their parameters; pure data, the
// window draws the images and writes them into the table.
#pragma once
#include "numeric/UMatheBasisOp.h"

enum class Abbildungsart : int {
    Achsenspiegelung = 0, Drehung = 1, Verschiebung = 2, Zentrische_Streckung = 3, Scherung = 4, Matrix = 5
};

struct TAbbildung {
    Abbildungsart Art = Abbildungsart::Achsenspiegelung;
    TPunkt T{5, 7}, Q{-6, -5};          // mirror line through T and Q
    TPunkt M{-1, -2};                   // rotation centre
    Extended alpha = 70;                // degrees
    TPunkt R{1, -2}, S{-5, -4};         // translation vector from R to S
    TPunkt Z{7, 5};                     // dilation centre
    Extended k = 2;
    Extended f = 0.7L;                  // shear factor
    char Achse = 'x';                   // shear axis
    Extended M11 = 0.3L, M12 = 0.6L, M21 = 0.7L, M22 = 0.4L;
};

TPunkt Punkt_abbilden(const TAbbildung& abb, TPunkt P);
