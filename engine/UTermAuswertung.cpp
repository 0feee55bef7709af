// The kernels of the step program, each running one step over a block of points,
// and the driver that runs a program over any number of points.
#include "engine/UTermProgramm.h"

#include <algorithm>
#include <array>

namespace {

using T = Termfehler;

inline Extended* adresse(const Operand& o, const Blockumgebung& u) {
    return u.basis[size_t(o.ort)] + o.versatz;
}

// The power step for one point. Checked: a failure is the power's own message.
template <bool Pruefen>
inline Extended ganzpotenz(Extended a, int32_t n, Punktmeldung m) {
    if constexpr (!Pruefen) {
        if (n == 2) return a * a;
        if (n == 3) return a * (a * a);
        return Ganzpotenz_wert(a, n);
    } else {
        Extended v = Ganzpotenz_wert(a, n);
        return Endlich(v) ? v : Fehler_im_Schritt(a, 0, T::Potenzieren, m);
    }
}

template <Schrittart A>
constexpr Termfehler meldung_von() {
    if constexpr (A == Schrittart::Addieren) return T::Addition;
    else if constexpr (A == Schrittart::Subtrahieren) return T::Subtraktion;
    else if constexpr (A == Schrittart::Multiplizieren) return T::Multiplikation;
    else if constexpr (A == Schrittart::Dividieren) return T::Division;
    else return T::Potenzieren;
}

template <Schrittart A, bool Pruefen>
inline Extended rechnen(Extended l, Extended r, Punktmeldung m) {
    Extended v;
    if constexpr (A == Schrittart::Addieren) v = l + r;
    else if constexpr (A == Schrittart::Subtrahieren) v = l - r;
    else if constexpr (A == Schrittart::Multiplizieren) v = l * r;
    else if constexpr (A == Schrittart::Dividieren) v = r != 0 ? l / r : NaN_Wert;
    else {
        if (std::isnan(l) || std::isnan(r)) return NaN_Wert;
        return Potenz(l, r, v) ? v : Fehler_im_Schritt(l, r, T::Potenzieren, m);
    }
    if constexpr (Pruefen)
        if (!Endlich(v)) [[unlikely]] return Fehler_im_Schritt(l, r, meldung_von<A>(), m);
    return v;
}

// LS, RS: the operand is one value for all points. RP: the right operand is
// r^ganz (2 and 3 known to the kernel, 1 for any other exponent), 0 when plain.
template <Schrittart A, bool LS, bool RS, int RP, bool Pruefen>
void binaer(const Schritt& s, const Blockumgebung& u, size_t n) {
    const Extended* l = adresse(s.l, u);
    const Extended* r = adresse(s.r, u);
    Extended* z = adresse(s.ziel, u);
    const int32_t g = s.ganz;
    if constexpr (Pruefen) {
        for (size_t i = 0; i < n; ++i) {
            Extended b = r[RS ? 0 : i];
            if constexpr (RP == 2 || RP == 3) {
                // The known exponent multiplied out inline; only a power that is not
                // finite takes the full path, which then gives its failure.
                const Extended p = RP == 2 ? b * b : b * (b * b);
                b = Endlich(p) ? p : ganzpotenz<true>(b, RP, u.punkt(i));
            } else if constexpr (RP == 1) {
                b = ganzpotenz<true>(b, g, u.punkt(i));
            }
            z[i] = rechnen<A, true>(l[LS ? 0 : i], b, u.punkt(i));
        }
    } else {
        // Plain arithmetic touches no report; two points per round halve the loop's cost.
        Punktmeldung keine = u.punkt(0);
        auto eins = [&](size_t i) {
            Extended b = r[RS ? 0 : i];
            if constexpr (RP == 2) b = b * b;
            else if constexpr (RP == 3) b = b * (b * b);
            else if constexpr (RP == 1) b = ganzpotenz<false>(b, g, keine);
            z[i] = rechnen<A, false>(l[LS ? 0 : i], b, keine);
        };
        size_t i = 0;
        for (; i + 1 < n; i += 2) {
            eins(i);
            eins(i + 1);
        }
        if (i < n) eins(i);
    }
}

template <bool LS, bool Pruefen>
void potenz_schritt(const Schritt& s, const Blockumgebung& u, size_t n) {
    const Extended* a = adresse(s.l, u);
    Extended* z = adresse(s.ziel, u);
    for (size_t i = 0; i < n; ++i) z[i] = ganzpotenz<Pruefen>(a[LS ? 0 : i], s.ganz, u.punkt(i));
}

template <bool LS>
void negieren(const Schritt& s, const Blockumgebung& u, size_t n) {
    const Extended* a = adresse(s.l, u);
    Extended* z = adresse(s.ziel, u);
    for (size_t i = 0; i < n; ++i) z[i] = -a[LS ? 0 : i];
}

template <bool LS>
void funktion(const Schritt& s, const Blockumgebung& u, size_t n) {
    Funktionen[s.funktion].reihe(adresse(s.l, u), LS, adresse(s.ziel, u), n, u.toleranz, u.marken, u.fehler);
}

void fehler(const Schritt& s, const Blockumgebung& u, size_t n) {
    for (size_t i = 0; i < n; ++i) u.punkt(i).scheitern(s.fehler);
}

void fehlwert(const Schritt& s, const Blockumgebung& u, size_t n) {
    Extended* z = adresse(s.ziel, u);
    for (size_t i = 0; i < n; ++i) {
        u.punkt(i).scheitern(s.fehler);
        z[i] = NaN_Wert;
    }
}

template <Schrittart A, bool LS, bool RS, bool Pruefen>
Kern binaerkern(int rp) {
    static constexpr std::array<Kern, 4> k = {binaer<A, LS, RS, 0, Pruefen>, binaer<A, LS, RS, 1, Pruefen>,
                                              binaer<A, LS, RS, 2, Pruefen>, binaer<A, LS, RS, 3, Pruefen>};
    return k[size_t(rp)];
}

template <Schrittart A, bool Pruefen>
Kern binaerkern_fuer(bool ls, bool rs, int rp) {
    if (ls) return rs ? binaerkern<A, true, true, Pruefen>(rp) : binaerkern<A, true, false, Pruefen>(rp);
    return rs ? binaerkern<A, false, true, Pruefen>(rp) : binaerkern<A, false, false, Pruefen>(rp);
}

template <bool Pruefen>
Kern kern(const Schritt& s) {
    const bool ls = s.l.ort == Ort::Skalar, rs = s.r.ort == Ort::Skalar;
    const int rp = !s.r_potenz ? 0 : s.ganz == 2 || s.ganz == 3 ? s.ganz : 1;
    switch (s.art) {
    case Schrittart::Negieren: return ls ? negieren<true> : negieren<false>;
    case Schrittart::Addieren: return binaerkern_fuer<Schrittart::Addieren, Pruefen>(ls, rs, rp);
    case Schrittart::Subtrahieren: return binaerkern_fuer<Schrittart::Subtrahieren, Pruefen>(ls, rs, rp);
    case Schrittart::Multiplizieren: return binaerkern_fuer<Schrittart::Multiplizieren, Pruefen>(ls, rs, rp);
    case Schrittart::Dividieren: return binaerkern_fuer<Schrittart::Dividieren, true>(ls, rs, rp);
    case Schrittart::Potenzieren: return binaerkern_fuer<Schrittart::Potenzieren, true>(ls, rs, rp);
    case Schrittart::Ganzpotenz: return ls ? potenz_schritt<true, Pruefen> : potenz_schritt<false, Pruefen>;
    case Schrittart::Funktion: return ls ? funktion<true> : funktion<false>;
    case Schrittart::Fehler: return fehler;
    default: return fehlwert;
    }
}

template <Schrittart A, int RP>
void punkt_binaer(const Schritt& s, const Punktlage& p) {
    Extended* w = p.w;
    Extended b = w[s.ri];
    if constexpr (RP != 0) b = ganzpotenz<true>(b, s.ganz, {*p.marken, *p.fehler});
    w[s.zi] = rechnen<A, true>(w[s.li], b, {*p.marken, *p.fehler});
}

void punkt_negieren(const Schritt& s, const Punktlage& p) { p.w[s.zi] = -p.w[s.li]; }

void punkt_potenz(const Schritt& s, const Punktlage& p) {
    p.w[s.zi] = ganzpotenz<true>(p.w[s.li], s.ganz, {*p.marken, *p.fehler});
}

void punkt_funktion(const Schritt& s, const Punktlage& p) {
    Extended v = p.w[s.li];
    Punktmeldung m{*p.marken, *p.fehler};
    p.w[s.zi] = std::isnan(v) ? v : Funktionen[s.funktion].wert(v, p.toleranz, m);
}

void punkt_fehler(const Schritt& s, const Punktlage& p) { Punktmeldung{*p.marken, *p.fehler}.scheitern(s.fehler); }

void punkt_fehlwert(const Schritt& s, const Punktlage& p) {
    Punktmeldung{*p.marken, *p.fehler}.scheitern(s.fehler);
    p.w[s.zi] = NaN_Wert;
}

template <Schrittart A>
Punktkern punkt_binaerkern(bool rp) {
    return rp ? punkt_binaer<A, 1> : punkt_binaer<A, 0>;
}

// The unchecked single-point kernels of plain arithmetic (see ungeprueft_sicher).
template <Schrittart A, bool RP>
void punkt_binaer_frei(const Schritt& s, const Punktlage& p) {
    Extended* w = p.w;
    Extended b = w[s.ri];
    if constexpr (RP) b = ganzpotenz<false>(b, s.ganz, {*p.marken, *p.fehler});
    w[s.zi] = rechnen<A, false>(w[s.li], b, {*p.marken, *p.fehler});
}

void punkt_potenz_frei(const Schritt& s, const Punktlage& p) {
    p.w[s.zi] = ganzpotenz<false>(p.w[s.li], s.ganz, {*p.marken, *p.fehler});
}

Punktkern punktkern_frei(const Schritt& s) {
    switch (s.art) {
    case Schrittart::Negieren: return punkt_negieren;
    case Schrittart::Addieren:
        return s.r_potenz ? punkt_binaer_frei<Schrittart::Addieren, true> : punkt_binaer_frei<Schrittart::Addieren, false>;
    case Schrittart::Subtrahieren:
        return s.r_potenz ? punkt_binaer_frei<Schrittart::Subtrahieren, true>
                          : punkt_binaer_frei<Schrittart::Subtrahieren, false>;
    case Schrittart::Multiplizieren:
        return s.r_potenz ? punkt_binaer_frei<Schrittart::Multiplizieren, true>
                          : punkt_binaer_frei<Schrittart::Multiplizieren, false>;
    case Schrittart::Ganzpotenz: return punkt_potenz_frei;
    default: return nullptr;
    }
}

Punktkern punktkern(const Schritt& s) {
    switch (s.art) {
    case Schrittart::Negieren: return punkt_negieren;
    case Schrittart::Addieren: return punkt_binaerkern<Schrittart::Addieren>(s.r_potenz);
    case Schrittart::Subtrahieren: return punkt_binaerkern<Schrittart::Subtrahieren>(s.r_potenz);
    case Schrittart::Multiplizieren: return punkt_binaerkern<Schrittart::Multiplizieren>(s.r_potenz);
    case Schrittart::Dividieren: return punkt_binaerkern<Schrittart::Dividieren>(s.r_potenz);
    case Schrittart::Potenzieren: return punkt_binaerkern<Schrittart::Potenzieren>(s.r_potenz);
    case Schrittart::Ganzpotenz: return punkt_potenz;
    case Schrittart::Funktion: return punkt_funktion;
    case Schrittart::Fehler: return punkt_fehler;
    default: return punkt_fehlwert;
    }
}

// Without checks, a value that overflows or turns into a NaN under + - * and
// positive integral powers stays infinite or NaN to the end (no division, no
// function, no power below one can make it finite again). So such a program may
// run unchecked and be run again with every check only where an end value is
// not finite.
bool ungeprueft_sicher(const Schritt& s) {
    switch (s.art) {
    case Schrittart::Negieren: return true;
    case Schrittart::Addieren: case Schrittart::Subtrahieren: case Schrittart::Multiplizieren:
        return !s.r_potenz || s.ganz >= 1;
    case Schrittart::Ganzpotenz: return s.ganz >= 1;
    default: return false;
    }
}

// Scratch storage of the running evaluation (one thread evaluates terms).
struct Arbeitsspeicher {
    std::vector<Extended> reg, t_block;
};
Arbeitsspeicher& arbeitsspeicher() {
    static Arbeitsspeicher a;
    return a;
}

// Runs one block: unchecked first where that is safe, then checked if needed.
// Gives the last point of the block with a message, n when none has one.
size_t block_ausfuehren(const Teilprogramm& p, const Blockumgebung& u, size_t n, Extended* y) {
    std::fill(u.marken, u.marken + n, uint8_t(0));
    std::fill(u.fehler, u.fehler + n, Termfehler::Keiner);
    const bool ls = p.ergebnis.ort == Ort::Skalar;
    if (p.rein_arithmetisch && p.ergebnis.ort == Ort::Ausgabe) {
        for (const Schritt& s : p.schritte) s.ungeprueft(s, u, n);
        bool alle_endlich = true;
        for (size_t i = 0; i < n; ++i) alle_endlich &= Endlich(y[i]);
        if (alle_endlich) return n;
    }
    for (const Schritt& s : p.schritte) s.geprueft(s, u, n);
    const Extended* e = adresse(p.ergebnis, u);
    size_t letzte = n;
    if (e == y) {
        // The last step wrote the values in place: only failed points change.
        for (size_t i = 0; i < n; ++i) {
            if (!Endlich(y[i])) u.marken[i] |= Marke_Fehler;   // also a NaN passed in as x or t
            if (u.marken[i] & Marke_Fehler) y[i] = Fehlerwert;
            if (u.fehler[i] != Termfehler::Keiner) letzte = i;
        }
        return letzte;
    }
    for (size_t i = 0; i < n; ++i) {
        Extended v = e[ls ? 0 : i];
        if (!Endlich(v)) u.marken[i] |= Marke_Fehler;
        y[i] = u.marken[i] & Marke_Fehler ? Fehlerwert : v;
        if (u.fehler[i] != Termfehler::Keiner) letzte = i;
    }
    return letzte;
}

// The same number, zeros told apart by sign; a NaN is never the same.
bool bitgleich(Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); }

void platzieren(Operand& o, size_t breite) {
    if (o.ort == Ort::Ausgabe) o.versatz = 0;
    o.versatz = o.ort == Ort::Register ? uint32_t(o.index * breite) : o.ort == Ort::Skalar ? o.index : 0;
}

}  // namespace

void Kerne_waehlen(Teilprogramm& p, size_t breite) {
    // The last step writes the result straight into the caller's values.
    if (!p.schritte.empty() && p.ergebnis.ort == Ort::Register && p.schritte.back().ziel.ort == Ort::Register &&
        p.schritte.back().ziel.index == p.ergebnis.index) {
        p.schritte.back().ziel.ort = Ort::Ausgabe;
        p.ergebnis.ort = Ort::Ausgabe;
    }
    p.rein_arithmetisch = true;
    for (Schritt& s : p.schritte) {
        for (Operand* o : {&s.ziel, &s.l, &s.r}) platzieren(*o, breite);
        s.geprueft = kern<true>(s);
        s.ungeprueft = kern<false>(s);
        p.rein_arithmetisch = p.rein_arithmetisch && ungeprueft_sicher(s);
    }
    platzieren(p.ergebnis, breite);
}

void Punktkerne_waehlen(Programm& p) {
    const uint32_t R = uint32_t(p.registerzahl);
    auto platz = [&](const Operand& o) -> uint32_t {
        switch (o.ort) {
        case Ort::Register: case Ort::Ausgabe: return o.index;
        case Ort::X: return R;
        case Ort::T: return R + 1;
        case Ort::Skalar: return R + 2 + o.index;
        default: return 0;
        }
    };
    p.rahmen.assign(R + 2, 0);
    p.rahmen.insert(p.rahmen.end(), p.voll.skalare.begin(), p.voll.skalare.end());
    for (Schritt& s : p.voll.schritte) {
        s.zi = platz(s.ziel);
        s.li = platz(s.l);
        s.ri = platz(s.r);
        s.punktkern = punktkern(s);
        s.punktkern_frei = p.voll.rein_arithmetisch ? punktkern_frei(s) : nullptr;
    }
    p.voll.ergebnis_im_rahmen = platz(p.voll.ergebnis);
}

Extended Programm::punkt(Extended x, Extended t, uint8_t& marken, Termfehler& fehler) const {
    marken = 0;
    fehler = Termfehler::Keiner;
    if (normalisierungsfehler != Termfehler::Keiner) {
        marken = Marke_Fehler;
        fehler = normalisierungsfehler;
        return Fehlerwert;
    }
    const Punktlage p{rahmen.data(), &marken, &fehler, braucht_toleranz ? Sprungtoleranz() : 0};
    p.w[registerzahl] = x;
    p.w[registerzahl + 1] = t;
    const Schritt* const anfang = voll.schritte.data();
    const Schritt* const ende = anfang + voll.schritte.size();
    if (voll.rein_arithmetisch) {
        // As for a block: a finite end value of plain arithmetic is what the checked run
        // gives, without flags or message; anything else runs again with every check.
        for (const Schritt* s = anfang; s != ende; ++s) s->punktkern_frei(*s, p);
        const Extended v = p.w[voll.ergebnis_im_rahmen];
        if (Endlich(v)) return v;
    }
    for (const Schritt* s = anfang; s != ende; ++s) s->punktkern(*s, p);
    const Extended v = p.w[voll.ergebnis_im_rahmen];
    if (!Endlich(v)) marken |= Marke_Fehler;   // also a NaN passed in as x or t
    return marken & Marke_Fehler ? Fehlerwert : v;
}

size_t Programm::reihe(const Extended* x, const Extended* t, bool t_je_punkt, size_t n, Extended* y,
                       uint8_t* marken, Termfehler* fehler) const {
    if (n == 0) return n;
    if (normalisierungsfehler != Termfehler::Keiner) {
        for (size_t i = 0; i < n; ++i) {
            marken[i] = Marke_Fehler;
            fehler[i] = normalisierungsfehler;
            y[i] = Fehlerwert;
        }
        return n - 1;
    }
    Arbeitsspeicher& a = arbeitsspeicher();
    if (a.reg.size() < breite * size_t(registerzahl)) a.reg.resize(breite * size_t(registerzahl));
    Blockumgebung u{{a.reg.data(), const_cast<Extended*>(voll.skalare.data()), const_cast<Extended*>(x),
                     const_cast<Extended*>(t), y, nullptr},
                    braucht_toleranz ? Sprungtoleranz() : 0, marken, fehler};
    const Teilprogramm* p = &voll;
    if (!t_je_punkt && n > 1 && optionen.falten) {
        falten_vorbereiten();
        // Subterms of t and constants once for the call (or from the call before with
        // the same t); where one of them fails or raises a flag, its message must keep
        // its place: then every step runs per point.
        if (!faltwerte_gueltig || !bitgleich(falt_t, t[0]) || !bitgleich(falt_toleranz, u.toleranz)) {
            faltwerte.assign(tschritte.skalare.begin(), tschritte.skalare.end());
            faltwerte[t_platz] = t[0];
            uint8_t m = 0;
            Termfehler f = Termfehler::Keiner;
            Blockumgebung ut = u;
            ut.basis[size_t(Ort::Skalar)] = faltwerte.data();
            ut.marken = &m;
            ut.fehler = &f;
            for (const Schritt& s : tschritte.schritte) s.geprueft(s, ut, 1);
            faltwerte_gueltig = m == 0;
            falt_t = t[0];
            falt_toleranz = u.toleranz;
        }
        if (faltwerte_gueltig) {
            p = &punkte;
            u.basis[size_t(Ort::Skalar)] = faltwerte.data();
        }
    }
    if (p == &voll && !t_je_punkt && n > 1) {
        a.t_block.assign(breite, t[0]);
        u.basis[size_t(Ort::T)] = a.t_block.data();
    }
    size_t letzte = n;
    for (size_t anfang = 0; anfang < n; anfang += breite) {
        const size_t k = std::min(breite, n - anfang);
        u.basis[size_t(Ort::X)] = const_cast<Extended*>(x + anfang);
        if (t_je_punkt) u.basis[size_t(Ort::T)] = const_cast<Extended*>(t + anfang);
        u.marken = marken + anfang;
        u.fehler = fehler + anfang;
        u.basis[size_t(Ort::Ausgabe)] = y + anfang;
        size_t l = block_ausfuehren(*p, u, k, y + anfang);
        if (l < k) letzte = anfang + l;
    }
    return letzte;
}
