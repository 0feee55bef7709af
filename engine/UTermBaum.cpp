#include "engine/UTermBaum.h"

#include "engine/UTermFunktionen.h"

#include <array>
#include <cmath>
#include <utility>
#include <limits>

namespace {

constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
// Deeper trees would recurse too far at evaluation; the step program has no limit.
constexpr int Maximale_Baumtiefe = 400;

// Where an operand comes from: a child node, a constant, x, t, or x^n and t^n
// for a constant integral n (the commonest child, folded to save a call).
enum Art : uint8_t { A_Knoten, A_Konst, A_X, A_T, A_XPot, A_TPot };
enum Op : uint8_t { O_Add, O_Sub, O_Mul, O_Div, O_Pot };

inline bool endlich(Extended v) { return std::fabs(v) <= std::numeric_limits<Extended>::max(); }

// a^n, multiplied out for squares and cubes exactly as the repeated squaring would.
inline Extended potenz_wert(Extended a, int32_t n) {
    Extended v;
    if (n == 2) v = a * a;
    else if (n == 3) v = a * (a * a);
    else v = NaN;
    if (endlich(v)) [[likely]] return v;
    if (std::isnan(a)) return NaN;
    if (Potenz(a, Extended(n), v)) return v;
    return Fehler_im_Schritt(a, 0, "Fehler beim Potenzieren");
}

template <Art A>
inline Extended operand(const Knoten* kind, Extended konst, int32_t n, const Umgebung& u) {
    if constexpr (A == A_Knoten) return kind->f(*kind, u);
    else if constexpr (A == A_Konst) return konst;
    else if constexpr (A == A_X) return u.x;
    else if constexpr (A == A_T) return u.t;
    else if constexpr (A == A_XPot) return potenz_wert(u.x, n);
    else return potenz_wert(u.t, n);
}

template <Op O>
Extended schritt_fehler(Extended l, Extended r) {
    static constexpr const char* meldung[] = {"Fehler bei der Addition", "Fehler bei der Subtraktion",
                                              "Fehler bei der Multiplikation", "Division durch Null"};
    return Fehler_im_Schritt(l, r, meldung[O]);
}

template <Op O, Art L, Art R>
Extended binaer(const Knoten& n, const Umgebung& u) {
    Extended l = operand<L>(n.links, n.wert, n.ganz, u);
    Extended r = operand<R>(n.rechts, n.wert2, n.ganz2, u);
    if constexpr (O == O_Pot) {
        Extended v;
        if (std::isnan(l) || std::isnan(r)) return NaN;
        if (Potenz(l, r, v)) return v;
        return Fehler_im_Schritt(l, r, "Fehler beim Potenzieren");
    } else {
        Extended v;
        if constexpr (O == O_Add) v = l + r;
        else if constexpr (O == O_Sub) v = l - r;
        else if constexpr (O == O_Mul) v = l * r;
        else v = r != 0 ? l / r : NaN;
        if (endlich(v)) [[likely]] return v;
        return schritt_fehler<O>(l, r);
    }
}

template <Art A>
Extended ganzpotenz(const Knoten& n, const Umgebung& u) {
    return potenz_wert(operand<A>(n.links, n.wert, n.ganz, u), n.ganz2);
}

template <Art A>
Extended funktion(const Knoten& n, const Umgebung& u) {
    return Funktion_anwenden(Funktionsnummer(n.funktion), operand<A>(n.links, n.wert, n.ganz, u), u.toleranz);
}

template <Art A>
Extended negieren(const Knoten& n, const Umgebung& u) { return -operand<A>(n.links, n.wert, n.ganz, u); }

template <Art A>
Extended blatt(const Knoten& n, const Umgebung& u) { return operand<A>(nullptr, n.wert, n.ganz, u); }

Extended fehler_danach(const Knoten& n, const Umgebung& u) {
    Extended v = n.links->f(*n.links, u);
    Fehler_setzen(n.text);
    return v;
}

Extended fehlwert(const Knoten& n, const Umgebung&) {
    Fehler_setzen(n.text);
    return NaN;
}

// Tables of the instantiations, indexed by the operand kinds.
#define TESSARA_ZEILE(O, L) \
    {binaer<O, L, A_Knoten>, binaer<O, L, A_Konst>, binaer<O, L, A_X>, binaer<O, L, A_T>, \
     binaer<O, L, A_XPot>, binaer<O, L, A_TPot>}
template <Op O>
constexpr Knoten::Auswerter binaertafel[6][6] = {
    TESSARA_ZEILE(O, A_Knoten), TESSARA_ZEILE(O, A_Konst), TESSARA_ZEILE(O, A_X),
    TESSARA_ZEILE(O, A_T), TESSARA_ZEILE(O, A_XPot), TESSARA_ZEILE(O, A_TPot)};
#undef TESSARA_ZEILE
#define TESSARA_ALLE(F) {F<A_Knoten>, F<A_Konst>, F<A_X>, F<A_T>, F<A_XPot>, F<A_TPot>}

Knoten::Auswerter binaer_auswerter(Befehlsart art, Art l, Art r) {
    switch (art) {
    case Befehlsart::Addieren: return binaertafel<O_Add>[l][r];
    case Befehlsart::Subtrahieren: return binaertafel<O_Sub>[l][r];
    case Befehlsart::Multiplizieren: return binaertafel<O_Mul>[l][r];
    case Befehlsart::Dividieren: return binaertafel<O_Div>[l][r];
    default: return binaertafel<O_Pot>[l][r];
    }
}

Knoten::Auswerter einstellig(Befehlsart art, Art a) {
    static constexpr Knoten::Auswerter g[] = TESSARA_ALLE(ganzpotenz);
    static constexpr Knoten::Auswerter f[] = TESSARA_ALLE(funktion);
    static constexpr Knoten::Auswerter n[] = TESSARA_ALLE(negieren);
    switch (art) {
    case Befehlsart::Ganzpotenz: return g[a];
    case Befehlsart::Funktion: return f[a];
    default: return n[a];
    }
}

Knoten::Auswerter blattauswerter(Art a) {
    static constexpr Knoten::Auswerter b[] = TESSARA_ALLE(blatt);
    return b[a];
}
#undef TESSARA_ALLE

// An operand under construction: a node's index, or a leaf folded into its parent.
struct Teil {
    int index = -1;
    Art art = A_Knoten;
    Extended wert = 0;
    int tiefe = 0;
    int32_t ganz = 0;   // exponent of a folded power
};

}  // namespace

bool Termbaum::bauen(const std::vector<Befehl>& befehle) {
    knoten_.clear();
    wurzel_ = nullptr;
    knoten_.reserve(befehle.size() + 1);
    std::vector<Teil> stapel;
    stapel.reserve(befehle.size());
    auto neu = [&](const Knoten& k, int tiefe) {
        knoten_.push_back(k);
        stapel.push_back(Teil{int(knoten_.size()) - 1, A_Knoten, 0, tiefe});
        return tiefe <= Maximale_Baumtiefe;
    };
    auto nehmen = [&](Teil& t) {
        if (stapel.empty()) return false;
        t = stapel.back();
        stapel.pop_back();
        return true;
    };
    auto als_knoten = [&](Teil t) {   // a folded leaf that must stand on its own
        if (t.index >= 0) return t;
        Knoten k;
        k.f = blattauswerter(t.art);
        k.wert = t.wert;
        k.ganz = t.ganz;
        knoten_.push_back(k);
        return Teil{int(knoten_.size()) - 1, A_Knoten, 0, 1};
    };

    for (const Befehl& b : befehle) {
        Teil blattteil{-1, Art(uint8_t(b.quelle)), b.wert, 0};
        Teil l, r;
        Knoten k;
        bool ok = true;
        switch (b.art) {
        case Befehlsart::Laden: stapel.push_back(blattteil); break;
        case Befehlsart::Negieren: case Befehlsart::Ganzpotenz: case Befehlsart::Funktion:
            if (!nehmen(l)) return false;
            if (b.art == Befehlsart::Ganzpotenz && (l.art == A_X || l.art == A_T)) {
                stapel.push_back(Teil{-1, l.art == A_X ? A_XPot : A_TPot, 0, 0, b.ganz});
                break;
            }
            k.f = einstellig(b.art, l.art);
            k.li = l.index;
            k.wert = l.wert;
            k.ganz = l.ganz;
            k.ganz2 = b.ganz;
            k.funktion = b.funktion;
            ok = neu(k, l.tiefe + 1);
            break;
        case Befehlsart::Fehler:
            if (!nehmen(l)) return false;   // a message before any operand: keep the steps
            l = als_knoten(l);
            k.f = fehler_danach;
            k.text = b.text;
            k.li = l.index;
            ok = neu(k, l.tiefe + 1);
            break;
        case Befehlsart::Fehlwert:
            k.f = fehlwert;
            k.text = b.text;
            ok = neu(k, 1);
            break;
        default:   // the five binary steps
            r = blattteil;
            if (b.quelle == Quelle::Stapel && !nehmen(r)) return false;
            if (!nehmen(l)) return false;
            k.f = binaer_auswerter(b.art, l.art, r.art);
            k.li = l.index;
            k.ri = r.index;
            k.wert = l.wert;
            k.wert2 = r.wert;
            k.ganz = l.ganz;
            k.ganz2 = r.ganz;
            ok = neu(k, std::max(l.tiefe, r.tiefe) + 1);
            break;
        }
        if (!ok) return false;
    }
    if (stapel.size() != 1) return false;
    Teil w = als_knoten(stapel.back());
    for (Knoten& k : knoten_) {
        if (k.li >= 0) k.links = &knoten_[size_t(k.li)];
        if (k.ri >= 0) k.rechts = &knoten_[size_t(k.ri)];
    }
    wurzel_ = &knoten_[size_t(w.index)];
    return true;
}
