// Arbitrary bytes as a term: evaluation must not crash or hang, must give a finite
// value or the failure value with Term_Fehler set, the compiled-form cache must
// give exactly what a fresh parse gives, and a batch exactly what single calls give.
#include "engine/UFunktionsParser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Ergebnis { Extended wert; Parserzustand zustand; };

Ergebnis auswerten(bool frisch, const std::string& term, Extended x, Extended t) {
    Parser = Parserzustand{};
    Parser.Term_Fehlertext = "vorher";
    Zufall_setzen(12345);
    Extended v = frisch ? Term_auswerten_frisch(term, x, t) : Term_auswerten(term, x, t);
    return {v, Parser};
}

void pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    if (groesse > 4096) return 0;
    std::string term(reinterpret_cast<const char*>(daten), groesse);
    std::string kanonisch;
    Term_normalisieren(term, kanonisch);
    const Extended xs[] = {0, 1, -2.5L, 1e300L, 0.001L};
    // t changing with every call, then one t for all (kept folded across the calls).
    std::vector<std::pair<Extended, Extended>> punkte;
    for (Extended x : xs) punkte.push_back({x, x / 2});
    for (Extended x : xs) punkte.push_back({x, 0.75L});
    for (auto [x, t] : punkte) {
        Ergebnis a = auswerten(false, term, x, t);
        Ergebnis b = auswerten(true, term, x, t);
        pruefen(std::isfinite(a.wert));
        pruefen(!a.zustand.Term_Fehler || a.wert == Fehlerwert);
        pruefen(std::memcmp(&a.wert, &b.wert, 10) == 0);
        pruefen(a.zustand.Term_Fehler == b.zustand.Term_Fehler);
        pruefen(a.zustand.Term_Fehlertext == b.zustand.Term_Fehlertext);
        pruefen(a.zustand.Sprungstelle == b.zustand.Sprungstelle);
        pruefen(a.zustand.Signum_Null == b.zustand.Signum_Null);
        pruefen(a.zustand.Knickstelle == b.zustand.Knickstelle);
    }
    // The same points as one batch, with t once and per point.
    constexpr size_t n = std::size(xs);
    std::vector<Extended> x(xs, xs + n), t(n), y(n);
    std::vector<uint8_t> marken(n);
    for (size_t i = 0; i < n; ++i) t[i] = xs[i] / 2;
    for (bool je_punkt : {false, true}) {
        Parser = Parserzustand{};
        Zufall_setzen(12345);
        Term_auswerten_Reihe(term, x, je_punkt ? std::span<const Extended>(t) : std::span<const Extended>(t).first(1),
                             y, marken);
        const Parserzustand nach_reihe = Parser;
        Parser = Parserzustand{};
        Zufall_setzen(12345);
        for (size_t i = 0; i < n; ++i) {
            Extended v = Term_auswerten(term, x[i], t[je_punkt ? i : 0]);
            pruefen(std::memcmp(&v, &y[i], 10) == 0);
            pruefen(bool(marken[i] & Marke_Fehler) == Parser.Term_Fehler);
            pruefen(bool(marken[i] & Marke_Sprungstelle) == Parser.Sprungstelle);
            pruefen(bool(marken[i] & Marke_Knickstelle) == Parser.Knickstelle);
        }
        pruefen(nach_reihe.Term_Fehlertext == Parser.Term_Fehlertext);
        pruefen(nach_reihe.Term_Fehler == Parser.Term_Fehler);
    }
    return 0;
}
