// One step of dragging the picture with the mouse: the window moves by the step's
// pixels, the four limit fields get their texts, and the default picture with f, g
// and h is drawn again. It has to fit into one frame (16 ms). A second case draws
// the three curves as families of seven members ("t von" ticked).
#include "bench/Qt_bereit.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void BM_Ziehschritt(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    Plotauftrag p;   // f = "-0,2tx³+0,4t²x", g = "x·cos(x)", h = "sgn(x+1,5)"
    for (Kurvenstil* s : {&p.f, &p.g, &p.h}) s->zeichnen = true;
    p.alle_t = state.range(0) != 0;
    int schritt = 0;
    for (auto _ : state) {
        // a mouse moving 3 pixels at a time, to and fro
        KOS_ziehen(KOS, (schritt++ / 20) % 2 ? 3 : -3, 1);
        for (Extended v : {KOS.xli, KOS.xre, KOS.yu, KOS.yo}) benchmark::DoNotOptimize(Zahl_allgemein(v));
        p.xaSchar = p.xaSchar_g = p.xaSchar_h = KOS.xli;
        p.xeSchar = p.xeSchar_g = p.xeSchar_h = KOS.xre;
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_Ziehschritt)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
