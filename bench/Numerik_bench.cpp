// Definite integrals of sin over [0; pi] at the display decimals 6 and 12, and
// Newton's method on x²-2: the costs behind the integral tools and the zero scan.
#include "numeric/UMatheTools.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

const Extended Pi = std::acos(-1.0L);

template <Extended (*Integral)(const std::string&, Extended, Extended, Extended, Extended, bool&)>
void BM_Integral_sin(benchmark::State& state) {
    const std::string term = "sin(x)";
    const Extended eps = std::pow(10.0L, -Extended(state.range(0)));
    bool ok = false;
    Extended I = 0;
    for (auto _ : state) {
        I = Integral(term, 0, 0, Pi, eps, ok);
        benchmark::DoNotOptimize(I);
    }
    state.counters["Fehler"] = double(std::fabs(I - 2));
    if (!ok) state.SkipWithError("integral failed");
}

void BM_Newton_Wurzel2(benchmark::State& state) {
    const std::string term = "x^2-2";
    bool ok = false;
    for (auto _ : state) benchmark::DoNotOptimize(Nullstelle_Newton(term, 0, 1, ok));
    if (!ok) state.SkipWithError("Newton failed");
}

// The zero scan of the intersection tool: 33 starts across [-4; 4].
void BM_Newton_33_Starts(benchmark::State& state) {
    const std::string term = "x^3-2x-1";
    for (auto _ : state)
        for (int i = 0; i <= 32; ++i) {
            bool ok;
            benchmark::DoNotOptimize(Nullstelle_Newton(term, 0, -4 + i * 0.25L, ok));
        }
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Integral_sin, Gauss_Kronrod)->Arg(6)->Arg(12);
BENCHMARK_TEMPLATE(BM_Integral_sin, Romberg)->Arg(6)->Arg(12);
BENCHMARK(BM_Newton_Wurzel2);
BENCHMARK(BM_Newton_33_Starts);
