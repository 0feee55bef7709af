// Inverting and reducing the largest matrices the matrix group takes: a 40 x 40
// inverse through [A | E] must stay well under 50 ms.
#include "numeric/UMatrixOps.h"

#include <benchmark/benchmark.h>

namespace {

// A well-conditioned test matrix: a strong diagonal over a pattern of small integers.
Matrix Testmatrix(int m) {
    Matrix A{};
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= m; ++j) A[i][j] = i == j ? 4 * m : (i * 7 + j * 3) % 11 - 5;
    return A;
}

void BM_Inverse(benchmark::State& state) {
    const int m = int(state.range(0));
    const Matrix A = Testmatrix(m);
    Matrix C;
    for (auto _ : state) {
        bool ok = Matrix_invertieren(A, m, C);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(C);
    }
}

void BM_Determinante(benchmark::State& state) {
    const int m = int(state.range(0));
    const Matrix A = Testmatrix(m);
    for (auto _ : state) benchmark::DoNotOptimize(Determinante(A, m));
}

void BM_Rref_LGS(benchmark::State& state) {
    const int m = int(state.range(0));
    const Matrix A = Testmatrix(m);
    for (auto _ : state) {
        Matrix B = A;
        Matrix_rref(B, m, m + 1);
        benchmark::DoNotOptimize(B);
    }
}

}  // namespace

BENCHMARK(BM_Inverse)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Determinante)->Arg(40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rref_LGS)->Arg(40)->Unit(benchmark::kMillisecond);
