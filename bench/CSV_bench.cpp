// Opening and saving a full table as CSV (1500 data rows x 43 columns plus the header).
#include "table/UTabelle_CSV.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

void Voll_fuellen(TTabelle& T) {
    static const char* const texte[] = {"0,75", "-7/2", "3,731E-5", "12", "2.5", "1/3", "Text; mit \"Quote\""};
    Tabelle_leeren(T);
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c) T.Zelle(c, r) = texte[(r * 7 + c) % 7];
}

void BM_Tabelle_aus_CSV_Datei(benchmark::State& state) {
    TTabelle T;
    Voll_fuellen(T);
    std::string csv;
    Tabelle_als_CSV(T, csv);
    const auto pfad = std::filesystem::temp_directory_path() / "tessara_bench_voll.csv";
    std::ofstream(pfad, std::ios::binary) << csv;
    for (auto _ : state) {
        const bool ok = Tabelle_aus_CSV_Datei(T, pfad.string());
        benchmark::DoNotOptimize(ok);
    }
    state.counters["Bytes"] = double(csv.size());
    std::filesystem::remove(pfad);
}
BENCHMARK(BM_Tabelle_aus_CSV_Datei)->Unit(benchmark::kMillisecond);

void BM_Tabelle_als_CSV(benchmark::State& state) {
    TTabelle T;
    Voll_fuellen(T);
    std::string csv;
    for (auto _ : state) {
        Tabelle_als_CSV(T, csv);
        benchmark::DoNotOptimize(csv.data());
    }
}
BENCHMARK(BM_Tabelle_als_CSV)->Unit(benchmark::kMillisecond);

}  // namespace
