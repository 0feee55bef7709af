#include "engine/UTermFunktionen.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

bool Meldung_in_dieser_Auswertung = false;

namespace {

constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended Pi = std::numbers::pi_v<Extended>;
const char* const Funktionstabelle =
    "SQR SQRT LN LG LD ABS SIN COS TAN COT ARCTAN SGN FLOOR GAUF NORMAL RANDOM "
    "ARCSIN ARCCOS COSH SINH TANH COTH ARSINH ARCOSH ARTANH ARCOTH ARCCOT MOD";

bool endlich(Extended v) { return std::isfinite(v); }

Extended scheitern(const char* text) {
    Fehler_setzen(text);
    return NaN;
}

// The generator of RANDOM: never seeded, so every start gives the same sequence.
uint32_t zufall_zustand = 0;
uint32_t zufall_naechster() {
    zufall_zustand = zufall_zustand * 1664525u + 1013904223u;
    return zufall_zustand;
}

Extended cosh_wert(Extended a, bool& ok) {
    ok = true;
    if (std::fabs(a) <= 1E-16L) return 1;
    Extended v = (std::exp(a) + std::exp(-a)) / 2;
    ok = endlich(v);
    return v;
}

Extended sinh_wert(Extended a, bool& ok) {
    ok = true;
    if (std::fabs(a) <= 1E-16L) return 0;
    Extended v = (std::exp(a) - std::exp(-a)) / 2;
    ok = endlich(v);
    return v;
}

Extended tanh_wert(Extended a, bool& ok) {
    ok = true;
    if (std::fabs(a) <= 1E-16L) return 0;
    bool ok1, ok2;
    Extended s = sinh_wert(a, ok1), c = cosh_wert(a, ok2);
    ok = ok1 && ok2;
    return ok ? s / c : NaN;
}

// ln of a quotient or sum that may be out of the logarithm's domain.
Extended ln_geprueft(Extended v, bool& ok) {
    ok = endlich(v) && v > 0;
    return ok ? std::log(v) : NaN;
}

Extended hyperbel_umkehr(Funktionsnummer f, Extended a) {
    bool ok = false;
    Extended v = NaN;
    switch (f) {
    case F_ARSINH: {
        Extended q = a * a + 1;
        if (endlich(q)) v = ln_geprueft(a + std::sqrt(q), ok);
        return ok ? v : scheitern("a zu groß bei arsinh");
    }
    case F_ARCOSH: {
        Extended q = (a - 1) / (a + 1);
        if (endlich(q) && q >= 0) v = ln_geprueft(a + (a + 1) * std::sqrt(q), ok);
        return ok ? v : scheitern("a<1 oder a zu groß bei arcosh");
    }
    case F_ARTANH:
        v = ln_geprueft((a + 1) / (1 - a), ok);
        return ok ? v / 2 : scheitern("|a|>=1 nicht erlaubt bei artanh");
    default:   // F_ARCOTH
        v = ln_geprueft((a + 1) / (a - 1), ok);
        return ok ? v / 2 : scheitern("|a|<=1 nicht erlaubt bei arcoth");
    }
}

Extended hyperbel(Funktionsnummer f, Extended a) {
    bool ok;
    switch (f) {
    case F_COSH: { Extended v = cosh_wert(a, ok); return ok ? v : scheitern("a zu groß für cosh"); }
    case F_SINH: { Extended v = sinh_wert(a, ok); return ok ? v : scheitern("a zu groß für sinh"); }
    case F_TANH: { Extended v = tanh_wert(a, ok); return ok ? v : scheitern("a zu groß für tanh"); }
    default: {   // F_COTH
        Extended v = tanh_wert(a, ok);
        if (!ok || v == 0) return scheitern("a=0 oder a zu groß bei coth");
        return 1 / v;
    }
    }
}

Extended logarithmus(Funktionsnummer f, Extended a) {
    switch (f) {
    case F_LN: return a <= 0 ? scheitern("ln(a<=0) nicht erlaubt") : std::log(a);
    case F_LG: return a <= 0 ? scheitern("lg(a<=0) nicht erlaubt") : std::log10(a);
    default: return a <= 0 ? scheitern("ld(a<=0) nicht erlaubt") : std::log2(a);
    }
}

Extended kreis(Funktionsnummer f, Extended a) {
    switch (f) {
    case F_SIN: return std::sin(a);
    case F_COS: return std::cos(a);
    case F_TAN: {
        Extended v = std::tan(a);
        return endlich(v) ? v : scheitern("tan((2n+1)*pi/2) nicht erlaubt");
    }
    case F_COT: {
        Extended t = std::tan(a);
        Extended v = t == 0 ? NaN : 1 / t;
        return endlich(v) ? v : scheitern("cot(n*pi) nicht erlaubt");
    }
    case F_ARCTAN: return std::atan(a);
    case F_ARCSIN:
        if (std::fabs(a) > 1) return scheitern("|a|>1 nicht erlaubt bei arcsin");
        return std::atan2(a, std::sqrt(1 - a * a));
    case F_ARCCOS:
        if (std::fabs(a) > 1) return scheitern("|a|>1 nicht erlaubt bei arccos");
        return std::atan2(std::sqrt(1 - a * a), a);
    default:   // F_ARCCOT
        if (a > 1E-10L) return std::atan(1 / a);
        if (a < -1E-10L) return std::atan(1 / a) + Pi;
        return Pi / 2;
    }
}

Extended sprung(Funktionsnummer f, Extended a, Extended tol) {
    switch (f) {
    case F_ABS:
        if (std::fabs(a) < tol) Parser.Knickstelle = true;
        return std::fabs(a);
    case F_SGN:
        if (std::fabs(a) <= tol) {
            Parser.Sprungstelle = Parser.Signum_Null = true;
            return 0;
        }
        return a < 0 ? -1 : 1;
    default: {   // F_FLOOR: a 32-bit integer, so a larger a fails
        Extended g = std::floor(a);
        if (g < -2147483648.0L || g > 2147483647.0L) return scheitern(nullptr);
        if (a - g < tol) Parser.Sprungstelle = true;
        return g;
    }
    }
}

Extended zufall(Extended a) {
    Extended n = std::nearbyint(a);   // halves to the even neighbour
    // No meaningful draw from fewer than one value: fail like an overflow.
    if (!(n >= 1) || n > 2147483647.0L) return scheitern(nullptr);
    uint64_t r = uint64_t(zufall_naechster()) * uint64_t(n);
    return Extended(r >> 32);
}

}  // namespace

void Zufall_setzen(uint32_t zustand) { zufall_zustand = zustand; }

void Fehler_setzen(const char* text) {
    Parser.Term_Fehler = true;
    if (text) {
        Parser.Term_Fehlertext = text;
        Meldung_in_dieser_Auswertung = true;
    }
}

Extended Fehler_im_Schritt(Extended l, Extended r, const char* text) {
    if (std::isnan(l) || std::isnan(r)) return NaN;
    return scheitern(text);
}

Funktionsnummer Funktion_suchen(const std::string& name) {
    static const char* const namen[] = {
        "SQR", "SQRT", "LN", "LG", "LD", "ABS", "SIN", "COS", "TAN", "COT", "ARCTAN",
        "SGN", "FLOOR", "GAUF", "NORMAL", "RANDOM", "ARCSIN", "ARCCOS", "COSH", "SINH",
        "TANH", "COTH", "ARSINH", "ARCOSH", "ARTANH", "ARCOTH", "ARCCOT", "MOD"};
    const char* fund = name.empty() ? nullptr : std::strstr(Funktionstabelle, name.c_str());
    if (!fund) return F_KEINE;
    size_t stelle = size_t(fund - Funktionstabelle);
    size_t start = 0;
    for (int i = 0; i < F_KEINE; ++i) {
        if (start == stelle) return i == F_MOD ? F_KEINE : Funktionsnummer(i);
        start += std::strlen(namen[i]) + 1;
    }
    return F_KEINE;
}

Extended Gauss_Verteilung(Extended a, bool& ok) {
    ok = true;
    // The series cancels terms of size e^(a²/2): beyond |a| = 5 it would lose
    // the digits that matter, so the complementary error function takes over.
    if (std::fabs(a) > 5) return std::erfc(-a / std::numbers::sqrt2_v<Extended>) / 2;
    Extended summe = a, potenz = a, fakultaet = 1, zweier = 1;
    for (int k = 1; k < 400; ++k) {
        potenz *= -a * a;
        fakultaet *= k;
        zweier *= 2;
        Extended glied = potenz / ((2 * k + 1) * zweier * fakultaet);
        summe += glied;
        if (std::fabs(glied) < 1E-10L) break;
    }
    return 0.5L + summe / std::sqrt(2 * Pi);
}

Extended Funktion_anwenden(Funktionsnummer f, Extended a, Extended tol) {
    if (std::isnan(a)) return a;
    switch (f) {
    case F_SQR: {
        Extended v = a * a;
        return endlich(v) ? v : scheitern(nullptr);
    }
    case F_SQRT: return a < 0 ? scheitern("Radikand kleiner als Null") : std::sqrt(a);
    case F_LN: case F_LG: case F_LD: return logarithmus(f, a);
    case F_ABS: case F_SGN: case F_FLOOR: return sprung(f, a, tol);
    case F_SIN: case F_COS: case F_TAN: case F_COT: case F_ARCTAN:
    case F_ARCSIN: case F_ARCCOS: case F_ARCCOT: return kreis(f, a);
    case F_GAUF: { bool ok; Extended v = Gauss_Verteilung(a, ok); return ok ? v : scheitern(nullptr); }
    case F_NORMAL: {
        Extended q = a * a;
        if (!endlich(q)) return scheitern(nullptr);
        return std::exp(-q / 2) / std::sqrt(2 * Pi);
    }
    case F_RANDOM: return zufall(a);
    case F_COSH: case F_SINH: case F_TANH: case F_COTH: return hyperbel(f, a);
    case F_ARSINH: case F_ARCOSH: case F_ARTANH: case F_ARCOTH: return hyperbel_umkehr(f, a);
    default: return scheitern("ungültiger Funktionsaufruf");
    }
}
