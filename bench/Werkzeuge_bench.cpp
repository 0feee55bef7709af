// The analysis tools' heaviest scans: extreme and inflection points of a 7-member
// family (20000 steps each) and the value table of 1000 rows with the integral function.
#include "numeric/UWerkzeuge.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Punkte_suchen_Schar(benchmark::State& state) {
    const Suchart art = state.range(0) == 0 ? Suchart::Extrempunkte : Suchart::Wendepunkte;
    const std::vector<Extended> t_werte{1, 1.5L, 2, 2.5L, 3, 3.5L, 4};
    size_t punkte = 0;
    for (auto _ : state) {
        Punktsuche p = Punkte_suchen("-tx³+(t+2)x", art, -8, 8, t_werte, true, 1500);
        punkte = p.hochpunkte.size() + p.tiefpunkte.size();
        benchmark::DoNotOptimize(p);
    }
    state.counters["Punkte"] = double(punkte);
}
BENCHMARK(BM_Punkte_suchen_Schar)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Wertetabelle_1000(benchmark::State& state) {
    size_t zeilen = 0;
    for (auto _ : state) {
        auto z = Wertetabelle_berechnen("-0,2tx³+0,4t²x", "x·cos(x)", "sgn(x+1,5)", 1, -8, 8, 0.016L, 0,
                                        Integralfunktion_Zeilen(0), Integralfunktion_Toleranz(0));
        zeilen = z.size();
        benchmark::DoNotOptimize(z);
    }
    state.counters["Zeilen"] = double(zeilen);
}
BENCHMARK(BM_Wertetabelle_1000)->Unit(benchmark::kMillisecond);

}  // namespace
