// Redrawing the main image: the empty coordinate system with its grids, and the
// heaviest ordinary Plot (a family of seven members, every curve box ticked).
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// Fonts need a GUI application; the benchmarks share one, made on first use.
void Qt_bereit() {
    static int argc = 1;
    static char name[] = "tessara_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(argc, argv);
}

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
    Qt_bereit();
    KOS = Koordinatensystem{};
    KOS_Stil = KOS_Einstellungen{};
    QImage bild = Bild_erzeugen(641, 641);
    for (auto _ : state) {
        KOS_zeichnen(bild);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_leeres_Koordinatensystem)->Unit(benchmark::kMillisecond);

void BM_schwerstes_Plotbild(benchmark::State& state) {
    Qt_bereit();
    KOS = Koordinatensystem{};
    KOS_Stil = KOS_Einstellungen{};
    QImage bild = Bild_erzeugen(641, 641);
    const Plotauftrag p = Schwerstes_Bild();
    for (auto _ : state) {
        Plot_zeichnen(bild, p);
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_schwerstes_Plotbild)->Unit(benchmark::kMillisecond);

}  // namespace
