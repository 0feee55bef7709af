// The built-in functions of the term language in one table (name, number,
// evaluator), the texts of every failure kind, and what a single point of an
// evaluation collects: its jump and kink flags and its last message.
#pragma once
#include "engine/UFunktionsParser.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

enum Funktionsnummer : uint8_t {
    F_SQR, F_SQRT, F_LN, F_LG, F_LD, F_ABS, F_SIN, F_COS, F_TAN, F_COT, F_ARCTAN,
    F_SGN, F_FLOOR, F_GAUF, F_NORMAL, F_RANDOM, F_ARCSIN, F_ARCCOS, F_COSH, F_SINH,
    F_TANH, F_COTH, F_ARSINH, F_ARCOSH, F_ARTANH, F_ARCOTH, F_ARCCOT, F_MOD,
    F_KEINE
};

// What one point of an evaluation has met so far: the Marke_* flags and the kind
// of the last message (Keiner while none was set), held in the block's arrays.
struct Punktmeldung {
    uint8_t& marken;
    Termfehler& fehler;
    void scheitern(Termfehler f) const {
        marken |= Marke_Fehler;
        if (f != Termfehler::Keiner) fehler = f;
    }
};

// f(a) for a number a (NaN arguments never reach it); a failure calls
// m.scheitern and gives a NaN. tol is the jump tolerance.
using Funktionsauswerter = Extended (*)(Extended a, Extended tol, Punktmeldung& m);
// The same evaluator over n points: z[i] = f(a[i]) (a[0] for every point when
// a_fest), each point reporting into its own marken[i] and fehler[i]; a NaN
// argument passes through silently.
using Funktionsreihe = void (*)(const Extended* a, bool a_fest, Extended* z, size_t n, Extended tol,
                                uint8_t* marken, Termfehler* fehler);
struct Termfunktion {
    const char* name;
    Funktionsnummer nummer;
    Funktionsauswerter wert;
    Funktionsreihe reihe;   // wert inlined into the loop over a block
};
// In the order of the function table text; MOD is listed but has no evaluator.
extern const std::array<Termfunktion, F_KEINE> Funktionen;

// The function a name selects: looked up at the first occurrence of the name in
// the function table text; F_KEINE when that is no function's start (or MOD).
Funktionsnummer Funktion_suchen(std::string_view name);

inline constexpr Extended NaN_Wert = std::numeric_limits<Extended>::quiet_NaN();

// Finite and not a NaN, in one comparison.
inline bool Endlich(Extended v) { return std::fabs(v) <= std::numeric_limits<Extended>::max(); }

// A failed value for a step with inputs l and r: silent when an input had already
// failed (a NaN), else the point fails with the step's message.
inline Extended Fehler_im_Schritt(Extended l, Extended r, Termfehler f, Punktmeldung m) {
    if (std::isnan(l) || std::isnan(r)) return NaN_Wert;
    m.scheitern(f);
    return NaN_Wert;
}

// The evaluators of the commonest functions, here so that the single evaluation
// can run them inline; the table holds the same ones.
inline Extended Wurzel_wert(Extended a, Extended, Punktmeldung& m) {
    if (a < 0) {
        m.scheitern(Termfehler::Radikand);
        return NaN_Wert;
    }
    return std::sqrt(a);
}

inline Extended Betrag_wert(Extended a, Extended tol, Punktmeldung& m) {
    if (std::fabs(a) < tol) m.marken |= Marke_Knickstelle;
    return std::fabs(a);
}

inline Extended Signum_wert(Extended a, Extended tol, Punktmeldung& m) {
    if (std::fabs(a) <= tol) {
        m.marken |= Marke_Sprungstelle | Marke_Signum_Null;
        return 0;
    }
    return a < 0 ? -1 : 1;
}

// A value of the library's function that is not finite fails (with the message
// where the function has one).
template <Extended (*F)(Extended), Termfehler Meldung = Termfehler::Keiner>
inline Extended Endlich_oder_Fehler(Extended a, Extended, Punktmeldung& m) {
    const Extended v = F(a);
    if (std::isfinite(v)) return v;
    m.scheitern(Meldung);
    return NaN_Wert;
}

template <Extended (*F)(Extended), Termfehler Meldung>
inline Extended Logarithmus_wert(Extended a, Extended, Punktmeldung& m) {
    if (a <= 0) {
        m.scheitern(Meldung);
        return NaN_Wert;
    }
    return F(a);
}

// A 32-bit integer, so a larger a fails; flags only just right of an integer.
inline Extended Abrunden_wert(Extended a, Extended tol, Punktmeldung& m) {
    const Extended g = std::floor(a);
    if (g < -2147483648.0L || g > 2147483647.0L) {
        m.scheitern(Termfehler::Keiner);
        return NaN_Wert;
    }
    if (a - g < tol) m.marken |= Marke_Sprungstelle;
    return g;
}

inline Extended Sinus(Extended a) { return std::sin(a); }
inline Extended Kosinus(Extended a) { return std::cos(a); }
inline Extended Tangens(Extended a) { return std::tan(a); }
inline Extended Arkustangens(Extended a) { return std::atan(a); }
inline Extended Log_e(Extended a) { return std::log(a); }
inline Extended Log_10(Extended a) { return std::log10(a); }
inline Extended Log_2(Extended a) { return std::log2(a); }
inline Extended Quadrat(Extended a) { return a * a; }

// An integral value within the 32-bit range (cheaper than rounding through libm).
inline bool Ganzzahl_32(Extended v) {
    return v >= -2147483647.0L && v <= 2147483647.0L && Extended(static_cast<int64_t>(v)) == v;
}

// a^n for a constant integral n: squares and cubes multiplied out exactly as the
// repeated squaring of Potenz would; a NaN when the power fails.
inline Extended Ganzpotenz_wert(Extended a, int32_t n) {
    Extended v;
    if (n == 2) v = a * a;
    else if (n == 3) v = a * (a * a);
    else return Potenz(a, Extended(n), v) ? v : NaN_Wert;
    if (Endlich(v)) return v;
    return Potenz(a, Extended(n), v) ? v : NaN_Wert;
}

// Normal distribution function; stable beyond the range where the series is exact.
Extended Gauss_Verteilung(Extended a, bool& ok);
