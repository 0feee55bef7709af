// Sequences and curves as numbers: the terms of explicit, one-step and two-step
// sequences, the search for a limit or a power-of-two cycle in a sequence's tail,
// the iteration grid of the bifurcation diagram, and the sampling of parametric
// and polar curves. Everything returns data; drawing and the table are the caller's.
#pragma once
#include "engine/UFunktionsParser.h"
#include "numeric/UMatheBasisOp.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class Folgenart { explizit, rekursiv, zweistufig };

// Iteration depth 2 .. 1499: a sequence has depth + 1 entries, at most 1500.
constexpr int Tiefe_min = 2, Tiefe_max = 1499, Tiefe_Standard = 500;

struct Folgenvorgabe {
    std::string Term = "5n/(2n+3)";
    Folgenart Art = Folgenart::explizit;
    int Tiefe = Tiefe_Standard;
    int32_t n0 = 1;
    Extended x_n0 = 0.4L, y_n1 = 0.6L;   // start values of the recursions
    Extended t1 = 1;                     // the parameter of a one-step g
};

struct Folge {
    std::vector<TPunkt> Glieder;   // x = n, y = a(n); a failed entry holds Fehlerwert
    std::vector<bool> gueltig;     // per entry: the term could be evaluated
    int Abbruch = -1;              // index of the entry where a recursion failed, -1 when none
    // Entries that can be drawn: up to the failure of a recursion.
    int Zeichenbare() const { return Abbruch < 0 ? int(Glieder.size()) : Abbruch; }
};

// The terms from the settings. A recursion stops at its first failed evaluation:
// that entry and all after it hold Fehlerwert and are marked invalid. An explicit
// sequence goes on past a failed index. A depth outside 2 .. 1499 counts as 500.
Folge Folge_berechnen(const Folgenvorgabe& v);

enum class Befundart { Grenzwert, Haeufungswerte, kein_Grenzwert };
struct Grenzwertbefund {
    Befundart Art = Befundart::kein_Grenzwert;
    Extended Grenzwert = 0;
    int Periode = 0;               // cycle length p for Haeufungswerte
    std::vector<Extended> Werte;   // y(N-1) down to y(N-p)
};
// Looks only at the tail: a limit when the last two terms differ by less than 1E-4,
// otherwise the first p of 2, 4, …, 64 (p < N) with |y(N) - y(N-p)| below 0.001
// (0.03 for p = 32, 0.07 for p = 64).
Grenzwertbefund Grenzwert_suchen(std::span<const Extended> y);

// --- bifurcation diagram -------------------------------------------------------

constexpr int Iterationen_min = 200, Iterationen_Ersatz = 500, Iterationen_max = 100000;

// Every pixel column c of a breite x hoehe picture iterates x = g(x, k) from x0 with
// k = Pixel_zu_x(breite, c); after the first 3/4 of the iterations each successful
// value marks the pixel (c, row of x) when it lies in the picture. All columns are
// iterated together, one evaluation of all columns per step. Gives breite x hoehe flags, row
// after row. A failed step goes on with the value the evaluator returned.
std::vector<uint8_t> Bifurkation_berechnen(const std::string& g, Extended x0, int iterationen,
                                           int breite, int hoehe);

// --- parametric and polar curves --------------------------------------------------

// Points of one curve, however fine the step, and of a whole family together.
constexpr long long Kurvenpunkte_max = 1000000, Scharpunkte_max = 10000000;

struct Kurvenvorgabe {
    std::string xTerm = "x·cos(t)", yTerm = "3x/5·sin(t)";   // polar: xTerm is r(t)
    bool polar = false;
    Extended k1 = -3.14159265358979323846L, k2 = 3.14159265358979323846L;
    Extended dt = 3.14159265358979323846L / 720;
};

// The curve parameters t = k1, k1 + Δt, … while t <= k2 (by repeated addition, at
// least k1 itself), at most `hoechstens` of them; gekappt says whether more were due.
// Δt must be positive (the caller refuses others).
std::vector<Extended> Kurvenparameter(Extended k1, Extended k2, Extended dt, bool& gekappt,
                                      long long hoechstens = Kurvenpunkte_max);

// One family member f (bound to x in the terms; t is the curve parameter):
// the world points at the parameters ts; ok[i] false where a term failed.
struct Kurvenpunkte {
    std::vector<TPunkt> Punkte;
    std::vector<uint8_t> ok;
};
Kurvenpunkte Kurve_abtasten(const Kurvenvorgabe& v, Extended f, std::span<const Extended> ts);

// A table row of the curve values: t, then x(t) and y(t), or r(t) in polar mode.
struct Kurvenzeile {
    Extended t = 0, a = 0, b = 0;
    bool a_ok = false, b_ok = false;
};
// From k1 in steps of Δt while t < k2 (strictly), at most 1500 rows, for the family value f.
std::vector<Kurvenzeile> Kurventabelle(const Kurvenvorgabe& v, Extended f);
