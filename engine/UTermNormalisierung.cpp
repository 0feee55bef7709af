// Rewrites a typed term into the canonical alphabet the parser reads: upper-case
// names, the one-letter operands E, P, X, K, the four operators, "^", brackets,
// digits and the decimal point. Stops at the first refused step with its message.
#include "engine/UFunktionsParser.h"
#include "engine/UTermProgramm.h"

#include <cstring>

namespace {

bool ist_ziffer(unsigned char c) { return c >= '0' && c <= '9'; }

// Letters that may belong to a function name: every capital but E, P, T and X.
bool ist_namensbuchstabe(unsigned char c) {
    return c >= 'A' && c <= 'Z' && c != 'E' && c != 'P' && c != 'T' && c != 'X';
}

bool ist_erlaubt(unsigned char c) {
    if (std::strchr("()*+,-./^", c) && c != 0) return true;
    if (ist_ziffer(c)) return true;
    if ((c >= 'A' && c <= 'U') || c == 'W' || c == 'X') return true;
    return c == Zeichen_Grad || c == Zeichen_Hoch2 || c == Zeichen_Hoch3;
}

void alle_ersetzen(std::string& s, const std::string& alt, const std::string& neu) {
    for (size_t p = s.find(alt); p != std::string::npos; p = s.find(alt, p + neu.size()))
        s.replace(p, alt.size(), neu);
}

Termfehler wissenschaftlich(std::string& s) {
    for (size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] != 'E') continue;
        unsigned char vor = s[i - 1], nach = s[i + 1];
        if (!ist_ziffer(vor) || !(ist_ziffer(nach) || nach == '-'))
            return Termfehler::Falsche_Verwendung_von_E;
        s.replace(i, 1, "*10^");
        i += 3;
    }
    return Termfehler::Keiner;
}

Termfehler zeichen_pruefen(std::string& s) {
    for (auto& ch : s) {
        unsigned char c = ch;
        if (c == Zeichen_Punkt_Mal) c = '*';
        else if (c == ',') c = '.';
        ch = static_cast<char>(c);
        if (!ist_erlaubt(c)) return Termfehler::Falsche_Zeichen;
    }
    return Termfehler::Keiner;
}

Termfehler klammern_und_pi(std::string& s) {
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == '(' && s[i + 1] == ')') return Termfehler::Falscher_Klammerterm;
        if (s[i] == 'P' && s[i + 1] == 'I') s.erase(i + 1, 1);
    }
    return Termfehler::Keiner;
}

// Minus after "(", degrees, ² and ³; the first character is left as it is.
void sonderzeichen(std::string& s) {
    if (s.empty()) return;
    std::string aus(1, s[0]);
    aus.reserve(s.size() + 16);
    for (size_t i = 1; i < s.size(); ++i) {
        unsigned char c = s[i];
        if (c == '-' && aus.back() == '(') aus += "0-";
        else if (c == Zeichen_Grad) aus += "*.0174532925";
        else if (c == Zeichen_Hoch2) aus += "^2";
        else if (c == Zeichen_Hoch3) aus += "^3";
        else aus += static_cast<char>(c);
    }
    s.swap(aus);
}

// N and T stand for the family parameter unless they touch a name letter.
void scharparameter(std::string& s) {
    const size_t n = s.size();
    auto pruefen = [&](size_t i) {
        if (s[i] != 'N' && s[i] != 'T') return;
        bool links = i > 0 && ist_namensbuchstabe(s[i - 1]);
        bool rechts = i + 1 < n && ist_namensbuchstabe(s[i + 1]);
        if (!links && !rechts) s[i] = 'K';
    };
    for (size_t i = 1; i + 1 < n; ++i) pruefen(i);
    pruefen(0);
    if (n > 1) pruefen(n - 1);
}

void implizites_mal(std::string& s) {
    for (size_t i = 1; i < s.size(); ++i) {
        unsigned char c = s[i], v = s[i - 1];
        bool rechts = c == '(' || c == 'E' || c == 'K' || c == 'P' || c == 'X';
        bool links = v == ')' || ist_ziffer(v) || v == 'E' || v == 'K' || v == 'P' || v == 'X';
        if (rechts && links) {
            s.insert(i, 1, '*');
            ++i;
        }
    }
}

}  // namespace

// Works on single-byte (Windows-1252) text.
Termfehler Normalisieren_Bytes(std::string& s) {
    using T = Termfehler;
    if (s.empty()) return T::Kette_leer;
    if (std::strchr("*+,-/^", s.back())) return T::Operand_erwartet;
    if (s.size() == 1 && (s[0] == 'w' || s[0] == 'W')) return T::Wurzelterm_ungueltig;
    if (s.front() == 'E' || s.back() == 'E') return T::Falsche_Verwendung_von_E;
    for (auto& ch : s) {
        if (ch == '[') ch = '(';
        else if (ch == ']') ch = ')';
    }
    if (T f = wissenschaftlich(s); f != T::Keiner) return f;
    for (auto& ch : s)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (T f = zeichen_pruefen(s); f != T::Keiner) return f;
    if (s[0] == '+') s.erase(0, 1);
    if (!s.empty() && s[0] == '-') s.insert(0, 1, '0');
    if (T f = klammern_und_pi(s); f != T::Keiner) return f;
    alle_ersetzen(s, "EXP", "E^");
    alle_ersetzen(s, "W", "SQRT");
    sonderzeichen(s);
    scharparameter(s);
    implizites_mal(s);
    return Termfehler::Keiner;
}

bool Term_normalisieren(const std::string& term, std::string& kanonisch) {
    std::string s = Utf8_zu_Bytes(term);
    if (Termfehler fehler = Normalisieren_Bytes(s); fehler != Termfehler::Keiner) {
        Parser.Term_Fehler = true;
        Parser.Term_Fehlertext = Fehlertext(fehler);
        return false;
    }
    kanonisch = Bytes_zu_Utf8(s);
    return true;
}
