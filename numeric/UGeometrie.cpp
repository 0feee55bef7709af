// Point routines of plane geometry; declared at the end of numeric/UMatheBasisOp.h.
// Every routine takes its points by value, so a result may replace an input.
#include "numeric/UMatheBasisOp.h"

#include <cmath>

Extended Abstand(TPunkt A, TPunkt B) {
    Extended dx = B.x - A.x, dy = B.y - A.y;
    return std::sqrt(dx * dx + dy * dy);
}

TPunkt Mittelpunkt(TPunkt A, TPunkt B) { return {(A.x + B.x) / 2, (A.y + B.y) / 2}; }

TPunkt Lotfusspunkt(TPunkt A, TPunkt B, TPunkt C) {
    Extended dx = C.x - B.x, dy = C.y - B.y, nenner = dx * dx + dy * dy;
    // Coincident points, or a length that underflows to 0, leave no direction: the
    // line is taken as vertical. Steep lines are projected like any other, so a
    // point on the line is its own foot however steep the line is.
    if (dx == 0 || nenner == 0) return {B.x, A.y};
    Extended t = ((A.x - B.x) * dx + (A.y - B.y) * dy) / nenner;
    return {B.x + t * dx, B.y + t * dy};
}

void Mittelsenkrechte(TPunkt A, TPunkt B, TPunkt& E1, TPunkt& E2) {
    TPunkt M = Mittelpunkt(A, B);
    E1 = Punkt_drehen(A, M, 90);
    E2 = Punkt_drehen(B, M, 90);
}

TPunkt Punkt_spiegeln(TPunkt P, TPunkt T, TPunkt Q) {
    TPunkt F = Lotfusspunkt(P, T, Q);
    return {2 * F.x - P.x, 2 * F.y - P.y};
}

TPunkt Punkt_drehen(TPunkt P, TPunkt M, Extended alpha_grad) {
    Extended a = Grad_in_Bogenmass(alpha_grad), u = P.x - M.x, v = P.y - M.y;
    Extended c = std::cos(a), s = std::sin(a);
    return {u * c - v * s + M.x, u * s + v * c + M.y};
}

TPunkt Punkt_verschieben(TPunkt P, TPunkt R, TPunkt S) { return {P.x + S.x - R.x, P.y + S.y - R.y}; }

TPunkt Punkt_strecken(TPunkt P, TPunkt Z, Extended k) {
    return {(P.x - Z.x) * k + Z.x, (P.y - Z.y) * k + Z.y};
}

TPunkt Punkt_scheren(TPunkt P, char achse, Extended f) {
    if (achse == 'x' || achse == 'X') return {P.x + f * P.y, P.y};
    if (achse == 'y' || achse == 'Y') return {P.x, P.y + f * P.x};
    return P;
}

TPunkt Punkt_Matrix_abbilden(TPunkt P, Extended M11, Extended M12, Extended M21, Extended M22) {
    return {M11 * P.x + M12 * P.y, M21 * P.x + M22 * P.y};
}
