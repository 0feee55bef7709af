// One step of the family slider: the default picture with f, g, h and f' drawn for
// a single member, t moving on by one step of the default range each time.
#include "bench/Qt_bereit.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void BM_Reglerschritt(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    Plotauftrag p;   // f = "-0,2tx³+0,4t²x", g = "x·cos(x)", h = "sgn(x+1,5)"
    for (Kurvenstil* s : {&p.f, &p.g, &p.h, &p.fs}) s->zeichnen = true;
    int schritt = 0;
    for (auto _ : state) {
        p.Schar_t1 = Zahl_allgemein(1 + 0.5L * (schritt++ % 7));
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_Reglerschritt)->Unit(benchmark::kMillisecond);

}  // namespace
