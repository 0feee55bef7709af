#include "engine/UTermProgramm.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <new>
#include <numbers>

namespace {

using T = Termfehler;

// Brackets and operands nested deeper than this are refused instead of
// exhausting the stack; no term typed into a field comes near it.
constexpr int Maximale_Schachtelung = 600;

constexpr std::array<uint8_t, 256> Stufen = [] {
    std::array<uint8_t, 256> s{};
    s['+'] = s['-'] = 1;
    s['*'] = s['/'] = 2;
    s['^'] = 3;
    return s;
}();

int stufe_von(char op) { return Stufen[static_cast<unsigned char>(op)]; }

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
// last operator, pending level) and emits the steps with their registers at once.
// An operand that is only loaded (a constant, x or t) emits no step: its
// description travels on a stack to the step that uses it, and a step's result
// gets the register of its place on that stack.
class Uebersetzer {
public:
    // verschmelzen: a power step with a constant integral exponent whose result the
    // next step takes as its right operand goes into that step, as verschmelzen() does.
    Uebersetzer(std::string_view s, Teilprogramm& p, std::vector<Operand>& stapel, bool verschmelzen)
        : s_(s), L_(s.size()), p_(p), stapel_(stapel), verschmelzen_(verschmelzen) {}

    void uebersetzen() {
        ausdruck();
        p_.ergebnis = stapel_.empty() ? konstante(NaN_Wert) : stapel_.back();
    }
    int registerzahl = 1;
    bool braucht_toleranz = false;
    int zufallsaufrufe = 0;

private:
    std::string_view s_;
    size_t L_;
    size_t c_ = 1;
    char letzter_op_ = 0;
    int letzte_stufe_ = 0;
    int offene_stufe_ = 0;
    int tiefe_ = 0;
    bool zu_tief_ = false;
    Teilprogramm& p_;
    std::vector<Operand>& stapel_;
    bool verschmelzen_;
    // The parse counted as a list of stack commands, loads included: a binary
    // operator whose right operand was exactly one load takes that load into its
    // step, and one with a constant integral exponent becomes a power step.
    size_t befehle_ = 0;
    bool zuletzt_geladen_ = false;

    // The character at cursor position i (from 1), NUL just past the end: the cursor
    // never goes beyond that, and the canonical text ends with a NUL there.
    char zeichen(size_t i) const { return s_.data()[i - 1]; }

    Operand konstante(Extended w) {
        p_.skalare.push_back(w);
        return Operand{Ort::Skalar, uint32_t(p_.skalare.size() - 1)};
    }
    Operand nehmen() {   // the parse keeps its stack balanced; a NaN guards anyway
        if (stapel_.empty()) return konstante(NaN_Wert);
        Operand o = stapel_.back();
        stapel_.pop_back();
        return o;
    }
    void laden(Operand o) {
        stapel_.push_back(o);
        ++befehle_;
        zuletzt_geladen_ = true;
    }
    // A new step, its operands taken from the stack before; with its result pushed.
    Schritt& schritt(Schrittart art, Operand l = {}, Operand r = {}, bool mit_ergebnis = true) {
        Schritt& s = p_.schritte.emplace_back();
        s.art = art;
        s.l = l;
        s.r = r;
        if (mit_ergebnis) {
            s.ziel = Operand{Ort::Register, uint32_t(stapel_.size())};
            stapel_.push_back(s.ziel);
            registerzahl = std::max(registerzahl, int(stapel_.size()));
        }
        ++befehle_;
        zuletzt_geladen_ = false;
        return s;
    }
    void fehler(Termfehler f) { schritt(Schrittart::Fehler, {}, {}, false).fehler = f; }
    void fehlwert(Termfehler f) { schritt(Schrittart::Fehlwert).fehler = f; }

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
        const bool minus = zeichen(c_) == '-';
        c_ += minus;
        operand();
        if (minus) schritt(Schrittart::Negieren, nehmen());
        operator_lesen();
        while (letzte_stufe_ > offene_stufe_ && !zu_tief_) anwenden();
        --tiefe_;
    }

    void anwenden() {
        int gemerkt = offene_stufe_;
        do {
            char op = letzter_op_;
            offene_stufe_ = stufe_von(op);
            size_t start = befehle_;
            vorzeichen_operand();
            binaer(op, start);
        } while (!(letzte_stufe_ < offene_stufe_) && !zu_tief_);
        offene_stufe_ = gemerkt;
    }

    void binaer(char op, size_t start) {
        Schrittart art;
        switch (op) {
        case '+': art = Schrittart::Addieren; break;
        case '-': art = Schrittart::Subtrahieren; break;
        case '*': art = Schrittart::Multiplizieren; break;
        case '/': art = Schrittart::Dividieren; break;
        default: art = Schrittart::Potenzieren; break;
        }
        if (befehle_ == start + 1 && zuletzt_geladen_) {   // the load goes into this step
            --befehle_;
            const Operand r = stapel_.back();
            if (art == Schrittart::Potenzieren && r.ort == Ort::Skalar && r.index + 1 == p_.skalare.size() &&
                Ganzzahl_32(p_.skalare.back())) {
                const int32_t ganz = static_cast<int32_t>(p_.skalare.back());
                p_.skalare.pop_back();
                stapel_.pop_back();
                schritt(Schrittart::Ganzpotenz, nehmen()).ganz = ganz;
                return;
            }
        }
        const Operand r = nehmen();
        const Operand l = nehmen();
        if (verschmelzen_ && art != Schrittart::Potenzieren && r.ort == Ort::Register && !p_.schritte.empty()) {
            Schritt& potenz = p_.schritte.back();
            if (potenz.art == Schrittart::Ganzpotenz && potenz.ziel.index == r.index) {
                const Operand basis = potenz.l;
                const int32_t ganz = potenz.ganz;
                p_.schritte.pop_back();
                Schritt& s = schritt(art, l, basis);
                s.r_potenz = true;
                s.ganz = ganz;
                s.potenzregister = r.index;
                return;
            }
        }
        schritt(art, l, r);
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
        laden(konstante(w));
    }

    void funktionsaufruf() {
        size_t klammer = s_.find('(', c_ - 1);   // 0-based position of "("
        size_t name_ende = klammer == std::string_view::npos ? L_ : klammer;
        Funktionsnummer f = Funktion_suchen(s_.substr(c_ - 1, name_ende - (c_ - 1)));
        c_ = klammer == std::string_view::npos ? L_ + 1 : klammer + 2;
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
        if (f == F_ABS || f == F_SGN || f == F_FLOOR) braucht_toleranz = true;
        if (f == F_RANDOM) ++zufallsaufrufe;
        schritt(Schrittart::Funktion, nehmen()).funktion = uint8_t(f);
    }

    [[gnu::always_inline]] void operand() {
        char ch = zeichen(c_);
        if (ch == '(') {
            ++c_;
            ausdruck();
        } else if ((ch >= '0' && ch <= '9') || ch == '.') {
            zahl();
        } else if (ch == 'E') {
            ++c_;
            laden(konstante(std::numbers::e_v<Extended>));
        } else if (ch == 'P') {
            ++c_;
            laden(konstante(std::numbers::pi_v<Extended>));
        } else if (ch == 'X') {
            ++c_;
            laden(Operand{Ort::X, 0});
        } else if (ch == 'K') {
            ++c_;
            laden(Operand{Ort::T, 0});
        } else if (ch >= 'A' && ch <= 'U') {
            funktionsaufruf();
        } else {
            fehlwert(T::Operand_erwartet);
        }
    }
};

// Steps whose operands are all the same for every point of a call (constants, t,
// earlier such steps) move to a list run once per call; RANDOM draws per point
// and messages keep their place, so they stay.
void falten(const Teilprogramm& voll, const std::vector<Extended>& skalare, int registerzahl,
            Teilprogramm& einmal, Teilprogramm& punkte, uint32_t& t_platz) {
    einmal.skalare = skalare;
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
// as its right operand: both in one step, the power computed on the way. In place;
// the fused step remembers the power's register, so that entschmelzen can undo it.
void verschmelzen(Teilprogramm& p) {
    std::vector<Schritt>& v = p.schritte;
    size_t neu = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const Schritt& s = v[i];
        if (s.art == Schrittart::Ganzpotenz && i + 1 < v.size()) {
            const Schritt& n = v[i + 1];
            bool passt = n.art >= Schrittart::Addieren && n.art <= Schrittart::Dividieren &&
                         n.r.ort == Ort::Register && n.r.index == s.ziel.index && !n.r_potenz;
            if (passt) {
                const Operand basis = s.l;
                const int32_t ganz = s.ganz;
                const uint32_t register_ = s.ziel.index;
                Schritt& f = v[neu++];
                if (&f != &n) f = n;
                f.r = basis;
                f.r_potenz = true;
                f.ganz = ganz;
                f.potenzregister = register_;
                ++i;
                continue;
            }
        }
        if (neu != i) v[neu] = v[i];
        ++neu;
    }
    v.erase(v.begin() + std::ptrdiff_t(neu), v.end());
}

// The step list as the parse gave it, before fusion and before its last step was
// pointed at the caller's values; folding starts from it.
Teilprogramm entschmelzen(const Teilprogramm& voll) {
    auto zurueck = [](Operand o) {
        if (o.ort == Ort::Ausgabe) o.ort = Ort::Register;
        o.versatz = 0;
        return o;
    };
    Teilprogramm roh;
    roh.schritte.reserve(2 * voll.schritte.size());
    for (Schritt s : voll.schritte) {
        s.ziel = zurueck(s.ziel);
        s.l = zurueck(s.l);
        s.r = zurueck(s.r);
        s.geprueft = s.ungeprueft = nullptr;
        if (s.r_potenz) {
            Schritt potenz{};
            potenz.art = Schrittart::Ganzpotenz;
            potenz.ziel = Operand{Ort::Register, s.potenzregister};
            potenz.l = s.r;
            potenz.ganz = s.ganz;
            roh.schritte.push_back(potenz);
            s.r = potenz.ziel;
            s.r_potenz = false;
            s.ganz = 0;
            s.potenzregister = 0;
        }
        roh.schritte.push_back(s);
    }
    roh.ergebnis = zurueck(voll.ergebnis);
    return roh;
}

}  // namespace

std::string Bytes_zu_Utf8(std::string_view b) {
    std::string aus;
    aus.reserve(b.size() + 4);
    for (unsigned char c : b) {
        if (c < 0x80) aus += char(c);
        else { aus += char(0xC0 | (c >> 6)); aus += char(0x80 | (c & 0x3F)); }
    }
    return aus;
}

namespace {

// p as freshly constructed, but keeping the storage of its step and value lists.
void zuruecksetzen(Programm& p) {
    std::vector<Schritt> schritte = std::move(p.voll.schritte);
    std::vector<Punktschritt> punktschritte = std::move(p.einzel.voll.schritte);
    std::vector<Extended> skalare = std::move(p.voll.skalare), rahmen = std::move(p.einzel.rahmen);
    std::destroy_at(&p);
    ::new (static_cast<void*>(&p)) Programm;
    schritte.clear();
    punktschritte.clear();
    skalare.clear();
    rahmen.clear();
    p.voll.schritte = std::move(schritte);
    p.einzel.voll.schritte = std::move(punktschritte);
    p.voll.skalare = std::move(skalare);
    p.einzel.rahmen = std::move(rahmen);
}

}  // namespace

void Programm_uebersetzen(Programm& p, const std::string& term, Uebersetzungsoptionen optionen) {
    zuruecksetzen(p);
    std::string_view s;
    p.normalisierungsfehler = Normalisieren(term, s);
    if (p.normalisierungsfehler != Termfehler::Keiner) return;
    static std::vector<Operand> stapel;   // one thread compiles terms
    stapel.clear();
    p.voll.schritte.reserve(s.size() + 2);
    p.voll.skalare.reserve(s.size() + 1);
    Uebersetzer u(s, p.voll, stapel, optionen.verschmelzen);
    u.uebersetzen();
    p.braucht_toleranz = u.braucht_toleranz;
    p.zufall_mehrfach = u.zufallsaufrufe > 1;
    p.registerzahl = u.registerzahl;
    p.optionen = optionen;
    p.breite = p.zufall_mehrfach ? 1 : std::clamp<size_t>(2048 / size_t(p.registerzahl), 1, 64);
    Ergebnisort_waehlen(p.voll);
    Punktkerne_waehlen(p);
}

std::shared_ptr<const Programm> Programm_uebersetzen(const std::string& term, Uebersetzungsoptionen optionen) {
    auto p = std::make_shared<Programm>();
    Programm_uebersetzen(*p, term, optionen);
    return p;
}

void Programm::falten_vorbereiten() const {
    if (gefaltet) return;
    falten(entschmelzen(voll), voll.skalare, registerzahl, tschritte, punkte, t_platz);
    for (Teilprogramm* t : {&tschritte, &punkte}) {
        if (optionen.verschmelzen) verschmelzen(*t);
        Kerne_waehlen(*t, breite);
    }
    gefaltet = true;
}
