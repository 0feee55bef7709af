// Whole-table operations on a full table (43 x 1500 = 64 500 data cells).
#include "table/UStringGrid.h"

#include <benchmark/benchmark.h>

namespace {

void Voll_fuellen(TTabelle& T) {
    static const char* const texte[] = {"0,75", "-7/2", "3,731E-5", "12", "2,5", "1/3", "Text"};
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c) T.Zelle(c, r) = texte[(r * 7 + c) % 7];
}

void BM_Tabelle_leeren(benchmark::State& state) {
    TTabelle T;
    for (auto _ : state) {
        state.PauseTiming();
        Voll_fuellen(T);
        state.ResumeTiming();
        Tabelle_leeren(T);
        benchmark::DoNotOptimize(T.Zelle(1, 1));
    }
}
BENCHMARK(BM_Tabelle_leeren)->Unit(benchmark::kMillisecond);

void BM_Tabelle_als_Brueche(benchmark::State& state) {
    TTabelle T;
    for (auto _ : state) {
        state.PauseTiming();
        Voll_fuellen(T);
        state.ResumeTiming();
        Tabelle_als_Brueche(T);
        benchmark::DoNotOptimize(T.Zelle(1, 1));
    }
}
BENCHMARK(BM_Tabelle_als_Brueche)->Unit(benchmark::kMillisecond);

void BM_Tabelle_als_Dezimalzahlen(benchmark::State& state) {
    TTabelle T;
    for (auto _ : state) {
        state.PauseTiming();
        Voll_fuellen(T);
        state.ResumeTiming();
        Tabelle_als_Dezimalzahlen(T);
        benchmark::DoNotOptimize(T.Zelle(1, 1));
    }
}
BENCHMARK(BM_Tabelle_als_Dezimalzahlen)->Unit(benchmark::kMillisecond);

// The usual case: a table with a few hundred numbers and otherwise empty cells.
void BM_Tabelle_als_Brueche_duenn(benchmark::State& state) {
    TTabelle T;
    for (auto _ : state) {
        state.PauseTiming();
        Tabelle_leeren(T);
        for (int r = 1; r <= 200; ++r) T.Zelle(1, r) = "0,125";
        state.ResumeTiming();
        Tabelle_als_Brueche(T);
        benchmark::DoNotOptimize(T.Zelle(1, 1));
    }
}
BENCHMARK(BM_Tabelle_als_Brueche_duenn)->Unit(benchmark::kMillisecond);

}  // namespace
