// The arithmetic of one step at one point, shared by the block kernels and the
// single-point path so that both follow the same rules: the finiteness check of
// each operation, its message, and the integral power multiplied out.
#pragma once
#include "engine/UTermFunktionen.h"
#include "engine/UTermProgramm.h"

#include <cstdint>
#include <cstring>

// The same ten bytes: t and the tolerance under which folded subterms were computed
// (zeros told apart by sign, a NaN only equal to itself).
inline bool Gleiche_bits(Extended a, Extended b) {
    uint64_t ma, mb;
    uint16_t ea, eb;
    std::memcpy(&ma, &a, 8);
    std::memcpy(&mb, &b, 8);
    std::memcpy(&ea, reinterpret_cast<const char*>(&a) + 8, 2);
    std::memcpy(&eb, reinterpret_cast<const char*>(&b) + 8, 2);
    return ma == mb && ea == eb;
}

// The power step for one point. Checked: a failure is the power's own message.
template <bool Pruefen>
inline Extended ganzpotenz(Extended a, int32_t n, Punktmeldung m) {
    if constexpr (!Pruefen) {
        if (n == 2) return a * a;
        if (n == 3) return a * (a * a);
        return Ganzpotenz_wert(a, n);
    } else {
        Extended v = Ganzpotenz_wert(a, n);
        return Endlich(v) ? v : Fehler_im_Schritt(a, 0, Termfehler::Potenzieren, m);
    }
}

template <Schrittart A>
constexpr Termfehler meldung_von() {
    if constexpr (A == Schrittart::Addieren) return Termfehler::Addition;
    else if constexpr (A == Schrittart::Subtrahieren) return Termfehler::Subtraktion;
    else if constexpr (A == Schrittart::Multiplizieren) return Termfehler::Multiplikation;
    else if constexpr (A == Schrittart::Dividieren) return Termfehler::Division;
    else return Termfehler::Potenzieren;
}

template <Schrittart A, bool Pruefen>
inline Extended rechnen(Extended l, Extended r, Punktmeldung m) {
    Extended v;
    if constexpr (A == Schrittart::Addieren) v = l + r;
    else if constexpr (A == Schrittart::Subtrahieren) v = l - r;
    else if constexpr (A == Schrittart::Multiplizieren) v = l * r;
    else if constexpr (A == Schrittart::Dividieren) v = r != 0 ? l / r : NaN_Wert;
    else {
        if (std::isnan(l) || std::isnan(r)) return NaN_Wert;
        return Potenz(l, r, v) ? v : Fehler_im_Schritt(l, r, Termfehler::Potenzieren, m);
    }
    if constexpr (Pruefen)
        if (!Endlich(v)) [[unlikely]] return Fehler_im_Schritt(l, r, meldung_von<A>(), m);
    return v;
}
