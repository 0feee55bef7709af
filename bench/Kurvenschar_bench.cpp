// Seven ellipses of the parametric default (x·cos(t), 3x/5·sin(t), t from -π to π in
// steps of π/720, 1441 points each) for the family 1 to 4 in steps of 0,5.
#include "graphics/UFolgen_Grafik.h"

#include "bench/Qt_bereit.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Ellipsenschar_7x1441(benchmark::State& state) {
    Qt_bereit();
    QImage bild = Bild_erzeugen(641, 641);
    const Kurvenvorgabe v;
    const std::vector<Extended> familie = Scharwerte(Scharbereich{1, 4, 0.5L, true, 0});
    for (auto _ : state) {
        Kurvenschar_zeichnen(bild, v, 0xFF0000, 1, familie, true);
        benchmark::DoNotOptimize(bild.bits());
    }
    state.SetItemsProcessed(state.iterations() * 7 * 1441);
}
BENCHMARK(BM_Ellipsenschar_7x1441)->Unit(benchmark::kMillisecond);

}  // namespace
