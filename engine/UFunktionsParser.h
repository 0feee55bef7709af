// The expression engine: reads a term typed as in an exercise book, normalises it
// into the canonical alphabet, evaluates it for x and the family parameter t in
// extended precision and reports failures and jump/kink flags through `Parser`.
// Also owns the power with the odd-denominator rule, the continued-fraction finder
// and the key filters of term and number fields.
#pragma once
#include <cstdint>
#include <span>
#include <string>

using Extended = long double;

struct Parserzustand { bool Term_Fehler = false; std::string Term_Fehlertext;
                       bool Sprungstelle = false, Signum_Null = false, Knickstelle = false; };
extern Parserzustand Parser;

// Every failure with a message of its own, in one list beside one table of its
// texts (Fehlertext). The first eight are the syntax failures Term_pruefen shows.
enum class Termfehler : uint8_t {
    Keiner,
    Ungueltiger_Funktionsaufruf, Operator_erwartet, Operand_erwartet, Fehlerhafte_Zahl,
    Falsche_Zeichen, Falscher_Klammerterm, Wurzelterm_ungueltig, Falsche_Verwendung_von_E,
    Kette_leer,
    Addition, Subtraktion, Multiplikation, Division, Potenzieren,
    Radikand, Ln, Lg, Ld, Tan, Cot, Arcsin, Arccos,
    Cosh, Sinh, Tanh, Coth, Arsinh, Arcosh, Artanh, Arcoth,
    Anzahl
};
const char* Fehlertext(Termfehler f);          // "" for Keiner
bool Ist_Syntaxfehler(Termfehler f);
// The kind of the message the last evaluation (the last point of a batch) set
// itself; Keiner when it failed without one or did not fail.
Termfehler Letzte_Fehlerart();

// The value every failed evaluation returns; callers test Parser.Term_Fehler first.
constexpr Extended Fehlerwert = 1E100L;

bool Term_normalisieren(const std::string& term, std::string& kanonisch);   // false: Parser holds the error
Extended Term_auswerten(const std::string& term, Extended x, Extended t);
// One term at many points in one call, each point exactly as Term_auswerten(term, x[i], t[i])
// would give it, in order: y[i] the value, marken[i] the flags of point i (Marke_*); t holds
// one value for all points or one per point; y and marken are as long as x. Afterwards Parser
// holds what the last call would leave. Spans of mismatched lengths change nothing.
constexpr uint8_t Marke_Fehler = 1, Marke_Sprungstelle = 2, Marke_Signum_Null = 4, Marke_Knickstelle = 8;
void Term_auswerten_Reihe(const std::string& term, std::span<const Extended> x,
                          std::span<const Extended> t, std::span<Extended> y,
                          std::span<uint8_t> marken);
bool Term_pruefen(const std::string& term);            // shows syntax messages through Dialog()
bool Zahl_aus_Term(const std::string& term, Extended& wert);
bool Potenz(Extended a, Extended b, Extended& wert);
bool Bruch_naeherung(Extended x, int32_t& z, int32_t& n);
bool Bruch_kuerzen(Extended& a, Extended& b);
std::string Zeichen_entfernen(const std::string& text, char ch);

// One twentieth of the world width of a pixel, from the current world window.
Extended Sprungtoleranz();

// The generator behind RANDOM starts from the same state at every program start;
// this puts it back to a given state (tests compare two evaluations with it).
void Zufall_setzen(uint32_t zustand);

// Evaluation without the compiled-form cache: normalises and parses afresh.
// Gives exactly what Term_auswerten gives; used to check the cache.
Extended Term_auswerten_frisch(const std::string& term, Extended x, Extended t);
void Termspeicher_leeren();

// Key filters of edit fields, as pure functions of the typed character (a Unicode
// code point). They give the character to insert, or 0 when the key is swallowed.
// Enter (13) is always swallowed; the window then moves the focus on.
constexpr char32_t Taste_Enter = 13, Taste_Backspace = 8, Taste_Escape = 27;
char32_t Taste_Term(char32_t taste);
char32_t Taste_Zahl(char32_t taste);
char32_t Taste_Ganzzahl(char32_t taste);
