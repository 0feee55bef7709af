#include "engine/UFunktionsParser.h"

#include "engine/UTermFunktionen.h"
#include "engine/UTermProgramm.h"
#include "platform/Dialoge.h"

#include <array>
#include <cmath>
#include <unordered_map>
#include <vector>
#include <algorithm>

Parserzustand Parser;

namespace {

// Compiled terms by their text; the last one is also kept in Letzter_term.
constexpr size_t Speichergrenze = 2048;
std::unordered_map<std::string, std::shared_ptr<const Programm>> speicher;
std::shared_ptr<const Programm> letztes;

uint8_t parser_marken() {
    return uint8_t((Parser.Term_Fehler ? Marke_Fehler : 0) | (Parser.Sprungstelle ? Marke_Sprungstelle : 0) |
                   (Parser.Signum_Null ? Marke_Signum_Null : 0) | (Parser.Knickstelle ? Marke_Knickstelle : 0));
}

bool ist_ungerade(Extended v) { return std::fmod(std::nearbyint(v), 2.0L) != 0; }

}  // namespace

Letzter_Term Letzter_term;

const Programm& Programm_suchen(const std::string& term) {
    auto it = speicher.find(term);
    if (it == speicher.end()) {
        if (speicher.size() >= Speichergrenze) speicher.clear();
        it = speicher.emplace(term, Programm_uebersetzen(term)).first;
    }
    Letzter_term.text = term;
    letztes = it->second;
    Letzter_term.programm = letztes.get();
    return *letztes;
}

void Term_auswerten_Reihe(const std::string& term, std::span<const Extended> x,
                          std::span<const Extended> t, std::span<Extended> y,
                          std::span<uint8_t> marken) {
    const size_t n = x.size();
    if (n == 0 || y.size() != n || marken.size() != n || (t.size() != 1 && t.size() != n)) return;
    const Programm& p = Programm_fuer(term);
    static std::vector<Termfehler> fehler;   // one thread evaluates terms
    if (fehler.size() < n) fehler.resize(n);
    const uint8_t alte_sprungmarken = uint8_t(parser_marken() & ~Marke_Fehler);
    size_t letzte = p.reihe(x.data(), t.data(), t.size() == n && n > 1, n, y.data(), marken.data(), fehler.data());
    if (p.normalisierungsfehler != Termfehler::Keiner)
        for (size_t i = 0; i < n; ++i) marken[i] |= alte_sprungmarken;
    Parser_setzen(p, marken[n - 1], fehler[n - 1], letzte < n ? fehler[letzte] : Termfehler::Keiner);
}

Extended Term_auswerten_frisch(const std::string& term, Extended x, Extended t) {
    static Programm p;   // only its storage outlives the call
    Programm_uebersetzen(p, term);
    return p.einzeln(x, t);
}

void Termspeicher_leeren() {
    speicher.clear();
    letztes.reset();
    Letzter_term.programm = nullptr;
    Letzter_term.text.clear();
}

bool Term_pruefen(const std::string& term) {
    Term_auswerten(term, 1, 1);
    if (Parser.Term_Fehler && Ist_Syntaxfehler(Letzte_Fehlerart())) {
        Dialog().Meldung(Parser.Term_Fehlertext);
        return false;
    }
    return true;
}

bool Zahl_aus_Term(const std::string& term, Extended& wert) {
    if (!Term_pruefen(term)) return false;
    wert = Term_auswerten(term, 0, 0);
    if (Parser.Term_Fehler) {
        Dialog().Piep();
        return false;
    }
    return true;
}

bool Potenz(Extended a, Extended b, Extended& wert) {
    if (std::isnan(a) || std::isnan(b)) return false;
    if (b == 0) { wert = 1; return true; }
    if (a == 0 && b > 0) { wert = 0; return true; }
    Extended v;
    if (Ganzzahl_32(b)) {
        int64_t n = static_cast<int64_t>(b);
        uint64_t m = n < 0 ? uint64_t(-n) : uint64_t(n);
        Extended basis = a;
        v = 1;
        while (true) {
            if (m & 1) v *= basis;
            m >>= 1;
            if (!m) break;
            basis *= basis;
        }
        if (n < 0) v = 1 / v;
    } else {
        v = a > 0 ? std::exp(b * std::log(a)) : NAN;
    }
    if (std::isfinite(v)) { wert = v; return true; }
    if (a >= 0) return false;
    // A negative base: defined when the exponent is a fraction with odd denominator.
    Extended p = b, q = 1;
    Bruch_kuerzen(p, q);
    if (!ist_ungerade(q)) return false;
    v = std::exp(b * std::log(-a));
    if (!std::isfinite(v)) return false;
    wert = ist_ungerade(p) ? -v : v;
    return true;
}

bool Bruch_naeherung(Extended x, int32_t& z, int32_t& n) {
    z = 0;
    n = 1;
    if (!std::isfinite(x)) return false;
    const Extended ziel = std::fabs(x);
    int64_t h1 = 1, k1 = 0, h2 = 0, k2 = 1;
    Extended y = ziel;
    for (int schritt = 0; schritt < 21; ++schritt) {
        Extended a = std::trunc(y);
        if (std::fabs((a + 1) - y) < 1e-5L) a += 1;
        if (!(std::fabs(a) <= 2147483647.0L)) return false;
        int64_t ai = static_cast<int64_t>(a);
        int64_t h = ai * h1 + h2, k = ai * k1 + k2;
        if (h > INT32_MAX || h < INT32_MIN || k > INT32_MAX || k < INT32_MIN) return false;
        if (k == 0) return false;
        if (std::fabs(Extended(h) / Extended(k) - ziel) < 1e-14L) {
            z = static_cast<int32_t>(x < 0 ? -h : h);
            n = static_cast<int32_t>(k);
            return true;
        }
        if (y - a == 0) return false;
        y = 1 / (y - a);
        if (!std::isfinite(y)) return false;
        h2 = h1; k2 = k1; h1 = h; k1 = k;
    }
    return false;
}

bool Bruch_kuerzen(Extended& a, Extended& b) {
    int32_t z, n;
    if (!Bruch_naeherung(a / b, z, n)) return false;
    a = z;
    b = n;
    return true;
}

std::string Zeichen_entfernen(const std::string& text, char ch) {
    size_t anfang = 0, ende = text.size();
    while (anfang < ende && static_cast<unsigned char>(text[anfang]) <= ' ') ++anfang;
    while (ende > anfang && static_cast<unsigned char>(text[ende - 1]) <= ' ') --ende;
    std::string aus;
    aus.reserve(ende - anfang);
    for (size_t i = anfang; i < ende; ++i)
        if (text[i] != ch) aus += text[i];
    return aus;
}

char32_t Taste_Term(char32_t taste) {
    if (taste == '*') return U'\u00B7';
    if (taste == '.') return ',';
    if (taste == Taste_Enter) return 0;
    return taste;
}

char32_t Taste_Zahl(char32_t taste) {
    char32_t g = (taste >= 'a' && taste <= 'z') ? taste - 'a' + 'A' : taste;
    bool verboten = (g >= 'A' && g <= 'D') || (g >= 'F' && g <= 'H') || (g >= 'J' && g <= 'O') ||
                    (g >= 'Q' && g <= 'V') || (g >= 'X' && g <= 'Z');
    return verboten ? 0 : Taste_Term(taste);
}

char32_t Taste_Ganzzahl(char32_t taste) {
    bool erlaubt = taste == Taste_Backspace || taste == Taste_Enter || taste == Taste_Escape ||
                   taste == '#' || taste == '$' || (taste >= '0' && taste <= '9');
    if (!erlaubt || taste == Taste_Enter) return 0;
    return taste;
}
