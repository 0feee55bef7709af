// Evaluations over one picture width of x values: the batch, single cached and
// uncached calls, next to hand-written long double code and muParser's compiled
// (double) evaluation of the same terms in the same run.
#include "engine/UFunktionsParser.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <muParser.h>
#include <string>
#include <vector>

namespace {
constexpr int Spalten = 641;
Extended x_von(int i) { return -8 + i * 16.0L / 640; }

// The first five are compared with muParser and hand-written code; the last is the
// default g of the main window (its f and h are the first and the third).
const char* const Terme[] = {"-0,2tx³+0,4t²x", "x·cos(x)²-0,5t", "sgn(x+1,5)", "kx(1-x)",
                             "w(abs(x))·sin(3x)/(1+x²)", "x·cos(x)"};

Extended von_hand(int term, Extended x, Extended t) {
    switch (term) {
    case 0: return -0.2L * t * x * x * x + 0.4L * t * t * x;
    case 1: { Extended c = std::cos(x); return x * c * c - 0.5L * t; }
    case 2: return x + 1.5L > 0 ? 1 : (x + 1.5L < 0 ? -1 : 0);
    case 3: return t * x * (1 - x);
    default: return std::sqrt(std::fabs(x)) * std::sin(3 * x) / (1 + x * x);
    }
}

void BM_von_Hand(benchmark::State& state) {
    int term = int(state.range(0));
    for (auto _ : state)
        for (int i = 0; i < Spalten; ++i) benchmark::DoNotOptimize(von_hand(term, x_von(i), 2.5L));
    state.SetItemsProcessed(state.iterations() * Spalten);
    state.SetLabel(Terme[term]);
}

const char* const Terme_muParser[] = {"-0.2*t*x^3+0.4*t^2*x", "x*cos(x)^2-0.5*t", "sign(x+1.5)",
                                      "t*x*(1-x)", "sqrt(abs(x))*sin(3*x)/(1+x^2)"};

void BM_Reihe(benchmark::State& state) {
    std::string term = Terme[state.range(0)];
    std::vector<Extended> x(Spalten), y(Spalten);
    std::vector<uint8_t> marken(Spalten);
    const Extended t = 2.5L;
    for (int i = 0; i < Spalten; ++i) x[i] = x_von(i);
    for (auto _ : state) {
        Term_auswerten_Reihe(term, x, {&t, 1}, y, marken);
        benchmark::DoNotOptimize(y.data());
    }
    state.SetItemsProcessed(state.iterations() * Spalten);
    state.SetLabel(term);
}

void BM_muParser(benchmark::State& state) {
    mu::Parser p;
    double x = 0, t = 2.5;
    p.DefineVar("x", &x);
    p.DefineVar("t", &t);
    p.SetExpr(Terme_muParser[state.range(0)]);
    p.Eval();   // compiles the expression to its byte code
    for (auto _ : state)
        for (int i = 0; i < Spalten; ++i) {
            x = double(x_von(i));
            benchmark::DoNotOptimize(p.Eval());
        }
    state.SetItemsProcessed(state.iterations() * Spalten);
    state.SetLabel(Terme_muParser[state.range(0)]);
}

void BM_gespeichert(benchmark::State& state) {
    std::string term = Terme[state.range(0)];
    for (auto _ : state)
        for (int i = 0; i < Spalten; ++i) benchmark::DoNotOptimize(Term_auswerten(term, x_von(i), 2.5L));
    state.SetItemsProcessed(state.iterations() * Spalten);
    state.SetLabel(term);
}

// Every evaluation sees a text it has never seen: normalise, parse, run.
void BM_neu(benchmark::State& state) {
    std::string term = Terme[state.range(0)];
    for (auto _ : state)
        for (int i = 0; i < Spalten; ++i)
            benchmark::DoNotOptimize(Term_auswerten_frisch(term, x_von(i), 2.5L));
    state.SetItemsProcessed(state.iterations() * Spalten);
    state.SetLabel(term);
}

// The same through the cache: every evaluation finds it empty, so it compiles the
// text and stores it, as the first evaluation of a text typed by the user does.
void BM_neu_gespeichert(benchmark::State& state) {
    std::string term = Terme[state.range(0)];
    for (auto _ : state)
        for (int i = 0; i < Spalten; ++i) {
            Termspeicher_leeren();
            benchmark::DoNotOptimize(Term_auswerten(term, x_von(i), 2.5L));
        }
    state.SetItemsProcessed(state.iterations() * Spalten);
    state.SetLabel(term);
}
}  // namespace

BENCHMARK(BM_von_Hand)->DenseRange(0, 4);
BENCHMARK(BM_Reihe)->DenseRange(0, 4);
BENCHMARK(BM_muParser)->DenseRange(0, 4);
BENCHMARK(BM_gespeichert)->DenseRange(0, 4);
BENCHMARK(BM_neu)->DenseRange(0, 5);
BENCHMARK(BM_neu_gespeichert)->DenseRange(0, 5);
