// Rewrites a typed term into the canonical alphabet the parser reads: upper-case
// names, the one-letter operands E, P, X, K, the four operators, "^", brackets,
// digits and the decimal point. Stops at the first refused step with its message.
//
// The rewriting steps are defined one after the other over the whole text, each
// seeing what the previous ones made of it. Every uncached evaluation runs them,
// so they run here as three passes over scratch buffers: decoding, then the checks
// with the character-wise rewrites (brackets, E notation, case, "·" and ","), then
// everything that inserts or deletes characters, then the family parameter and the
// implicit multiplication. Each pass keeps exactly the order of the steps it
// merges (see the comments at the places where that is not obvious).
#include "engine/UFunktionsParser.h"
#include "engine/UTermProgramm.h"

#include <array>
#include <cstring>

namespace {

using T = Termfehler;

constexpr unsigned char Abgelehntes_Byte = 0x81;   // no term character

enum Klasse : uint8_t {
    Ziffer = 1,
    Zulaessig = 2,         // the typed byte is allowed once rewritten (Umschrift)
    Namensbuchstabe = 4,   // every capital but E, P, T and X
    Mal_links = 8,         // ")" a digit E K P X: an implicit "*" may follow
    Mal_rechts = 16,       // "(" E K P X: an implicit "*" may precede
    Einfuegen = 32,        // I E W "-" ° ² ³: may change the length
    Schar = 64,            // N T
    Operator_am_Ende = 128,   // * + , - / ^ and NUL: no term ends with them
};

// Brackets, upper case, "·" and "," as one table over the byte.
constexpr std::array<unsigned char, 256> Umschrift = [] {
    std::array<unsigned char, 256> u{};
    for (int c = 0; c < 256; ++c) u[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) u[c] = static_cast<unsigned char>(c - 'a' + 'A');
    u['['] = '(';
    u[']'] = ')';
    u[Zeichen_Punkt_Mal] = '*';
    u[','] = '.';
    return u;
}();

constexpr std::array<uint8_t, 256> Klassen = [] {
    std::array<uint8_t, 256> k{};
    auto erlaubt = [](int c) {
        return std::string_view("()*+,-./^").find(char(c)) != std::string_view::npos ||
               (c >= '0' && c <= '9') || (c >= 'A' && c <= 'U') || c == 'W' || c == 'X' || c == Zeichen_Grad ||
               c == Zeichen_Hoch2 || c == Zeichen_Hoch3;
    };
    for (int c = 1; c < 256; ++c)
        if (erlaubt(Umschrift[c])) k[c] |= Zulaessig;
    for (int c = '0'; c <= '9'; ++c) k[c] |= Ziffer | Mal_links;
    for (int c = 'A'; c <= 'Z'; ++c)
        if (c != 'E' && c != 'P' && c != 'T' && c != 'X') k[c] |= Namensbuchstabe;
    for (unsigned char c : std::string_view(")EKPX")) k[c] |= Mal_links;
    for (unsigned char c : std::string_view("(EKPX")) k[c] |= Mal_rechts;
    for (unsigned char c : std::string_view("IEW-")) k[c] |= Einfuegen;
    for (int c : {int(Zeichen_Grad), int(Zeichen_Hoch2), int(Zeichen_Hoch3)}) k[c] |= Einfuegen;
    k['N'] |= Schar;
    k['T'] |= Schar;
    for (unsigned char c : std::string_view("*+,-/^")) k[c] |= Operator_am_Ende;
    k[0] |= Operator_am_Ende;
    return k;
}();

inline bool hat(unsigned char c, Klasse k) { return Klassen[c] & k; }

// Scratch storage of the running normalisation (one thread evaluates terms); it
// only grows, so a warm evaluation allocates nothing.
struct Puffer {
    std::string a, b;
    char* platz(std::string& p, size_t n) {
        if (p.size() < n) p.resize(n);
        return p.data();
    }
};
Puffer puffer;

// UTF-8 to single bytes: code points up to 255 stand for themselves, any other
// (and a stray byte of broken UTF-8) becomes a byte that is refused.
size_t dekodieren(std::string_view u, char* aus) {
    size_t n = 0;
    for (size_t i = 0; i < u.size();) {
        unsigned char c = u[i];
        if (c < 0x80) { aus[n++] = char(c); ++i; continue; }
        int laenge = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool gueltig = laenge > 0 && i + laenge <= u.size();
        uint32_t cp = laenge == 2 ? c & 0x1F : laenge == 3 ? c & 0x0F : c & 0x07;
        for (int k = 1; gueltig && k < laenge; ++k) {
            unsigned char f = u[i + k];
            if ((f & 0xC0) != 0x80) gueltig = false;
            cp = (cp << 6) | (f & 0x3F);
        }
        if (!gueltig) { aus[n++] = char(Abgelehntes_Byte); ++i; continue; }
        aus[n++] = cp <= 0xFF ? char(cp) : char(Abgelehntes_Byte);
        i += laenge;
    }
    return n;
}

// Brackets, E notation, upper case, "·" and ",", the check of every character,
// and whether "()" occurs (refused only after the other checks). Gives the new
// length, or 0 with the refusal in f.
//
// Every capital E reaches the E-notation check (one at either end was refused
// before), and its neighbours are those of the typed text: the one before cannot
// be an E already rewritten, since that E would need a digit or "-" after it.
size_t zeichen_umschreiben(const char* s, size_t n, char* aus, T& f) {
    bool falsch = false, leere_klammer = false;
    unsigned char vorher = 0;
    size_t m = 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = s[i];
        if (c == 'E') {
            const unsigned char nach = s[i + 1];
            if (!hat(s[i - 1], Ziffer) || !(hat(nach, Ziffer) || nach == '-')) {
                f = T::Falsche_Verwendung_von_E;
                return 0;
            }
            std::memcpy(aus + m, "*10^", 4);
            m += 4;
            vorher = '^';
            continue;
        }
        const unsigned char u = Umschrift[c];
        falsch |= !hat(c, Zulaessig);
        leere_klammer |= u == ')' && vorher == '(';
        vorher = u;
        aus[m++] = char(u);
    }
    f = falsch ? T::Falsche_Zeichen : leere_klammer ? T::Falscher_Klammerterm : T::Keiner;
    return f == T::Keiner ? m : 0;
}

// The sign at the start, "PI", "EXP", "W", and (from the second character on)
// "-" after "(", degrees, ² and ³, in one pass; the length of the result.
//
// "PI" loses its I, but the character after a lost I is never the I of another
// pair. "EXP" is looked for in the text after that: an E, X and P in a row there
// stand in a row in s as well, because only an I after a P is ever dropped.
size_t einfuegen_und_loeschen(const char* s, size_t n, char* aus) {
    size_t i = 0, m = 0;
    if (s[0] == '+') ++i;
    if (i < n && s[i] == '-') aus[m++] = '0';
    char vorher = m ? '0' : 0;   // the last character the PI rule saw
    bool geloescht = false;
    auto anhaengen = [&](unsigned char c) {   // degrees and powers from the second character on
        if (m == 0) aus[m++] = char(c);
        else if (c == '-' && aus[m - 1] == '(') { aus[m++] = '0'; aus[m++] = '-'; }
        else if (c == Zeichen_Grad) { std::memcpy(aus + m, "*.0174532925", 12); m += 12; }
        else if (c == Zeichen_Hoch2) { aus[m++] = '^'; aus[m++] = '2'; }
        else if (c == Zeichen_Hoch3) { aus[m++] = '^'; aus[m++] = '3'; }
        else aus[m++] = char(c);
    };
    for (; i < n; ++i) {
        const char c = s[i];
        if (!hat(c, Einfuegen) && m > 0) {
            aus[m++] = c;
            vorher = c;
            geloescht = false;
            continue;
        }
        if (c == 'I' && vorher == 'P' && !geloescht) { geloescht = true; continue; }
        geloescht = false;
        vorher = c;
        if (c == 'E' && i + 2 < n && s[i + 1] == 'X' && s[i + 2] == 'P') {
            anhaengen('E');
            anhaengen('^');
            i += 2;
            vorher = 'P';
        } else if (c == 'W') {
            for (char w : {'S', 'Q', 'R', 'T'}) anhaengen(w);
        } else {
            anhaengen(c);
        }
    }
    return m;
}

// N and T stand for the family parameter unless they touch a name letter: the
// inner positions from left to right, then the first, then the last, each test
// seeing the replacements already made. Then the implicit "*".
size_t scharparameter_und_mal(char* s, size_t n, char* aus) {
    auto pruefen = [&](size_t i) {
        if (!hat(s[i], Schar)) return;
        bool links = i > 0 && hat(s[i - 1], Namensbuchstabe);
        bool rechts = i + 1 < n && hat(s[i + 1], Namensbuchstabe);
        if (!links && !rechts) s[i] = 'K';
    };
    for (size_t i = 1; i + 1 < n; ++i) pruefen(i);
    pruefen(0);
    if (n > 1) pruefen(n - 1);
    size_t m = 0;
    aus[m++] = s[0];
    for (size_t i = 1; i < n; ++i) {
        if (hat(s[i], Mal_rechts) && hat(s[i - 1], Mal_links)) aus[m++] = '*';
        aus[m++] = s[i];
    }
    return m;
}

}  // namespace

Termfehler Normalisieren(std::string_view term, std::string_view& kanonisch) {
    Puffer& p = puffer;
    char* s = p.platz(p.a, term.size() + 1);
    const size_t n = dekodieren(term, s);
    if (n == 0) return T::Kette_leer;
    const unsigned char letztes = s[n - 1];
    if (hat(letztes, Operator_am_Ende)) return T::Operand_erwartet;
    if (n == 1 && (s[0] == 'w' || s[0] == 'W')) return T::Wurzelterm_ungueltig;
    if (s[0] == 'E' || letztes == 'E') return T::Falsche_Verwendung_von_E;

    T f = T::Keiner;
    char* z = p.platz(p.b, 4 * n);
    size_t m = zeichen_umschreiben(s, n, z, f);
    if (f != T::Keiner) return f;
    s = p.platz(p.a, 12 * m + 1);
    m = einfuegen_und_loeschen(z, m, s);
    if (m == 0) {   // nothing left: none of the later steps applies
        static const char leer[1] = {0};
        kanonisch = {leer, 0};
        return T::Keiner;
    }
    z = p.platz(p.b, 2 * m + 1);
    m = scharparameter_und_mal(s, m, z);
    z[m] = 0;
    kanonisch = {z, m};
    return T::Keiner;
}

bool Term_normalisieren(const std::string& term, std::string& kanonisch) {
    std::string_view k;
    if (Termfehler fehler = Normalisieren(term, k); fehler != Termfehler::Keiner) {
        Parser.Term_Fehler = true;
        Parser.Term_Fehlertext = Fehlertext(fehler);
        return false;
    }
    kanonisch = Bytes_zu_Utf8(k);
    return true;
}
