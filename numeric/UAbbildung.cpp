#include "numeric/UAbbildung.h"

TPunkt Punkt_abbilden(const TAbbildung& abb, TPunkt P) {
    switch (abb.Art) {
    case Abbildungsart::Achsenspiegelung: return Punkt_spiegeln(P, abb.T, abb.Q);
    case Abbildungsart::Drehung: return Punkt_drehen(P, abb.M, abb.alpha);
    case Abbildungsart::Verschiebung: return Punkt_verschieben(P, abb.R, abb.S);
    case Abbildungsart::Zentrische_Streckung: return Punkt_strecken(P, abb.Z, abb.k);
    case Abbildungsart::Scherung: return Punkt_scheren(P, abb.Achse, abb.f);
    case Abbildungsart::Matrix: return Punkt_Matrix_abbilden(P, abb.M11, abb.M12, abb.M21, abb.M22);
    }
    return P;
}

