#include "engine/UTermProgramm.h"

#include "engine/UTermBaum.h"
#include "engine/UTermFunktionen.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr unsigned char Abgelehntes_Byte = 0x81;   // no term character
// Brackets and operands nested deeper than this are refused instead of
// exhausting the stack; no term typed into a field comes near it.
constexpr int Maximale_Schachtelung = 600;

int stufe_von(char op) {
    switch (op) {
    case '+': case '-': return 1;
    case '*': case '/': return 2;
    case '^': return 3;
    default: return 0;
    }
}

// Digits with at most one point, correctly rounded. Up to 19 significant digits
// and 27 decimals the mantissa and the power of ten are exact in extended
// precision, so one division rounds correctly; longer numbers take the library.
bool dezimalzahl(const char* a, const char* b, Extended& w) {
    static const Extended zehner[] = {1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L,
        1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
        1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
    uint64_t m = 0;
    int ziffern = 0, nachkomma = 0;
    bool komma = false;
    for (const char* p = a; p != b; ++p) {
        if (*p == '.') { komma = true; continue; }
        if (ziffern == 0 && *p == '0' && !komma) continue;   // leading zeros
        if (ziffern > 0 || *p != '0') ++ziffern;
        if (ziffern > 19) ziffern = 99;
        if (ziffern <= 19) m = m * 10 + uint64_t(*p - '0');
        if (komma) ++nachkomma;
    }
    if (ziffern <= 19 && nachkomma <= 27) {
        w = Extended(m) / zehner[nachkomma];
        return true;
    }
    auto [rest, ec] = std::from_chars(a, b, w, std::chars_format::fixed);
    return ec == std::errc() && rest == b;
}

// Walks the canonical text exactly like the evaluating parser (cursor c from 1,
// last operator, pending level) but emits the steps instead of computing them.
class Uebersetzer {
public:
    Uebersetzer(const std::string& s, Programm& p) : s_(s), L_(s.size()), p_(p) {}

    void uebersetzen() { ausdruck(); }

private:
    const std::string& s_;
    size_t L_;
    size_t c_ = 1;
    char letzter_op_ = 0;
    int letzte_stufe_ = 0;
    int offene_stufe_ = 0;
    int tiefe_ = 0;
    int stapel_ = 0;
    bool zu_tief_ = false;
    Programm& p_;

    char zeichen(size_t i) const { return i >= 1 && i <= L_ ? s_[i - 1] : '\0'; }

    void emit(const Befehl& b, int stapelwirkung) {
        p_.befehle.push_back(b);
        stapel_ += stapelwirkung;
        if (stapel_ > p_.stapeltiefe) p_.stapeltiefe = stapel_;
    }
    void fehler(const char* text) { emit({Befehlsart::Fehler, Quelle::Stapel, 0, 0, 0, text}, 0); }
    void fehlwert(const char* text) { emit({Befehlsart::Fehlwert, Quelle::Stapel, 0, 0, 0, text}, 1); }
    void laden(Quelle q, Extended w = 0) { emit({Befehlsart::Laden, q, 0, 0, w, nullptr}, 1); }

    void operator_lesen() {
        if (c_ < L_) {
            char ch = s_[c_ - 1];
            ++c_;
            letzter_op_ = ch;
            letzte_stufe_ = stufe_von(ch);
            if (letzte_stufe_ == 0 && ch != ')') fehler("Operator erwartet");
        } else {
            letzter_op_ = 0;
            letzte_stufe_ = 0;
        }
    }

    bool hinab() {
        if (++tiefe_ > Maximale_Schachtelung) {
            if (!zu_tief_) fehler("falscher Klammerterm");
            zu_tief_ = true;
            c_ = L_ + 1;
            return false;
        }
        return true;
    }

    void ausdruck() {
        vorzeichen_operand();
        while (letzte_stufe_ > 0 && !zu_tief_) anwenden();
    }

    void vorzeichen_operand() {
        if (!hinab()) { fehlwert(nullptr); letzte_stufe_ = 0; --tiefe_; return; }
        if (zeichen(c_) == '-') {
            ++c_;
            operand();
            emit({Befehlsart::Negieren}, 0);
        } else {
            operand();
        }
        operator_lesen();
        while (letzte_stufe_ > offene_stufe_ && !zu_tief_) anwenden();
        --tiefe_;
    }

    void anwenden() {
        int gemerkt = offene_stufe_;
        do {
            char op = letzter_op_;
            offene_stufe_ = stufe_von(op);
            size_t start = p_.befehle.size();
            vorzeichen_operand();
            binaer(op, start);
        } while (!(letzte_stufe_ < offene_stufe_) && !zu_tief_);
        offene_stufe_ = gemerkt;
    }

    // A right operand that is a single load is folded into the step.
    void binaer(char op, size_t start) {
        Befehl b{};
        switch (op) {
        case '+': b.art = Befehlsart::Addieren; break;
        case '-': b.art = Befehlsart::Subtrahieren; break;
        case '*': b.art = Befehlsart::Multiplizieren; break;
        case '/': b.art = Befehlsart::Dividieren; break;
        default: b.art = Befehlsart::Potenzieren; break;
        }
        if (p_.befehle.size() == start + 1 && p_.befehle[start].art == Befehlsart::Laden) {
            Befehl r = p_.befehle.back();
            p_.befehle.pop_back();
            --stapel_;
            b.quelle = r.quelle;
            b.wert = r.wert;
            if (b.art == Befehlsart::Potenzieren && r.quelle == Quelle::Konstante && Ganzzahl_32(r.wert)) {
                b.art = Befehlsart::Ganzpotenz;
                b.ganz = static_cast<int32_t>(r.wert);
            }
            emit(b, 0);
        } else {
            emit(b, -1);
        }
    }

    void zahl() {
        size_t ende = c_;
        int punkte = 0;
        while (ende <= L_ && ((s_[ende - 1] >= '0' && s_[ende - 1] <= '9') || s_[ende - 1] == '.')) {
            if (s_[ende - 1] == '.') ++punkte;
            ++ende;
        }
        const char* a = s_.data() + (c_ - 1);
        const char* b = s_.data() + (ende - 1);
        c_ = ende;
        Extended w = 0;
        if (punkte > 1 || b - a == punkte) { fehlwert("fehlerhafte Zahl"); return; }
        if (!dezimalzahl(a, b, w)) { fehlwert("fehlerhafte Zahl"); return; }
        laden(Quelle::Konstante, w);
    }

    void funktionsaufruf() {
        size_t klammer = s_.find('(', c_ - 1);   // 0-based position of "("
        size_t name_ende = klammer == std::string::npos ? L_ : klammer;
        Funktionsnummer f = Funktion_suchen(s_.substr(c_ - 1, name_ende - (c_ - 1)));
        c_ = klammer == std::string::npos ? L_ + 1 : klammer + 2;
        if (f == F_KEINE) {
            // The unknown call's bracketed argument is passed over unread.
            int offen = 1;
            while (c_ <= L_ && offen > 0) {
                if (s_[c_ - 1] == '(') ++offen;
                else if (s_[c_ - 1] == ')') --offen;
                ++c_;
            }
            fehlwert("ungültiger Funktionsaufruf");
            return;
        }
        ausdruck();
        if (f == F_ABS || f == F_SGN || f == F_FLOOR) p_.braucht_toleranz = true;
        emit({Befehlsart::Funktion, Quelle::Stapel, uint8_t(f), 0, 0, nullptr}, 0);
    }

    void operand() {
        char ch = zeichen(c_);
        if (ch == '(') {
            ++c_;
            ausdruck();
        } else if ((ch >= '0' && ch <= '9') || ch == '.') {
            zahl();
        } else if (ch == 'E') {
            ++c_;
            laden(Quelle::Konstante, std::numbers::e_v<Extended>);
        } else if (ch == 'P') {
            ++c_;
            laden(Quelle::Konstante, std::numbers::pi_v<Extended>);
        } else if (ch == 'X') {
            ++c_;
            laden(Quelle::X);
        } else if (ch == 'K') {
            ++c_;
            laden(Quelle::T);
        } else if (ch >= 'A' && ch <= 'U') {
            funktionsaufruf();
        } else {
            fehlwert("Operand erwartet");
        }
    }
};

// Integral power: the general power takes integral exponents by repeated squaring.
Extended ganzpotenz(Extended a, int32_t n) {
    Extended w;
    return Potenz(a, Extended(n), w) ? w : NaN;
}

}  // namespace

std::string Utf8_zu_Bytes(const std::string& u) {
    std::string aus;
    aus.reserve(u.size());
    for (size_t i = 0; i < u.size();) {
        unsigned char c = u[i];
        if (c < 0x80) { aus += char(c); ++i; continue; }
        int laenge = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool gueltig = laenge > 0 && i + laenge <= u.size();
        uint32_t cp = laenge == 2 ? c & 0x1F : laenge == 3 ? c & 0x0F : c & 0x07;
        for (int k = 1; gueltig && k < laenge; ++k) {
            unsigned char f = u[i + k];
            if ((f & 0xC0) != 0x80) gueltig = false;
            cp = (cp << 6) | (f & 0x3F);
        }
        if (!gueltig) { aus += char(Abgelehntes_Byte); ++i; continue; }
        aus += cp <= 0xFF ? char(cp) : char(Abgelehntes_Byte);
        i += laenge;
    }
    return aus;
}

std::string Bytes_zu_Utf8(const std::string& b) {
    std::string aus;
    aus.reserve(b.size() + 4);
    for (unsigned char c : b) {
        if (c < 0x80) aus += char(c);
        else { aus += char(0xC0 | (c >> 6)); aus += char(0x80 | (c & 0x3F)); }
    }
    return aus;
}

Programm::Programm() = default;
Programm::~Programm() = default;

std::shared_ptr<const Programm> Programm_uebersetzen(const std::string& term) {
    auto p = std::make_shared<Programm>();
    std::string s = Utf8_zu_Bytes(term);
    p->normalisierungsfehler = Normalisieren_Bytes(s);
    if (!p->normalisierungsfehler) {
        p->befehle.reserve(s.size() + 2);
        Uebersetzer(s, *p).uebersetzen();
        p->baum = std::make_unique<Termbaum>();
        if (!p->baum->bauen(p->befehle)) p->baum.reset();
        p->abschliessen();
    }
    return p;
}

void Programm::abschliessen() {
    std::vector<Befehl> neu;
    neu.reserve(befehle.size());
    for (const Befehl& b : befehle) {
        Befehl c = b;
        int q = int(b.quelle);
        switch (b.art) {
        case Befehlsart::Laden: c.code = Maschinencode(M_Laden_K + q - 1); break;
        case Befehlsart::Negieren: c.code = M_Negieren; break;
        case Befehlsart::Addieren: c.code = Maschinencode(M_Add_S + q); break;
        case Befehlsart::Subtrahieren: c.code = Maschinencode(M_Sub_S + q); break;
        case Befehlsart::Multiplizieren: c.code = Maschinencode(M_Mul_S + q); break;
        case Befehlsart::Dividieren: c.code = Maschinencode(M_Div_S + q); break;
        case Befehlsart::Potenzieren: c.code = Maschinencode(M_Pot_S + q); break;
        case Befehlsart::Ganzpotenz:
            c.code = M_Ganzpotenz;
            // x^n and t^n: load and power in one step
            if (!neu.empty() && (neu.back().code == M_Laden_X || neu.back().code == M_Laden_T)) {
                c.code = neu.back().code == M_Laden_X ? M_Ganzpotenz_X : M_Ganzpotenz_T;
                neu.pop_back();
            }
            break;
        case Befehlsart::Funktion: c.code = M_Funktion; break;
        case Befehlsart::Fehler: c.code = M_Fehler; break;
        case Befehlsart::Fehlwert: c.code = M_Fehlwert; break;
        }
        neu.push_back(c);
    }
    Befehl ende{};
    ende.code = M_Ende;
    neu.push_back(ende);
    befehle.swap(neu);
}

namespace {

// Finite and not a NaN, in one comparison.
inline bool endlich(Extended v) { return std::fabs(v) <= std::numeric_limits<Extended>::max(); }

inline Extended potenz_schritt(Extended l, Extended r) {
    Extended v;
    if (std::isnan(l) || std::isnan(r)) return NaN;
    if (!Potenz(l, r, v)) return Fehler_im_Schritt(l, r, "Fehler beim Potenzieren");
    return v;
}

// Squares and cubes are multiplied out exactly as the repeated squaring would.
inline Extended ganzpotenz_schritt(Extended a, int32_t n) {
    Extended v;
    if (n == 2) v = a * a;
    else if (n == 3) v = a * (a * a);
    else v = std::isnan(a) ? NaN : ganzpotenz(a, n);
    if (endlich(v)) return v;
    if (n == 2 || n == 3) v = std::isnan(a) ? NaN : ganzpotenz(a, n);
    return endlich(v) ? v : Fehler_im_Schritt(a, 0, "Fehler beim Potenzieren");
}

}  // namespace

// Threaded dispatch: every step jumps straight to the next one's handler, which
// the branch predictor follows far better than one shared switch.
#define WEITER goto* sprung[(++b)->code]
#define TESSARA_BINAER(NAME, OP, MELDUNG)                                                    \
    NAME##_S: r = acc; l = *--sp; goto NAME;                                                 \
    NAME##_K: r = b->wert; l = acc; goto NAME;                                               \
    NAME##_X: r = x; l = acc; goto NAME;                                                     \
    NAME##_T: r = t; l = acc; goto NAME;                                                     \
    NAME: acc = OP; if (!endlich(acc)) acc = Fehler_im_Schritt(l, r, MELDUNG); WEITER;

Extended Programm::ausfuehren(Extended x, Extended t, bool ohne_baum) const {
    if (normalisierungsfehler) {
        Parser.Term_Fehler = true;
        Parser.Term_Fehlertext = normalisierungsfehler;
        Meldung_in_dieser_Auswertung = true;
        return Fehlerwert;
    }
    const Extended tol = braucht_toleranz ? Sprungtoleranz() : 0;
    Parser.Term_Fehler = Parser.Sprungstelle = Parser.Signum_Null = Parser.Knickstelle = false;
    Meldung_in_dieser_Auswertung = false;
    Extended v = baum && !ohne_baum ? baum->auswerten(Umgebung{x, t, tol}) : schritte_ausfuehren(x, t, tol);
    if (!endlich(v)) Parser.Term_Fehler = true;   // a NaN passed in as x or t
    return Parser.Term_Fehler ? Fehlerwert : v;
}

Extended Programm::schritte_ausfuehren(Extended x, Extended t, Extended tol) const {
    // The top of the stack lives in acc; below it the spilled values.
    Extended lokal[33];
    std::vector<Extended> gross;
    Extended* sp = lokal;
    if (stapeltiefe >= 32) { gross.resize(size_t(stapeltiefe) + 1); sp = gross.data(); }
    Extended* const boden = sp;
    Extended acc = NaN, l, r;

    static const void* const sprung[] = {
        &&Laden_K, &&Laden_X, &&Laden_T, &&Negieren,
        &&Add_S, &&Add_K, &&Add_X, &&Add_T, &&Sub_S, &&Sub_K, &&Sub_X, &&Sub_T,
        &&Mul_S, &&Mul_K, &&Mul_X, &&Mul_T, &&Div_S, &&Div_K, &&Div_X, &&Div_T,
        &&Pot_S, &&Pot_K, &&Pot_X, &&Pot_T,
        &&Ganzpotenz, &&Ganzpotenz_X, &&Ganzpotenz_T,
        &&Funktion, &&Fehler, &&Fehlwert, &&Ende};
    static_assert(M_Ende + 1 == sizeof(sprung) / sizeof(sprung[0]));
    const Befehl* b = befehle.data();
    goto* sprung[b->code];

    Laden_K: *sp++ = acc; acc = b->wert; WEITER;
    Laden_X: *sp++ = acc; acc = x; WEITER;
    Laden_T: *sp++ = acc; acc = t; WEITER;
    Negieren: acc = -acc; WEITER;
    TESSARA_BINAER(Add, l + r, "Fehler bei der Addition")
    TESSARA_BINAER(Sub, l - r, "Fehler bei der Subtraktion")
    TESSARA_BINAER(Mul, l * r, "Fehler bei der Multiplikation")
    TESSARA_BINAER(Div, r != 0 ? l / r : NaN, "Division durch Null")
    Pot_S: r = acc; acc = potenz_schritt(*--sp, r); WEITER;
    Pot_K: acc = potenz_schritt(acc, b->wert); WEITER;
    Pot_X: acc = potenz_schritt(acc, x); WEITER;
    Pot_T: acc = potenz_schritt(acc, t); WEITER;
    Ganzpotenz: acc = ganzpotenz_schritt(acc, b->ganz); WEITER;
    Ganzpotenz_X: *sp++ = acc; acc = ganzpotenz_schritt(x, b->ganz); WEITER;
    Ganzpotenz_T: *sp++ = acc; acc = ganzpotenz_schritt(t, b->ganz); WEITER;
    Funktion: acc = Funktion_anwenden(Funktionsnummer(b->funktion), acc, tol); WEITER;
    Fehler: Fehler_setzen(b->text); WEITER;
    Fehlwert: Fehler_setzen(b->text); *sp++ = acc; acc = NaN; WEITER;
    Ende:
    return sp > boden ? acc : NaN;
}
#undef WEITER
