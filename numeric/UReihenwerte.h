// Term values for routines that ask for them one point at a time (difference
// formulas, Newton, the integration rules): the points such a routine will ask for
// are evaluated ahead as one batch, and `Punktquelle` answers each request from that
// batch, falling back to a single evaluation for a point it does not hold. A term
// drawing random numbers is always evaluated point by point in the routine's own
// order, so that the generator advances exactly as before.
#pragma once
#include "engine/UFunktionsParser.h"

#include <cmath>
#include <span>
#include <string>
#include <vector>

// Point by point everywhere, as before the batches; the differential tests compare both ways.
extern bool Nur_Einzelaufrufe;
// A routine evaluates this term point by point, in its own order: the term draws
// random numbers (its text names RANDOM in any case), or Nur_Einzelaufrufe is set.
bool Einzeln_auswerten(const std::string& term);

// One term at many points with one t: y[i] and marken[i] (Marke_*) of x[i].
struct Reihenwerte {
    std::vector<Extended> y;
    std::vector<uint8_t> marken;
    void auswerten(const std::string& term, std::span<const Extended> x, Extended t);
    bool ok(size_t i) const { return !(marken[i] & Marke_Fehler); }
};

// F(x) of one term and t. Holds a few points evaluated before; a request for one of
// them (the same bits) is answered from there, any other by a single evaluation.
class Punktquelle {
public:
    // The term is held by reference, so it must outlive the source: a temporary
    // text is refused at compile time.
    Punktquelle(const std::string& term, Extended t) : term_(term), t_(t) {}
    Punktquelle(std::string&&, Extended) = delete;
    // The points x[0..n) with their values and flags; they stay the caller's.
    void vorrat(const Extended* x, const Extended* y, const uint8_t* marken, size_t n) {
        x_ = x;
        y_ = y;
        m_ = marken;
        n_ = n;
        naechster_ = 0;
    }
    // False when the evaluation at x failed. The formulas mostly ask in the order the
    // points were laid out, so the next one is tried inline first.
    bool operator()(Extended x, Extended& y) {
        if (naechster_ < n_ && gleich(x_[naechster_], x)) {
            y = y_[naechster_];
            letzte_ = m_[naechster_];
            naechster_ = naechster_ + 1 < n_ ? naechster_ + 1 : 0;
            return !(letzte_ & Marke_Fehler);
        }
        return suchen(x, y);
    }
    // The flags of the last answer, as Parser would hold them after a single call.
    uint8_t marken() const { return letzte_; }
    const std::string& term() const { return term_; }
    Extended t() const { return t_; }

private:
    // The same bits: equal and, for a zero, of the same sign (two equal numbers other
    // than zero always are; reading the sign of an x87 number costs more than the compare).
    static bool gleich(Extended a, Extended b) { return a == b && (b != 0 || std::signbit(a) == std::signbit(b)); }
    bool suchen(Extended x, Extended& y);
    const std::string& term_;
    Extended t_;
    const Extended* x_ = nullptr;
    const Extended* y_ = nullptr;
    const uint8_t* m_ = nullptr;
    size_t n_ = 0;
    size_t naechster_ = 0;
    uint8_t letzte_ = 0;
};
