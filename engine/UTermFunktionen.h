// The built-in functions of the term language with their failure messages and
// the jump and kink flags they raise near SGN's zero, FLOOR's steps and ABS's kink.
#pragma once
#include "engine/UFunktionsParser.h"

#include <cstdint>
#include <string>

enum Funktionsnummer : uint8_t {
    F_SQR, F_SQRT, F_LN, F_LG, F_LD, F_ABS, F_SIN, F_COS, F_TAN, F_COT, F_ARCTAN,
    F_SGN, F_FLOOR, F_GAUF, F_NORMAL, F_RANDOM, F_ARCSIN, F_ARCCOS, F_COSH, F_SINH,
    F_TANH, F_COTH, F_ARSINH, F_ARCOSH, F_ARTANH, F_ARCOTH, F_ARCCOT, F_MOD,
    F_KEINE
};

// The function a name selects: looked up at the first occurrence of the name in
// the function table text; F_KEINE when that is no function's start (or MOD).
Funktionsnummer Funktion_suchen(const std::string& name);

// Applies f to a. A failure returns a NaN after setting Term_Fehler (and the
// message where the function has one); a NaN argument passes through silently.
Extended Funktion_anwenden(Funktionsnummer f, Extended a, Extended toleranz);

// Marks the current evaluation as failed with a message (nullptr: keep the old text).
void Fehler_setzen(const char* text);
// Gives a failed value for a step with inputs l and r: silent when an input had
// already failed, else sets the failure with the step's message.
Extended Fehler_im_Schritt(Extended l, Extended r, const char* text);

// An integral value within the 32-bit range (cheaper than rounding through libm).
inline bool Ganzzahl_32(Extended v) {
    return v >= -2147483647.0L && v <= 2147483647.0L && Extended(static_cast<int64_t>(v)) == v;
}

// Normal distribution function; stable beyond the range where the series is exact.
Extended Gauss_Verteilung(Extended a, bool& ok);

// Set when the running evaluation has written a message of its own (Term_pruefen
// must not take an older term's text for this term's failure).
extern bool Meldung_in_dieser_Auswertung;
