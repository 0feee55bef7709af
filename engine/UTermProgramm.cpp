#include "engine/UTermProgramm.h"

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
            if (b.art == Befehlsart::Potenzieren && r.quelle == Quelle::Konstante &&
                r.wert == std::nearbyint(r.wert) && std::fabs(r.wert) <= 2147483647.0L) {
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
        auto [rest, ec] = std::from_chars(a, b, w, std::chars_format::fixed);
        if (ec != std::errc() || rest != b) { fehlwert("fehlerhafte Zahl"); return; }
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

inline Extended holen(const Befehl& b, Extended x, Extended t, Extended*& sp) {
    switch (b.quelle) {
    case Quelle::Konstante: return b.wert;
    case Quelle::X: return x;
    case Quelle::T: return t;
    default: return *--sp;
    }
}

// Integral power by repeated squaring; on overflow the general power decides.
Extended ganzpotenz(Extended a, int32_t n) {
    if (n == 0) return 1;
    if (a == 0 && n > 0) return 0;
    uint32_t m = n < 0 ? uint32_t(-(int64_t)n) : uint32_t(n);
    Extended r = 1, basis = a;
    while (true) {
        if (m & 1) r *= basis;
        m >>= 1;
        if (!m) break;
        basis *= basis;
    }
    if (n < 0) r = 1 / r;
    if (std::isfinite(r)) return r;
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

std::shared_ptr<const Programm> Programm_uebersetzen(const std::string& term) {
    auto p = std::make_shared<Programm>();
    std::string s = Utf8_zu_Bytes(term);
    p->normalisierungsfehler = Normalisieren_Bytes(s);
    if (!p->normalisierungsfehler) Uebersetzer(s, *p).uebersetzen();
    return p;
}

Extended Programm::ausfuehren(Extended x, Extended t) const {
    if (normalisierungsfehler) {
        Parser.Term_Fehler = true;
        Parser.Term_Fehlertext = normalisierungsfehler;
        Meldung_in_dieser_Auswertung = true;
        return Fehlerwert;
    }
    const Extended tol = braucht_toleranz ? Sprungtoleranz() : 0;
    Parser.Term_Fehler = Parser.Sprungstelle = Parser.Signum_Null = Parser.Knickstelle = false;
    Meldung_in_dieser_Auswertung = false;

    Extended lokal[32];
    std::vector<Extended> gross;
    Extended* stapel = lokal;
    if (stapeltiefe > 32) { gross.resize(size_t(stapeltiefe)); stapel = gross.data(); }
    Extended* sp = stapel;

    for (const Befehl& b : befehle) {
        switch (b.art) {
        case Befehlsart::Laden: { Extended w = holen(b, x, t, sp); *sp++ = w; break; }
        case Befehlsart::Negieren: sp[-1] = -sp[-1]; break;
        case Befehlsart::Addieren: {
            Extended r = holen(b, x, t, sp), l = sp[-1], v = l + r;
            sp[-1] = std::isfinite(v) ? v : Fehler_im_Schritt(l, r, "Fehler bei der Addition");
            break;
        }
        case Befehlsart::Subtrahieren: {
            Extended r = holen(b, x, t, sp), l = sp[-1], v = l - r;
            sp[-1] = std::isfinite(v) ? v : Fehler_im_Schritt(l, r, "Fehler bei der Subtraktion");
            break;
        }
        case Befehlsart::Multiplizieren: {
            Extended r = holen(b, x, t, sp), l = sp[-1], v = l * r;
            sp[-1] = std::isfinite(v) ? v : Fehler_im_Schritt(l, r, "Fehler bei der Multiplikation");
            break;
        }
        case Befehlsart::Dividieren: {
            Extended r = holen(b, x, t, sp), l = sp[-1];
            Extended v = r != 0 ? l / r : NaN;
            sp[-1] = std::isfinite(v) ? v : Fehler_im_Schritt(l, r, "Division durch Null");
            break;
        }
        case Befehlsart::Potenzieren: {
            Extended r = holen(b, x, t, sp), l = sp[-1], v;
            if (std::isnan(l) || std::isnan(r)) v = NaN;
            else if (!Potenz(l, r, v)) v = Fehler_im_Schritt(l, r, "Fehler beim Potenzieren");
            sp[-1] = v;
            break;
        }
        case Befehlsart::Ganzpotenz: {
            Extended l = sp[-1], v = std::isnan(l) ? NaN : ganzpotenz(l, b.ganz);
            sp[-1] = std::isfinite(v) ? v : Fehler_im_Schritt(l, 0, "Fehler beim Potenzieren");
            break;
        }
        case Befehlsart::Funktion:
            sp[-1] = Funktion_anwenden(Funktionsnummer(b.funktion), sp[-1], tol);
            break;
        case Befehlsart::Fehler: Fehler_setzen(b.text); break;
        case Befehlsart::Fehlwert: Fehler_setzen(b.text); *sp++ = NaN; break;
        }
    }
    Extended v = sp > stapel ? sp[-1] : NaN;
    if (!std::isfinite(v)) Parser.Term_Fehler = true;   // a NaN passed in as x or t
    return Parser.Term_Fehler ? Fehlerwert : v;
}
