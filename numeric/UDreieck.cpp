#include "numeric/UDreieck.h"

#include <algorithm>
#include <cmath>

namespace {

Extended Quadrat_Abstand(TPunkt P, TPunkt Q) {
    const Extended dx = Q.x - P.x, dy = Q.y - P.y;
    return dx * dx + dy * dy;
}

// Rounding can push the cosine a hair beyond ±1 in a very flat (but accepted) triangle.
Extended Winkel(Extended gegen2, Extended s1_2, Extended s1, Extended s2) {
    Extended k = (s1_2 + s2 * s2 - gegen2) / (2 * s1 * s2);
    return std::acos(std::clamp(k, Extended(-1), Extended(1)));
}

// A point on the bisector at V: the longer side's far end and the point at the same
// distance on the shorter side, and their midpoint.
TPunkt Winkelhalbierende_Punkt(TPunkt V, TPunkt X, TPunkt Y) {
    const Extended vx = Abstand(V, X), vy = Abstand(V, Y);
    TPunkt lang = X, kurz = Y;
    Extended m = vx, k = vy;
    if (vy > vx) { lang = Y; kurz = X; m = vy; k = vx; }
    const TPunkt P2{V.x + m / k * (kurz.x - V.x), V.y + m / k * (kurz.y - V.y)};
    return Mittelpunkt(lang, P2);
}

bool endlich(TPunkt P) { return std::isfinite(P.x) && std::isfinite(P.y); }

bool alles_endlich(const TDreieck& d) {
    for (TPunkt P : {d.Ma, d.Mb, d.Mc, d.S, d.U, d.Ha, d.Hb, d.Hc, d.H, d.WA, d.WB, d.WC, d.I, d.Ta, d.Tb, d.Tc})
        if (!endlich(P)) return false;
    for (Extended v : {d.a, d.b, d.c, d.alpha, d.beta, d.gamma, d.Flaeche, d.R, d.ha, d.hb, d.hc, d.r})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

bool Geraden_schneiden(TPunkt P1, TPunkt P2, TPunkt Q1, TPunkt Q2, TPunkt& S) {
    // P1 + s·(P2 − P1) = Q1 + u·(Q2 − Q1), solved for s by Cramer's rule.
    const Extended a11 = P2.x - P1.x, a12 = -(Q2.x - Q1.x);
    const Extended a21 = P2.y - P1.y, a22 = -(Q2.y - Q1.y);
    const Extended b1 = Q1.x - P1.x, b2 = Q1.y - P1.y;
    const Extended det = a11 * a22 - a12 * a21;
    const Extended groesse = std::max({std::fabs(a11 * a22), std::fabs(a12 * a21)});
    if (det == 0 || std::fabs(det) <= 1e-15L * groesse) return false;
    const Extended s = (b1 * a22 - a12 * b2) / det;
    S = {P1.x + s * a11, P1.y + s * a21};
    return endlich(S);
}

bool Dreieck_berechnen(TPunkt A, TPunkt B, TPunkt C, TDreieck& d) {
    d = TDreieck{};
    d.A = A, d.B = B, d.C = C;
    d.a2 = Quadrat_Abstand(B, C), d.b2 = Quadrat_Abstand(C, A), d.c2 = Quadrat_Abstand(A, B);
    // Twice the signed area against the square of the longest side: zero (or rounding
    // noise) for coincident or collinear vertices, whatever the triangle's scale.
    const Extended kreuz = (B.x - A.x) * (C.y - A.y) - (B.y - A.y) * (C.x - A.x);
    const Extended laengste2 = std::max({d.a2, d.b2, d.c2});
    if (!std::isfinite(kreuz) || !std::isfinite(laengste2) || laengste2 == 0 ||
        std::fabs(kreuz) <= 1e-12L * laengste2)
        return false;
    d.a = std::sqrt(d.a2), d.b = std::sqrt(d.b2), d.c = std::sqrt(d.c2);

    d.alpha = Winkel(d.a2, d.b2, d.b, d.c);
    d.beta = Winkel(d.b2, d.a2, d.a, d.c);
    d.gamma = Winkel(d.c2, d.a2, d.a, d.b);
    d.Flaeche = 0.5L * d.b * d.c * std::sin(d.alpha);

    d.Ma = Mittelpunkt(B, C), d.Mb = Mittelpunkt(A, C), d.Mc = Mittelpunkt(B, A);
    d.S = {(A.x + B.x + C.x) / 3, (A.y + B.y + C.y) / 3};

    const Extended a11 = 2 * (A.x - B.x), a12 = 2 * (A.y - B.y), a21 = 2 * (A.x - C.x), a22 = 2 * (A.y - C.y);
    const Extended b1 = (A.x * A.x + A.y * A.y) - (B.x * B.x + B.y * B.y);
    const Extended b2 = (A.x * A.x + A.y * A.y) - (C.x * C.x + C.y * C.y);
    const Extended det = a11 * a22 - a12 * a21;
    d.U = {(b1 * a22 - a12 * b2) / det, (a11 * b2 - b1 * a21) / det};
    d.R = Abstand(A, d.U);

    d.Ha = Lotfusspunkt(A, B, C), d.Hb = Lotfusspunkt(B, A, C), d.Hc = Lotfusspunkt(C, A, B);
    d.ha = Abstand(A, d.Ha), d.hb = Abstand(B, d.Hb), d.hc = Abstand(C, d.Hc);
    if (!Geraden_schneiden(C, d.Hc, A, d.Ha, d.H)) return false;

    d.WA = Winkelhalbierende_Punkt(A, B, C);
    d.WB = Winkelhalbierende_Punkt(B, A, C);
    d.WC = Winkelhalbierende_Punkt(C, A, B);
    if (!Geraden_schneiden(A, d.WA, B, d.WB, d.I)) return false;
    d.Ta = Lotfusspunkt(d.I, B, C), d.Tb = Lotfusspunkt(d.I, A, C), d.Tc = Lotfusspunkt(d.I, A, B);
    d.r = Abstand(d.Tb, d.I);
    return alles_endlich(d);
}
