// The fast form of a compiled term: a tree whose nodes call their children
// directly, with constants, x and t folded into the node that uses them, so that
// values stay in registers. Evaluates in the same order as the step program and
// raises the same messages; terms nested too deeply for the call stack keep the
// step program instead.
#pragma once
#include "engine/UTermProgramm.h"

struct Umgebung { Extended x, t, toleranz; };

struct Knoten {
    using Auswerter = Extended (*)(const Knoten&, const Umgebung&);
    Auswerter f = nullptr;
    const Knoten* links = nullptr;
    const Knoten* rechts = nullptr;
    Extended wert = 0, wert2 = 0;     // folded constants of the left and right operand
    int32_t ganz = 0, ganz2 = 0;      // exponents of folded powers (left, right or own)
    uint8_t funktion = 0;
    const char* text = nullptr;       // message of an error node
    int32_t li = -1, ri = -1;         // child indices while the tree is built
};

class Termbaum {
public:
    Termbaum() = default;
    Termbaum(const Termbaum&) = delete;             // nodes point into their own vector
    Termbaum& operator=(const Termbaum&) = delete;
    // Builds the tree from the step list (before fusing); false: keep the steps.
    bool bauen(const std::vector<Befehl>& befehle);
    bool vorhanden() const { return wurzel_ != nullptr; }
    Extended auswerten(const Umgebung& u) const { return wurzel_->f(*wurzel_, u); }

private:
    std::vector<Knoten> knoten_;
    const Knoten* wurzel_ = nullptr;
};
