// The kernels of the step program, each running one step over a block of points,
// and the driver that runs a program over any number of points.
#include "engine/UTermProgramm.h"
#include "engine/UTermRechnen.h"

#include <algorithm>
#include <array>

namespace {

using T = Termfehler;

inline Extended* adresse(const Operand& o, const Blockumgebung& u) {
    return u.basis[size_t(o.ort)] + o.versatz;
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

void platzieren(Operand& o, size_t breite) {
    if (o.ort == Ort::Ausgabe) o.versatz = 0;
    o.versatz = o.ort == Ort::Register ? uint32_t(o.index * breite) : o.ort == Ort::Skalar ? o.index : 0;
}

}  // namespace

void Ergebnisort_waehlen(Teilprogramm& p) {
    // The last step writes the result straight into the caller's values.
    if (!p.schritte.empty() && p.ergebnis.ort == Ort::Register && p.schritte.back().ziel.ort == Ort::Register &&
        p.schritte.back().ziel.index == p.ergebnis.index) {
        p.schritte.back().ziel.ort = Ort::Ausgabe;
        p.ergebnis.ort = Ort::Ausgabe;
    }
    bool sicher = true;
    for (const Schritt& s : p.schritte) sicher &= ungeprueft_sicher(s);
    p.rein_arithmetisch = sicher;
}

void Kerne_waehlen(Teilprogramm& p, size_t breite) {
    Ergebnisort_waehlen(p);
    for (Schritt& s : p.schritte) {
        for (Operand* o : {&s.ziel, &s.l, &s.r}) platzieren(*o, breite);
        s.geprueft = kern<true>(s);
        s.ungeprueft = kern<false>(s);
    }
    platzieren(p.ergebnis, breite);
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
    if (!blockbereit) {
        Kerne_waehlen(voll, breite);
        blockbereit = true;
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
        if (!faltwerte_gueltig || !Gleiche_bits(falt_t, t[0]) || !Gleiche_bits(falt_toleranz, u.toleranz)) {
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
