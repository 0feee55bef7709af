#include "engine/UTermProgramm.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using T = Termfehler;

// The parse as a list for a value stack, before registers are assigned.
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

struct Befehl {
    Befehlsart art;
    Quelle quelle = Quelle::Stapel;   // right operand of a binary step, or what Laden pushes
    uint8_t funktion = 0;
    int32_t ganz = 0;
    Extended wert = 0;
    Termfehler fehler = T::Keiner;
};

struct Stapelprogramm {
    std::vector<Befehl> befehle;
    bool braucht_toleranz = false;
    int zufallsaufrufe = 0;
};
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
    Uebersetzer(const std::string& s, Stapelprogramm& p) : s_(s), L_(s.size()), p_(p) {}

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
    Stapelprogramm& p_;

    char zeichen(size_t i) const { return i >= 1 && i <= L_ ? s_[i - 1] : '\0'; }

    void emit(const Befehl& b, int stapelwirkung) {
        p_.befehle.push_back(b);
        stapel_ += stapelwirkung;
    }
    void fehler(Termfehler f) { emit({Befehlsart::Fehler, Quelle::Stapel, 0, 0, 0, f}, 0); }
    void fehlwert(Termfehler f) { emit({Befehlsart::Fehlwert, Quelle::Stapel, 0, 0, 0, f}, 1); }
    void laden(Quelle q, Extended w = 0) { emit({Befehlsart::Laden, q, 0, 0, w, T::Keiner}, 1); }

    void operator_lesen() {
        if (c_ < L_) {
            char ch = s_[c_ - 1];
            ++c_;
            letzter_op_ = ch;
            letzte_stufe_ = stufe_von(ch);
            if (letzte_stufe_ == 0 && ch != ')') fehler(T::Operator_erwartet);
        } else {
            letzter_op_ = 0;
            letzte_stufe_ = 0;
        }
    }

    bool hinab() {
        if (++tiefe_ > Maximale_Schachtelung) {
            if (!zu_tief_) fehler(T::Falscher_Klammerterm);
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
        if (!hinab()) { fehlwert(T::Keiner); letzte_stufe_ = 0; --tiefe_; return; }
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
        if (punkte > 1 || b - a == punkte) { fehlwert(T::Fehlerhafte_Zahl); return; }
        if (!dezimalzahl(a, b, w)) { fehlwert(T::Fehlerhafte_Zahl); return; }
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
            fehlwert(T::Ungueltiger_Funktionsaufruf);
            return;
        }
        ausdruck();
        if (f == F_ABS || f == F_SGN || f == F_FLOOR) p_.braucht_toleranz = true;
        if (f == F_RANDOM) ++p_.zufallsaufrufe;
        emit({Befehlsart::Funktion, Quelle::Stapel, uint8_t(f), 0, 0, T::Keiner}, 0);
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
            fehlwert(T::Operand_erwartet);
        }
    }
};

bool binaer(Befehlsart a) {
    return a == Befehlsart::Addieren || a == Befehlsart::Subtrahieren || a == Befehlsart::Multiplizieren ||
           a == Befehlsart::Dividieren || a == Befehlsart::Potenzieren;
}

Schrittart schrittart(Befehlsart a) {
    switch (a) {
    case Befehlsart::Negieren: return Schrittart::Negieren;
    case Befehlsart::Addieren: return Schrittart::Addieren;
    case Befehlsart::Subtrahieren: return Schrittart::Subtrahieren;
    case Befehlsart::Multiplizieren: return Schrittart::Multiplizieren;
    case Befehlsart::Dividieren: return Schrittart::Dividieren;
    case Befehlsart::Potenzieren: return Schrittart::Potenzieren;
    case Befehlsart::Ganzpotenz: return Schrittart::Ganzpotenz;
    case Befehlsart::Funktion: return Schrittart::Funktion;
    case Befehlsart::Fehler: return Schrittart::Fehler;
    default: return Schrittart::Fehlwert;
    }
}

// Stack slot k becomes register k. Loads emit nothing: the operand travels on a
// stack of descriptions to the step that uses it.
void register_zuteilen(const Stapelprogramm& sp, Teilprogramm& p, int& registerzahl) {
    std::vector<Operand> stapel;
    stapel.reserve(sp.befehle.size());
    auto konstante = [&](Extended w) {
        p.skalare.push_back(w);
        return Operand{Ort::Skalar, uint32_t(p.skalare.size() - 1)};
    };
    auto quelle = [&](const Befehl& b) {
        switch (b.quelle) {
        case Quelle::Konstante: return konstante(b.wert);
        case Quelle::X: return Operand{Ort::X, 0};
        case Quelle::T: return Operand{Ort::T, 0};
        default: return Operand{};
        }
    };
    auto nehmen = [&] {   // the parse keeps its stack balanced; a NaN guards anyway
        if (stapel.empty()) return konstante(NaN_Wert);
        Operand o = stapel.back();
        stapel.pop_back();
        return o;
    };
    registerzahl = 1;
    for (const Befehl& b : sp.befehle) {
        if (b.art == Befehlsart::Laden) { stapel.push_back(quelle(b)); continue; }
        Schritt s{schrittart(b.art), {}, {}, {}, b.ganz, false, b.funktion, b.fehler};
        if (b.art != Befehlsart::Fehler) {
            if (binaer(b.art)) s.r = b.quelle == Quelle::Stapel ? nehmen() : quelle(b);
            if (b.art != Befehlsart::Fehlwert) s.l = nehmen();
            s.ziel = Operand{Ort::Register, uint32_t(stapel.size())};
            stapel.push_back(s.ziel);
            registerzahl = std::max(registerzahl, int(stapel.size()));
        }
        p.schritte.push_back(s);
    }
    p.ergebnis = stapel.empty() ? konstante(NaN_Wert) : stapel.back();
}

// Steps whose operands are all the same for every point of a call (constants, t,
// earlier such steps) move to a list run once per call; RANDOM draws per point
// and messages keep their place, so they stay.
void falten(const Teilprogramm& voll, int registerzahl, Teilprogramm& einmal, Teilprogramm& punkte,
            uint32_t& t_platz) {
    einmal.skalare = voll.skalare;
    t_platz = uint32_t(einmal.skalare.size());
    einmal.skalare.push_back(0);
    std::vector<Operand> ersatz(size_t(registerzahl) + 1);
    auto ersetzen = [&](Operand o) {
        if (o.ort == Ort::Register) return ersatz[o.index];
        if (o.ort == Ort::T) return Operand{Ort::Skalar, t_platz};
        return o;
    };
    auto je_aufruf = [](Operand o) { return o.ort == Ort::Skalar || o.ort == Ort::Keiner; };
    for (Schritt s : voll.schritte) {
        s.l = ersetzen(s.l);
        s.r = ersetzen(s.r);
        bool einmalig = s.art != Schrittart::Fehler && s.art != Schrittart::Fehlwert &&
                        !(s.art == Schrittart::Funktion && s.funktion == F_RANDOM) && je_aufruf(s.l) &&
                        je_aufruf(s.r);
        if (einmalig) {
            Operand neu{Ort::Skalar, uint32_t(einmal.skalare.size())};
            einmal.skalare.push_back(0);
            ersatz[s.ziel.index] = neu;
            s.ziel = neu;
            einmal.schritte.push_back(s);
        } else {
            if (s.ziel.ort == Ort::Register) ersatz[s.ziel.index] = s.ziel;
            punkte.schritte.push_back(s);
        }
    }
    punkte.ergebnis = ersetzen(voll.ergebnis);
}

// A power of a constant integral exponent whose register the very next step takes
// as its right operand: both in one step, the power computed on the way.
void verschmelzen(Teilprogramm& p) {
    std::vector<Schritt> neu;
    neu.reserve(p.schritte.size());
    for (size_t i = 0; i < p.schritte.size(); ++i) {
        const Schritt& s = p.schritte[i];
        if (s.art == Schrittart::Ganzpotenz && i + 1 < p.schritte.size()) {
            Schritt n = p.schritte[i + 1];
            bool passt = n.art >= Schrittart::Addieren && n.art <= Schrittart::Dividieren &&
                         n.r.ort == Ort::Register && n.r.index == s.ziel.index && !n.r_potenz;
            if (passt) {
                n.r = s.l;
                n.r_potenz = true;
                n.ganz = s.ganz;
                neu.push_back(n);
                ++i;
                continue;
            }
        }
        neu.push_back(s);
    }
    p.schritte.swap(neu);
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

std::shared_ptr<const Programm> Programm_uebersetzen(const std::string& term, Uebersetzungsoptionen optionen) {
    auto p = std::make_shared<Programm>();
    std::string s = Utf8_zu_Bytes(term);
    p->normalisierungsfehler = Normalisieren_Bytes(s);
    if (p->normalisierungsfehler != Termfehler::Keiner) return p;
    Stapelprogramm sp;
    sp.befehle.reserve(s.size() + 2);
    Uebersetzer(s, sp).uebersetzen();
    p->braucht_toleranz = sp.braucht_toleranz;
    p->zufall_mehrfach = sp.zufallsaufrufe > 1;
    register_zuteilen(sp, p->voll, p->registerzahl);
    p->optionen = optionen;
    if (optionen.falten) p->roh = p->voll;   // folded on the first batch with one t
    p->breite = p->zufall_mehrfach ? 1 : std::clamp<size_t>(2048 / size_t(p->registerzahl), 1, 64);
    if (optionen.verschmelzen) verschmelzen(p->voll);
    Kerne_waehlen(p->voll, p->breite);
    Punktkerne_waehlen(*p);
    return p;
}

void Programm::falten_vorbereiten() const {
    if (gefaltet) return;
    falten(roh, registerzahl, tschritte, punkte, t_platz);
    for (Teilprogramm* t : {&tschritte, &punkte}) {
        if (optionen.verschmelzen) verschmelzen(*t);
        Kerne_waehlen(*t, breite);
    }
    gefaltet = true;
}
