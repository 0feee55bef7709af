// Small computations behind the column and construction buttons of the statistics
// window: the binomial distribution, the Lehmer generator, the vertices of a regular
// polygon and the perpendicular from a point onto the line f. Plain values in, plain
// values out; the window writes the table and draws.
#pragma once
#include "numeric/UMatheBasisOp.h"

#include <cstdint>
#include <string>
#include <vector>

// C(n, k)·p^k·(1 - p)^(n-k) without forming the binomial coefficient.
Extended Binomial_Wahrscheinlichkeit(int n, int k, Extended p);

// One step (a·x + c) mod m in 32-bit signed arithmetic: the product and the sum wrap
// around modulo 2^32, the remainder has the sign of the dividend. m must not be 0.
int32_t Lehmer_Schritt(int32_t x, int32_t a, int32_t c, int32_t m);

// The vertices of the regular polygon with centre M, side s and n corners (y of the
// second point, rounded half to even), the first vertex repeated at the end: n + 1
// points. False with a message for fewer than 3 corners or more than 1499.
bool Regelmaessiges_Vieleck(TPunkt M, Extended s, Extended n_wert, std::vector<TPunkt>& ecken, std::string& meldung);

// The line f through A = (0, f(0)) and B = (5, f(5)) at parameter t, and the foot F of
// the perpendicular from P. False with a message when f is undefined at 0 or 5.
bool Lot_auf_f(const std::string& term, Extended t, TPunkt P, TPunkt& A, TPunkt& B, TPunkt& F, std::string& meldung);
