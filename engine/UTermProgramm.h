// The compiled form of a term: the canonical text parsed once into a short program
// for a value stack, in exactly the order in which parsing and evaluating the text
// would compute values and raise messages. Running it gives the same value, flags
// and message as normalising and parsing the text afresh.
#pragma once
#include "engine/UFunktionsParser.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The four special characters of a term (the same codes in Windows-1252 and Latin-1).
constexpr unsigned char Zeichen_Grad = 176, Zeichen_Hoch2 = 178, Zeichen_Hoch3 = 179,
                        Zeichen_Punkt_Mal = 183;

// UTF-8 to single bytes: code points up to 255 stand for themselves, any other
// (and a stray byte of broken UTF-8 beyond 255) becomes a byte that is refused.
std::string Utf8_zu_Bytes(const std::string& utf8);
std::string Bytes_zu_Utf8(const std::string& bytes);

// Normalises single-byte text in place; nullptr on success, else the message.
const char* Normalisieren_Bytes(std::string& s);

enum class Befehlsart : uint8_t {
    Laden,        // push the operand
    Negieren,     // top := -top
    Addieren, Subtrahieren, Multiplizieren, Dividieren, Potenzieren,
    Ganzpotenz,   // top := top ^ n for a constant integral n
    Funktion,     // top := f(top)
    Fehler,       // set the failure and its message; the stack is unchanged
    Fehlwert,     // set the failure and its message; push a failed value
};

enum class Quelle : uint8_t { Stapel, Konstante, X, T };

// What the running machine executes: the step and its operand source in one code.
enum Maschinencode : uint8_t {
    M_Laden_K, M_Laden_X, M_Laden_T, M_Negieren,
    M_Add_S, M_Add_K, M_Add_X, M_Add_T, M_Sub_S, M_Sub_K, M_Sub_X, M_Sub_T,
    M_Mul_S, M_Mul_K, M_Mul_X, M_Mul_T, M_Div_S, M_Div_K, M_Div_X, M_Div_T,
    M_Pot_S, M_Pot_K, M_Pot_X, M_Pot_T,
    M_Ganzpotenz, M_Ganzpotenz_X, M_Ganzpotenz_T,   // the last two load x or t first
    M_Funktion, M_Fehler, M_Fehlwert,
    M_Ende,   // closes every finished program
};

struct Befehl {
    Befehlsart art;
    Quelle quelle = Quelle::Stapel;   // right operand of a binary step, or what Laden pushes
    uint8_t funktion = 0;             // Funktionsnummer for Funktion
    int32_t ganz = 0;                 // exponent of Ganzpotenz
    Extended wert = 0;                // the constant
    const char* text = nullptr;       // message of Fehler and Fehlwert
    Maschinencode code = M_Fehler;    // set when the program is finished
};

class Termbaum;

struct Programm {
    Programm();
    ~Programm();
    std::vector<Befehl> befehle;
    std::unique_ptr<Termbaum> baum;   // the fast form, when the term is not nested too deeply
    const char* normalisierungsfehler = nullptr;   // refused before parsing
    int stapeltiefe = 0;
    bool braucht_toleranz = false;   // uses ABS, SGN or FLOOR
    // ohne_baum: run the step program even where the tree exists (to compare both).
    Extended ausfuehren(Extended x, Extended t, bool ohne_baum = false) const;
    Extended schritte_ausfuehren(Extended x, Extended t, Extended toleranz) const;
    void abschliessen();              // fuses steps and sets the machine codes
};

std::shared_ptr<const Programm> Programm_uebersetzen(const std::string& term);
