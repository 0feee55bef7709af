// The bifurcation diagram as the button draws it by default: 641 columns, each
// iterated 2 × 640 times (about 820 000 evaluations of g), over the window where
// kx(1-x) doubles its period.
#include "graphics/U_KOS.h"
#include "numeric/UFolgen.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Bifurkation_Standard(benchmark::State& state) {
    const Koordinatensystem vorher = KOS;
    KOS.xli = 2.5L, KOS.xre = 4, KOS.yu = 0, KOS.yo = 1;
    for (auto _ : state) {
        std::vector<uint8_t> pixel = Bifurkation_berechnen("kx(1-x)", 0.5L, 2 * 640, 641, 641);
        benchmark::DoNotOptimize(pixel.data());
    }
    KOS = vorher;
    state.SetItemsProcessed(state.iterations() * 641 * 1280);
}
BENCHMARK(BM_Bifurkation_Standard)->Unit(benchmark::kMillisecond);

}  // namespace
