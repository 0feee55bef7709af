#include "engine/UTermFunktionen.h"

#include <cstring>
#include <numbers>

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
using T = Termfehler;

constexpr std::array<const char*, size_t(Termfehler::Anzahl)> Texte = {
    "", "ungültiger Funktionsaufruf", "Operator erwartet", "Operand erwartet", "fehlerhafte Zahl",
    "falsche Zeichen", "falscher Klammerterm", "Wurzelterm ungültig",
    "Falsche Verwendung von E (=10^)", "Kette leer",
    "Fehler bei der Addition", "Fehler bei der Subtraktion", "Fehler bei der Multiplikation",
    "Division durch Null", "Fehler beim Potenzieren",
    "Radikand kleiner als Null", "ln(a<=0) nicht erlaubt", "lg(a<=0) nicht erlaubt",
    "ld(a<=0) nicht erlaubt", "tan((2n+1)*pi/2) nicht erlaubt", "cot(n*pi) nicht erlaubt",
    "|a|>1 nicht erlaubt bei arcsin", "|a|>1 nicht erlaubt bei arccos",
    "a zu groß für cosh", "a zu groß für sinh", "a zu groß für tanh", "a=0 oder a zu groß bei coth",
    "a zu groß bei arsinh", "a<1 oder a zu groß bei arcosh", "|a|>=1 nicht erlaubt bei artanh",
    "|a|<=1 nicht erlaubt bei arcoth"};

Extended scheitern(Punktmeldung& m, Termfehler f = T::Keiner) {
    m.scheitern(f);
    return NaN_Wert;
}

// The generator of RANDOM: never seeded, so every start gives the same sequence.
uint32_t zufall_zustand = 0;

Extended cosh_wert(Extended a, bool& ok) {
    ok = true;
    if (std::fabs(a) <= 1E-16L) return 1;
    Extended v = (std::exp(a) + std::exp(-a)) / 2;
    ok = std::isfinite(v);
    return v;
}

Extended sinh_wert(Extended a, bool& ok) {
    ok = true;
    if (std::fabs(a) <= 1E-16L) return 0;
    Extended v = (std::exp(a) - std::exp(-a)) / 2;
    ok = std::isfinite(v);
    return v;
}

Extended tanh_wert(Extended a, bool& ok) {
    ok = true;
    if (std::fabs(a) <= 1E-16L) return 0;
    bool ok1, ok2;
    Extended s = sinh_wert(a, ok1), c = cosh_wert(a, ok2);
    ok = ok1 && ok2;
    return ok ? s / c : NaN_Wert;
}

// ln of a quotient or sum that may be out of the logarithm's domain.
Extended ln_geprueft(Extended v, bool& ok) {
    ok = std::isfinite(v) && v > 0;
    return ok ? std::log(v) : NaN_Wert;
}

Extended cot(Extended a, Extended, Punktmeldung& m) {
    Extended t = std::tan(a);
    Extended v = t == 0 ? NaN_Wert : 1 / t;
    return std::isfinite(v) ? v : scheitern(m, T::Cot);
}

Extended gauf(Extended a, Extended, Punktmeldung& m) {
    bool ok;
    Extended v = Gauss_Verteilung(a, ok);
    return ok ? v : scheitern(m);
}

Extended normal(Extended a, Extended, Punktmeldung& m) {
    Extended q = a * a;
    if (!std::isfinite(q)) return scheitern(m);
    return std::exp(-q / 2) / std::sqrt(2 * Pi);
}

Extended zufall(Extended a, Extended, Punktmeldung& m) {
    Extended n = std::nearbyint(a);   // halves to the even neighbour
    // No meaningful draw from fewer than one value: fail like an overflow.
    if (!(n >= 1) || n > 2147483647.0L) return scheitern(m);
    zufall_zustand = zufall_zustand * 1664525u + 1013904223u;
    uint64_t r = uint64_t(zufall_zustand) * uint64_t(n);
    return Extended(r >> 32);
}

template <Termfehler Meldung>
Extended arcus(Extended a, Extended, Punktmeldung& m) {
    if (std::fabs(a) > 1) return scheitern(m, Meldung);
    Extended w = std::sqrt(1 - a * a);
    return Meldung == T::Arcsin ? std::atan2(a, w) : std::atan2(w, a);
}

Extended arccot(Extended a, Extended, Punktmeldung&) {
    if (a > 1E-10L) return std::atan(1 / a);
    if (a < -1E-10L) return std::atan(1 / a) + Pi;
    return Pi / 2;
}

template <Extended (*F)(Extended, bool&), Termfehler Meldung>
Extended hyperbel(Extended a, Extended, Punktmeldung& m) {
    bool ok;
    Extended v = F(a, ok);
    return ok ? v : scheitern(m, Meldung);
}

Extended coth(Extended a, Extended, Punktmeldung& m) {
    bool ok;
    Extended v = tanh_wert(a, ok);
    if (!ok || v == 0) return scheitern(m, T::Coth);
    return 1 / v;
}

Extended arsinh(Extended a, Extended, Punktmeldung& m) {
    bool ok = false;
    Extended q = a * a + 1, v = NaN_Wert;
    if (std::isfinite(q)) v = ln_geprueft(a + std::sqrt(q), ok);
    return ok ? v : scheitern(m, T::Arsinh);
}

Extended arcosh(Extended a, Extended, Punktmeldung& m) {
    bool ok = false;
    Extended q = (a - 1) / (a + 1), v = NaN_Wert;
    if (std::isfinite(q) && q >= 0) v = ln_geprueft(a + (a + 1) * std::sqrt(q), ok);
    return ok ? v : scheitern(m, T::Arcosh);
}

Extended artanh(Extended a, Extended, Punktmeldung& m) {
    bool ok;
    Extended v = ln_geprueft((a + 1) / (1 - a), ok);
    return ok ? v / 2 : scheitern(m, T::Artanh);
}

Extended arcoth(Extended a, Extended, Punktmeldung& m) {
    bool ok;
    Extended v = ln_geprueft((a + 1) / (a - 1), ok);
    return ok ? v / 2 : scheitern(m, T::Arcoth);
}

// The loop of a block with the evaluator inlined: no call per point for the
// argument, the tolerance and the report, which cost more than the arithmetic.
template <Funktionsauswerter F>
void reihe_von(const Extended* a, bool a_fest, Extended* z, size_t n, Extended tol, uint8_t* marken,
               Termfehler* fehler) {
    for (size_t i = 0; i < n; ++i) {
        const Extended v = a[a_fest ? 0 : i];
        if (std::isnan(v)) {
            z[i] = v;
        } else {
            Punktmeldung m{marken[i], fehler[i]};
            z[i] = F(v, tol, m);
        }
    }
}

template <Funktionsauswerter F>
constexpr Termfunktion eintrag(const char* name, Funktionsnummer nummer) {
    return {name, nummer, F, reihe_von<F>};
}

}  // namespace

const std::array<Termfunktion, F_KEINE> Funktionen = {{
    eintrag<Endlich_oder_Fehler<Quadrat>>("SQR", F_SQR),
    eintrag<Wurzel_wert>("SQRT", F_SQRT),
    eintrag<Logarithmus_wert<Log_e, T::Ln>>("LN", F_LN),
    eintrag<Logarithmus_wert<Log_10, T::Lg>>("LG", F_LG),
    eintrag<Logarithmus_wert<Log_2, T::Ld>>("LD", F_LD),
    eintrag<Betrag_wert>("ABS", F_ABS),
    eintrag<Endlich_oder_Fehler<Sinus>>("SIN", F_SIN),
    eintrag<Endlich_oder_Fehler<Kosinus>>("COS", F_COS),
    eintrag<Endlich_oder_Fehler<Tangens, T::Tan>>("TAN", F_TAN),
    eintrag<cot>("COT", F_COT),
    eintrag<Endlich_oder_Fehler<Arkustangens>>("ARCTAN", F_ARCTAN),
    eintrag<Signum_wert>("SGN", F_SGN),
    eintrag<Abrunden_wert>("FLOOR", F_FLOOR),
    eintrag<gauf>("GAUF", F_GAUF),
    eintrag<normal>("NORMAL", F_NORMAL),
    eintrag<zufall>("RANDOM", F_RANDOM),
    eintrag<arcus<T::Arcsin>>("ARCSIN", F_ARCSIN),
    eintrag<arcus<T::Arccos>>("ARCCOS", F_ARCCOS),
    eintrag<hyperbel<cosh_wert, T::Cosh>>("COSH", F_COSH),
    eintrag<hyperbel<sinh_wert, T::Sinh>>("SINH", F_SINH),
    eintrag<hyperbel<tanh_wert, T::Tanh>>("TANH", F_TANH),
    eintrag<coth>("COTH", F_COTH),
    eintrag<arsinh>("ARSINH", F_ARSINH),
    eintrag<arcosh>("ARCOSH", F_ARCOSH),
    eintrag<artanh>("ARTANH", F_ARTANH),
    eintrag<arcoth>("ARCOTH", F_ARCOTH),
    eintrag<arccot>("ARCCOT", F_ARCCOT),
    {"MOD", F_MOD, nullptr, nullptr},
}};

const char* Fehlertext(Termfehler f) {
    size_t i = size_t(f);
    return i < Texte.size() ? Texte[i] : "";
}

bool Ist_Syntaxfehler(Termfehler f) {
    return f >= T::Ungueltiger_Funktionsaufruf && f <= T::Falsche_Verwendung_von_E;
}

void Zufall_setzen(uint32_t zustand) { zufall_zustand = zustand; }

Funktionsnummer Funktion_suchen(std::string_view name) {
    // The table text is the names in order, each followed by a blank.
    static const std::string tabelle = [] {
        std::string s;
        for (const auto& f : Funktionen) s += std::string(f.name) + ' ';
        return s;
    }();
    if (name.empty()) return F_KEINE;
    size_t stelle = tabelle.find(name);
    if (stelle == std::string::npos || stelle + name.size() > tabelle.size() - 1) return F_KEINE;
    size_t start = 0;
    for (const auto& f : Funktionen) {
        if (start == stelle) return f.wert ? f.nummer : F_KEINE;
        start += std::strlen(f.name) + 1;
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
