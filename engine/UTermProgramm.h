// The compiled form of a term: the canonical text parsed once into a flat program
// of steps over a file of registers, each register holding one value per point of
// a block. The steps run one after the other over the whole block, in exactly the
// order in which parsing and evaluating the text would compute values and raise
// messages for one point, so every point gets what a fresh parse would give it.
#pragma once
#include "engine/UFunktionsParser.h"
#include "engine/UTermFunktionen.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The four special characters of a term (the same codes in Windows-1252 and Latin-1).
constexpr unsigned char Zeichen_Grad = 176, Zeichen_Hoch2 = 178, Zeichen_Hoch3 = 179,
                        Zeichen_Punkt_Mal = 183;

// Normalises a term as typed (UTF-8) into the canonical single-byte text (code
// points up to 255 stand for themselves, any other and a stray byte of broken UTF-8
// become a refused byte). Keiner on success, else the refusal; kanonisch then views
// scratch storage that the next call overwrites, with a NUL just past its end.
Termfehler Normalisieren(std::string_view term, std::string_view& kanonisch);
std::string Bytes_zu_Utf8(std::string_view bytes);

// Where a step reads or writes: a register (one value per point), a value that is
// the same for every point of the call (a constant, t, a folded subterm), x or t.
enum class Ort : uint8_t { Register, Skalar, X, T, Ausgabe, Keiner };
struct Operand {
    Ort ort = Ort::Keiner;
    uint32_t index = 0;
    uint32_t versatz = 0;   // from the start of its kind's storage in a block
};

enum class Schrittart : uint8_t {
    Negieren, Addieren, Subtrahieren, Multiplizieren, Dividieren, Potenzieren,
    Ganzpotenz,   // l ^ ganz for a constant integral exponent
    Funktion,     // Funktionen[funktion] of l
    Fehler,       // every point fails with the message; no value
    Fehlwert,     // every point fails with the message; the value is a failure
};

struct Blockumgebung;
struct Schritt;
using Kern = void (*)(const Schritt&, const Blockumgebung&, size_t n);

struct Schritt {
    Schrittart art;
    Operand ziel, l, r;
    int32_t ganz = 0;        // the exponent of Ganzpotenz, or of r in a fused binary step
    bool r_potenz = false;   // fused: the right operand is r ^ ganz
    uint32_t potenzregister = 0;   // fused: the register the power had on its own
    uint8_t funktion = 0;
    Termfehler fehler = Termfehler::Keiner;
    Kern geprueft = nullptr;     // with every finiteness check and message
    Kern ungeprueft = nullptr;   // plain arithmetic, for programs where that is safe
};

// What the kernels see of one block: where each kind of operand starts (register
// k of point i at basis[Register][k * breite + i]), and the per-point reports.
// The full program's constants, x and t are only read, though reached through the
// same table as the registers.
struct Blockumgebung {
    std::array<Extended*, 6> basis;
    Extended toleranz;
    uint8_t* marken;
    Termfehler* fehler;
    Punktmeldung punkt(size_t i) const { return {marken[i], fehler[i]}; }
};

// A runnable list of steps with its constants (and room for folded values).
struct Teilprogramm {
    std::vector<Schritt> schritte;
    std::vector<Extended> skalare;
    Operand ergebnis;
    bool rein_arithmetisch = false;   // + - * and positive integral powers only
};

// A step of the single-point path: its kind with the fused exponent in one code
// (Punktart), and its operands as byte offsets into one frame of values.
struct Punktschritt {
    uint8_t art = 0;
    uint8_t funktion = 0;
    Termfehler fehler = Termfehler::Keiner;
    int32_t ganz = 0;
    uint32_t z = 0, l = 0, r = 0;
};
struct Punktliste {
    std::vector<Punktschritt> schritte;
    uint32_t ergebnis = 0;
    bool rein_arithmetisch = false;
};

// The single-point form: the frame holds registers, x, t, the constants and the
// folded subterms of t. The split into steps once per t and steps per point is made
// on the Aufrufe_vor_Faltung-th call (a number field's term, evaluated once or twice,
// never pays for it); the folded values
// are kept while t (and the jump tolerance, where a folded step reads it) is
// bitwise that of the call that computed them and they raised nothing.
struct Einzelform {
    enum class Faltung : uint8_t { Offen, Keine, Vorhanden };
    static constexpr uint8_t Aufrufe_vor_Faltung = 16;
    Punktliste voll, tschritte, punkte;
    std::vector<Extended> rahmen;
    uint32_t x_platz = 0, t_platz = 0;
    Faltung faltung = Faltung::Offen;
    uint8_t aufrufe = 0;               // while Offen
    bool gueltig = false;              // the folded values belong to t_alt, tol_alt
    bool tschritte_mit_toleranz = false;
    Extended t_alt = 0, tol_alt = 0;
};

struct Uebersetzungsoptionen {
    bool verschmelzen = true;   // fuse a power step into the step that uses it
    bool falten = true;         // fold subterms of t and constants once per call
};

struct Programm {
    Termfehler normalisierungsfehler = Termfehler::Keiner;
    // Every step, for t per point. Its block kernels are chosen on the first batch
    // (blockbereit), so that a term evaluated only singly never pays for them.
    mutable Teilprogramm voll;
    mutable bool blockbereit = false;
    Uebersetzungsoptionen optionen;
    // The same split into steps once per call and steps per point, made on the first
    // batch with one t (a single call never needs it); tschritte.skalare[t_platz] holds t.
    mutable Teilprogramm tschritte, punkte;
    mutable uint32_t t_platz = 0;
    mutable bool gefaltet = false;
    // The folded values of the last batch with one t, kept while t and the jump
    // tolerance stay bitwise the same (the folded steps raised nothing then).
    mutable std::vector<Extended> faltwerte;
    mutable Extended falt_t = 0, falt_toleranz = 0;
    mutable bool faltwerte_gueltig = false;
    void falten_vorbereiten() const;
    int registerzahl = 1;
    size_t breite = 1;                   // points per block
    bool braucht_toleranz = false;       // uses ABS, SGN or FLOOR
    bool zufall_mehrfach = false;        // RANDOM more than once: points one at a time

    // One point through the single-point form (owned here, as one thread evaluates
    // terms), so that a single call pays no block set-up; Parser afterwards as
    // Term_auswerten leaves it.
    mutable Einzelform einzel;
    Extended einzeln(Extended x, Extended t) const;

    // n points; t one value (t_je_punkt false) or one per point. y gets each value
    // (Fehlerwert on failure), marken each point's flags, fehler its last message.
    // Gives the last point with a message, n when none has one.
    size_t reihe(const Extended* x, const Extended* t, bool t_je_punkt, size_t n, Extended* y,
                 uint8_t* marken, Termfehler* fehler) const;
};

// Parser as the last of n single calls leaves it: the flags of the last point and
// the last message any point set (a failure without a message keeps the old text).
// A normalisation failure leaves the jump flags as they were.
void Parser_setzen(const Programm& p, uint8_t marken, Termfehler fehler, Termfehler letzte_meldung);

// The text evaluated last and its compiled form. Plotting asks for the same text
// hundreds of times in a row, so it is checked before the map of all compiled
// texts: its length first, then its bytes eight at a time from the end, where
// neighbouring texts differ most often.
struct Letzter_Term {
    std::string text;
    const Programm* programm = nullptr;   // null while there is none
};
extern Letzter_Term Letzter_term;
// Through the map (compiling a new text); the text becomes the last one.
const Programm& Programm_suchen(const std::string& term);

inline uint64_t Acht_Bytes(const char* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

inline bool Gleiche_Bytes(const char* a, const char* b, size_t n) {
    if (n >= 8) {
        uint64_t unterschied = Acht_Bytes(a + n - 8) ^ Acht_Bytes(b + n - 8);
        for (size_t i = 0; i + 8 < n; i += 8) unterschied |= Acht_Bytes(a + i) ^ Acht_Bytes(b + i);
        return unterschied == 0;
    }
    if (n >= 4) {
        uint32_t a0, a1, b0, b1;
        std::memcpy(&a0, a, 4);
        std::memcpy(&a1, a + n - 4, 4);
        std::memcpy(&b0, b, 4);
        std::memcpy(&b1, b + n - 4, 4);
        return ((a0 ^ b0) | (a1 ^ b1)) == 0;
    }
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

inline const Programm& Programm_fuer(const std::string& term) {
    const Letzter_Term& l = Letzter_term;
    if (l.programm && term.size() == l.text.size() && Gleiche_Bytes(term.data(), l.text.data(), term.size()))
        return *l.programm;
    return Programm_suchen(term);
}

std::shared_ptr<const Programm> Programm_uebersetzen(const std::string& term,
                                                    Uebersetzungsoptionen optionen = {});
// The same into p, which afterwards is exactly as a new program of that text; the
// storage of its lists is reused, so that compiling text after text allocates nothing.
void Programm_uebersetzen(Programm& p, const std::string& term, Uebersetzungsoptionen optionen = {});

// Chooses the kernels of a finished step list and whether it may run unchecked,
// and places its operands for blocks of the given width.
void Kerne_waehlen(Teilprogramm& p, size_t breite);
// Only the part the single point needs: whether the list may run unchecked, and the
// last step writing straight into the caller's values. Kerne_waehlen includes it.
void Ergebnisort_waehlen(Teilprogramm& p);
// The single-point form of the full program.
void Punktkerne_waehlen(Programm& p);
