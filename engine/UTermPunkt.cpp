// The single-point path: one evaluation runs a step list over one frame of values
// (registers, x, t, constants, folded subterms of t), each step dispatched by its
// kind in one loop, with the same arithmetic as the block kernels.
#include "engine/UTermProgramm.h"
#include "engine/UTermRechnen.h"
#include "graphics/U_KOS.h"

#include <cstring>

namespace {

using A = Schrittart;

inline Extended& feld(char* w, uint32_t versatz) { return *reinterpret_cast<Extended*>(w + versatz); }

// A step's code: its kind and which power of the right operand (or, for Ganzpotenz,
// of its operand) it takes: 0 none, 2 the square, 3 the cube, 1 any other.
constexpr uint8_t code(Schrittart a, int rp = 0) {
    switch (a) {
    case A::Negieren: return 0;
    case A::Addieren: case A::Subtrahieren: case A::Multiplizieren: case A::Dividieren:
        return uint8_t(1 + (uint8_t(a) - uint8_t(A::Addieren)) * 4 + rp);
    case A::Potenzieren: return 17;
    case A::Ganzpotenz: return uint8_t(17 + rp);
    case A::Funktion: return 21;
    case A::Fehler: return 34;
    default: return 35;
    }
}

// The commonest functions run inline, every other through the table.
constexpr uint8_t funktionscode(uint8_t f) {
    switch (f) {
    case F_SQRT: return 22;
    case F_ABS: return 23;
    case F_SGN: return 24;
    case F_SIN: return 25;
    case F_COS: return 26;
    case F_TAN: return 27;
    case F_ARCTAN: return 28;
    case F_LN: return 29;
    case F_LG: return 30;
    case F_LD: return 31;
    case F_FLOOR: return 32;
    case F_SQR: return 33;
    default: return code(A::Funktion);
    }
}

template <Funktionsauswerter F>
inline void funktion(const Punktschritt& s, char* w, Extended tol, Punktmeldung m) {
    const Extended v = feld(w, s.l);
    feld(w, s.z) = std::isnan(v) ? v : F(v, tol, m);
}

int potenzart(const Schritt& s) {
    const bool mit_potenz = s.art == A::Ganzpotenz || (s.r_potenz && s.art >= A::Addieren && s.art <= A::Dividieren);
    if (!mit_potenz) return 0;
    return s.ganz == 2 || s.ganz == 3 ? s.ganz : 1;
}

template <Schrittart S, int RP, bool Pruefen>
inline void zweistellig(const Punktschritt& s, char* w, Punktmeldung m) {
    Extended b = feld(w, s.r);
    if constexpr (RP != 0) b = ganzpotenz<Pruefen>(b, RP == 1 ? s.ganz : RP, m);
    feld(w, s.z) = rechnen<S, Pruefen>(feld(w, s.l), b, m);
}

template <int RP, bool Pruefen>
inline void potenz(const Punktschritt& s, char* w, Punktmeldung m) {
    feld(w, s.z) = ganzpotenz<Pruefen>(feld(w, s.l), RP == 1 ? s.ganz : RP, m);
}

// Plain arithmetic without checks (only lists where that is safe, see ungeprueft_sicher).
[[gnu::always_inline]] inline void frei_laufen(const Punktschritt* s, const Punktschritt* ende, char* w) {
    uint8_t keine_marken = 0;
    Termfehler keine = Termfehler::Keiner;
    const Punktmeldung m{keine_marken, keine};
    for (; s != ende; ++s) {
        switch (s->art) {
        case code(A::Negieren): feld(w, s->z) = -feld(w, s->l); break;
        case code(A::Addieren): zweistellig<A::Addieren, 0, false>(*s, w, m); break;
        case code(A::Addieren, 1): zweistellig<A::Addieren, 1, false>(*s, w, m); break;
        case code(A::Addieren, 2): zweistellig<A::Addieren, 2, false>(*s, w, m); break;
        case code(A::Addieren, 3): zweistellig<A::Addieren, 3, false>(*s, w, m); break;
        case code(A::Subtrahieren): zweistellig<A::Subtrahieren, 0, false>(*s, w, m); break;
        case code(A::Subtrahieren, 1): zweistellig<A::Subtrahieren, 1, false>(*s, w, m); break;
        case code(A::Subtrahieren, 2): zweistellig<A::Subtrahieren, 2, false>(*s, w, m); break;
        case code(A::Subtrahieren, 3): zweistellig<A::Subtrahieren, 3, false>(*s, w, m); break;
        case code(A::Multiplizieren): zweistellig<A::Multiplizieren, 0, false>(*s, w, m); break;
        case code(A::Multiplizieren, 1): zweistellig<A::Multiplizieren, 1, false>(*s, w, m); break;
        case code(A::Multiplizieren, 2): zweistellig<A::Multiplizieren, 2, false>(*s, w, m); break;
        case code(A::Multiplizieren, 3): zweistellig<A::Multiplizieren, 3, false>(*s, w, m); break;
        case code(A::Ganzpotenz, 1): potenz<1, false>(*s, w, m); break;
        case code(A::Ganzpotenz, 2): potenz<2, false>(*s, w, m); break;
        case code(A::Ganzpotenz, 3): potenz<3, false>(*s, w, m); break;
        default: break;
        }
    }
}

// Every step with its finiteness check and message; m collects the point's report.
// The jump tolerance is read from the window only by the steps that need it.
[[gnu::always_inline]] inline void laufen(const Punktschritt* s, const Punktschritt* ende, char* w, bool mit_toleranz,
                                          Punktmeldung m) {
    auto toleranz = [mit_toleranz] { return mit_toleranz ? Sprungtoleranz() : Extended(0); };
    for (; s != ende; ++s) {
        switch (s->art) {
        case code(A::Negieren): feld(w, s->z) = -feld(w, s->l); break;
        case code(A::Addieren): zweistellig<A::Addieren, 0, true>(*s, w, m); break;
        case code(A::Addieren, 1): zweistellig<A::Addieren, 1, true>(*s, w, m); break;
        case code(A::Addieren, 2): zweistellig<A::Addieren, 2, true>(*s, w, m); break;
        case code(A::Addieren, 3): zweistellig<A::Addieren, 3, true>(*s, w, m); break;
        case code(A::Subtrahieren): zweistellig<A::Subtrahieren, 0, true>(*s, w, m); break;
        case code(A::Subtrahieren, 1): zweistellig<A::Subtrahieren, 1, true>(*s, w, m); break;
        case code(A::Subtrahieren, 2): zweistellig<A::Subtrahieren, 2, true>(*s, w, m); break;
        case code(A::Subtrahieren, 3): zweistellig<A::Subtrahieren, 3, true>(*s, w, m); break;
        case code(A::Multiplizieren): zweistellig<A::Multiplizieren, 0, true>(*s, w, m); break;
        case code(A::Multiplizieren, 1): zweistellig<A::Multiplizieren, 1, true>(*s, w, m); break;
        case code(A::Multiplizieren, 2): zweistellig<A::Multiplizieren, 2, true>(*s, w, m); break;
        case code(A::Multiplizieren, 3): zweistellig<A::Multiplizieren, 3, true>(*s, w, m); break;
        case code(A::Dividieren): zweistellig<A::Dividieren, 0, true>(*s, w, m); break;
        case code(A::Dividieren, 1): zweistellig<A::Dividieren, 1, true>(*s, w, m); break;
        case code(A::Dividieren, 2): zweistellig<A::Dividieren, 2, true>(*s, w, m); break;
        case code(A::Dividieren, 3): zweistellig<A::Dividieren, 3, true>(*s, w, m); break;
        case code(A::Potenzieren): zweistellig<A::Potenzieren, 0, true>(*s, w, m); break;
        case code(A::Ganzpotenz, 1): potenz<1, true>(*s, w, m); break;
        case code(A::Ganzpotenz, 2): potenz<2, true>(*s, w, m); break;
        case code(A::Ganzpotenz, 3): potenz<3, true>(*s, w, m); break;
        case code(A::Funktion): {
            const Extended v = feld(w, s->l);
            Punktmeldung mf = m;
            feld(w, s->z) = std::isnan(v) ? v : Funktionen[s->funktion].wert(v, toleranz(), mf);
            break;
        }
        case funktionscode(F_SQRT): funktion<Wurzel_wert>(*s, w, 0, m); break;
        case funktionscode(F_ABS): funktion<Betrag_wert>(*s, w, toleranz(), m); break;
        case funktionscode(F_SGN): funktion<Signum_wert>(*s, w, toleranz(), m); break;
        case funktionscode(F_SIN): funktion<Endlich_oder_Fehler<Sinus>>(*s, w, 0, m); break;
        case funktionscode(F_COS): funktion<Endlich_oder_Fehler<Kosinus>>(*s, w, 0, m); break;
        case funktionscode(F_TAN): funktion<Endlich_oder_Fehler<Tangens, Termfehler::Tan>>(*s, w, 0, m); break;
        case funktionscode(F_ARCTAN): funktion<Endlich_oder_Fehler<Arkustangens>>(*s, w, 0, m); break;
        case funktionscode(F_LN): funktion<Logarithmus_wert<Log_e, Termfehler::Ln>>(*s, w, 0, m); break;
        case funktionscode(F_LG): funktion<Logarithmus_wert<Log_10, Termfehler::Lg>>(*s, w, 0, m); break;
        case funktionscode(F_LD): funktion<Logarithmus_wert<Log_2, Termfehler::Ld>>(*s, w, 0, m); break;
        case funktionscode(F_FLOOR): funktion<Abrunden_wert>(*s, w, toleranz(), m); break;
        case funktionscode(F_SQR): funktion<Endlich_oder_Fehler<Quadrat>>(*s, w, 0, m); break;
        case code(A::Fehler): m.scheitern(s->fehler); break;
        default:   // Fehlwert
            m.scheitern(s->fehler);
            feld(w, s->z) = NaN_Wert;
            break;
        }
    }
}

// The kind of the message the last evaluation set itself (Letzte_Fehlerart).
Termfehler letzte_fehlerart = Termfehler::Keiner;

// Parser after an evaluation that neither failed nor raised a flag.
inline void ohne_meldung() {
    Parser.Term_Fehler = Parser.Sprungstelle = Parser.Signum_Null = Parser.Knickstelle = false;
    letzte_fehlerart = Termfehler::Keiner;
}

bool liest_toleranz(const Punktschritt& s) {
    const bool funktion = s.art >= code(A::Funktion) && s.art < code(A::Fehler);
    return funktion && (s.funktion == F_ABS || s.funktion == F_SGN || s.funktion == F_FLOOR);
}

// The frame: registers, x, t, then the constants (and folded values) of the list.
// In a folded list t is the scalar t_platz; it shares the frame's t.
// Into l, reusing its storage.
void liste_fuer(const Teilprogramm& teil, uint32_t registerzahl, bool gefaltet, uint32_t t_platz, Punktliste& l) {
    constexpr uint32_t E = sizeof(Extended);
    // Where each kind of operand starts in the frame (by Ort), and whether its index counts.
    const uint32_t anfang[] = {0, (registerzahl + 2) * E, registerzahl * E, (registerzahl + 1) * E, 0, 0};
    constexpr bool indiziert[] = {true, true, false, false, true, false};
    const uint32_t t_versatz = (registerzahl + 1) * E;
    auto versatz = [&](const Operand& o) -> uint32_t {
        const size_t k = size_t(o.ort);
        if (gefaltet && o.ort == Ort::Skalar && o.index == t_platz) return t_versatz;
        return anfang[k] + (indiziert[k] ? o.index * E : 0);
    };
    l.schritte.resize(teil.schritte.size());
    Punktschritt* z = l.schritte.data();
    for (const Schritt& s : teil.schritte)
        *z++ = {s.art == A::Funktion ? funktionscode(s.funktion) : code(s.art, potenzart(s)), s.funktion, s.fehler,
                s.ganz, versatz(s.ziel), versatz(s.l), versatz(s.r)};
    l.ergebnis = versatz(teil.ergebnis);
    l.rein_arithmetisch = teil.rein_arithmetisch;
}

// Registers and x, t zero, then the given constants.
void rahmen_fuellen(std::vector<Extended>& rahmen, uint32_t registerzahl, const std::vector<Extended>& skalare) {
    rahmen.reserve(registerzahl + 2 + skalare.size());
    rahmen.assign(registerzahl + 2, 0);
    rahmen.insert(rahmen.end(), skalare.begin(), skalare.end());
}

// After some calls: split off the steps of t and constants. Where there are none,
// every call runs the full list.
void einzel_falten_vorbereiten(const Programm& p) {
    Einzelform& e = p.einzel;
    if (!p.optionen.falten) {
        e.faltung = Einzelform::Faltung::Keine;
        return;
    }
    p.falten_vorbereiten();
    if (p.tschritte.schritte.empty()) {
        e.faltung = Einzelform::Faltung::Keine;
        return;
    }
    const uint32_t R = uint32_t(p.registerzahl);
    liste_fuer(p.tschritte, R, true, p.t_platz, e.tschritte);
    liste_fuer(p.punkte, R, true, p.t_platz, e.punkte);
    rahmen_fuellen(e.rahmen, R, p.tschritte.skalare);
    e.tschritte_mit_toleranz = false;
    for (const Punktschritt& s : e.tschritte.schritte) e.tschritte_mit_toleranz |= liest_toleranz(s);
    e.gueltig = false;
    e.faltung = Einzelform::Faltung::Vorhanden;
}

// The folded values for this t: kept only when they raised nothing, so that every
// message keeps its place; otherwise the call runs the full list.
[[gnu::noinline]] void einzel_falten(Einzelform& e, Extended t, bool mit_toleranz) {
    char* w = reinterpret_cast<char*>(e.rahmen.data());
    feld(w, e.t_platz) = t;
    uint8_t marken = 0;
    Termfehler fehler = Termfehler::Keiner;
    laufen(e.tschritte.schritte.data(), e.tschritte.schritte.data() + e.tschritte.schritte.size(), w, mit_toleranz,
           {marken, fehler});
    e.gueltig = marken == 0;
    e.t_alt = t;
    e.tol_alt = mit_toleranz ? Sprungtoleranz() : 0;
}

}  // namespace

// Here, where the single evaluation reads it on every call.
Extended Sprungtoleranz() { return (KOS.xre - KOS.xli) / KOS.Bildbreite / 20; }

void Punktkerne_waehlen(Programm& p) {
    Einzelform& e = p.einzel;
    const uint32_t R = uint32_t(p.registerzahl);
    liste_fuer(p.voll, R, false, 0, e.voll);
    rahmen_fuellen(e.rahmen, R, p.voll.skalare);
    e.x_platz = uint32_t(R * sizeof(Extended));
    e.t_platz = uint32_t((R + 1) * sizeof(Extended));
}

void Parser_setzen(const Programm& p, uint8_t marken, Termfehler fehler, Termfehler letzte_meldung) {
    if (letzte_meldung != Termfehler::Keiner) Parser.Term_Fehlertext = Fehlertext(letzte_meldung);
    letzte_fehlerart = fehler;
    Parser.Term_Fehler = marken & Marke_Fehler;
    if (p.normalisierungsfehler != Termfehler::Keiner) return;
    Parser.Sprungstelle = marken & Marke_Sprungstelle;
    Parser.Signum_Null = marken & Marke_Signum_Null;
    Parser.Knickstelle = marken & Marke_Knickstelle;
}

Termfehler Letzte_Fehlerart() { return letzte_fehlerart; }

namespace {

[[gnu::always_inline]] inline Extended einzeln_auswerten(const Programm& p, Extended x, Extended t) {
    Einzelform& e = p.einzel;
    if (e.faltung == Einzelform::Faltung::Offen) [[unlikely]] {
        // A text that failed normalisation stays here: it never gets a split.
        if (p.normalisierungsfehler != Termfehler::Keiner) {
            Parser_setzen(p, Marke_Fehler, p.normalisierungsfehler, p.normalisierungsfehler);
            return Fehlerwert;
        }
        if (++e.aufrufe >= Einzelform::Aufrufe_vor_Faltung) einzel_falten_vorbereiten(p);
    }
    const Punktliste* liste = &e.voll;
    char* w = reinterpret_cast<char*>(e.rahmen.data());
    if (e.faltung == Einzelform::Faltung::Vorhanden) {
        if (!e.gueltig || !Gleiche_bits(t, e.t_alt) ||
            (e.tschritte_mit_toleranz && !Gleiche_bits(Sprungtoleranz(), e.tol_alt)))
            einzel_falten(e, t, p.braucht_toleranz);
        if (e.gueltig) liste = &e.punkte;
    } else {
        feld(w, e.t_platz) = t;
    }
    feld(w, e.x_platz) = x;
    const Punktschritt* const anfang = liste->schritte.data();
    const Punktschritt* const ende = anfang + liste->schritte.size();
    if (liste->rein_arithmetisch) {
        // As for a block: a finite end value of plain arithmetic is what the checked run
        // gives, without flags or message; anything else runs again with every check.
        frei_laufen(anfang, ende, w);
        const Extended v = feld(w, liste->ergebnis);
        if (Endlich(v)) [[likely]] {
            ohne_meldung();
            return v;
        }
    }
    uint8_t marken = 0;
    Termfehler fehler = Termfehler::Keiner;
    laufen(anfang, ende, w, p.braucht_toleranz, {marken, fehler});
    const Extended v = feld(w, liste->ergebnis);
    if (Endlich(v) && marken == 0) [[likely]] {
        ohne_meldung();
        return v;
    }
    if (!Endlich(v)) marken |= Marke_Fehler;   // also a NaN passed in as x or t
    Parser_setzen(p, marken, fehler, fehler);
    return marken & Marke_Fehler ? Fehlerwert : v;
}

}  // namespace

Extended Programm::einzeln(Extended x, Extended t) const { return einzeln_auswerten(*this, x, t); }

Extended Term_auswerten(const std::string& term, Extended x, Extended t) {
    return einzeln_auswerten(Programm_fuer(term), x, t);
}
