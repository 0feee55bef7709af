// Redrawing the main image: the empty coordinate system with its grids, and the
// heaviest ordinary Plot (a family of seven members, every curve box ticked), whole
// and kind by kind.
#include "bench/Qt_bereit.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

Plotauftrag Schwerstes_Bild() {
    Plotauftrag p;   // f = "-0,2tx³+0,4t²x", g = "x·cos(x)", h = "sgn(x+1,5)"
    p.alle_t = true;
    p.Schar_t1 = "1";
    p.Schar_t2 = "4";
    p.delta_t = "0,5";
    for (Kurvenstil* s : {&p.f, &p.g, &p.h, &p.fs, &p.fs2, &p.fs3, &p.f_invers, &p.F, &p.kr})
        s->zeichnen = true;
    return p;
}

void BM_leeres_Koordinatensystem(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    for (auto _ : state) {
        KOS_zeichnen(bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_leeres_Koordinatensystem)->Unit(benchmark::kMillisecond);

void BM_schwerstes_Plotbild(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    const Plotauftrag p = Schwerstes_Bild();
    for (auto _ : state) {
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_schwerstes_Plotbild)->Unit(benchmark::kMillisecond);

// The heaviest picture one curve kind at a time, without the coordinate system, to
// see where its time goes: 0..8 = f, g, h, f', f'', f''', inverse, F, curvature.
void BM_Plotbild_Kurvenart(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    Plotauftrag p = Schwerstes_Bild();
    Kurvenstil* arten[] = {&p.f, &p.g, &p.h, &p.fs, &p.fs2, &p.fs3, &p.f_invers, &p.F, &p.kr};
    for (int i = 0; i < 9; ++i) arten[i]->zeichnen = i == state.range(0);
    p.loeschen = false;
    for (auto _ : state) {
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_Plotbild_Kurvenart)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// The picture after start: f alone, no family.
void BM_Standardbild(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    Plotauftrag p;
    p.f.zeichnen = true;
    for (auto _ : state) {
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_Standardbild)->Unit(benchmark::kMillisecond);

// The integral function of f = x: u at 0 with the default interval, u far to the
// right, the interval's end far to the right, and a family of 1000 members whose u
// lies right of a narrow window.
void BM_Integralfunktion(benchmark::State& state) {
    QImage bild = Standardbild_bereit();
    Plotauftrag p;
    p.Term_f = "x";
    p.F.zeichnen = true;
    switch (state.range(0)) {
    case 1: p.u = "1E9"; break;
    case 2: p.xeSchar = 1E9L; break;
    case 3:
        KOS.xli = -1E-7L;
        KOS.xre = 2;
        p.xaSchar = -1E-7L;
        p.xeSchar = 2;
        p.Term_f = "tx";
        p.alle_t = true;
        p.Schar_t1 = "1";
        p.Schar_t2 = "1000";
        p.delta_t = "1";
        p.u = "1,5E3";
        break;
    default: break;
    }
    for (auto _ : state) {
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
// 0: u = 0, 1: u = 1E9, 2: interval to 1E9, 3: family of 1000 from u = 1,5E3
BENCHMARK(BM_Integralfunktion)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
