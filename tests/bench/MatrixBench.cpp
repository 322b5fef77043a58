#include <benchmark/benchmark.h>

#include "matrix/Matrix.h"

namespace {

Matrix fourByFour(const int (&cells)[4][4]) {
    Matrix m;
    m.rows = m.cols = 4;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            m.at(i, j) = makeFraction(cells[i][j], 1, '/');
    return m;
}

void BM_Inverse4x4(benchmark::State& state) {
    const Matrix a = fourByFour({{3, -1, 2, 5}, {7, 4, -6, 1}, {-2, 9, 8, -3}, {5, 2, -7, 6}});
    Matrix c, d;
    for (auto _ : state) {
        InverseOutcome out = invertMatrix(a, c, d, {});
        if (!out.success)
            state.SkipWithError("no inverse");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_Inverse4x4);

// A unipotent matrix: its 40th power stays within the range (largest cell 40).
void BM_Power40_4x4(benchmark::State& state) {
    const Matrix a = fourByFour({{1, 1, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 1}, {0, 0, 1, 0}});
    Matrix c;
    for (auto _ : state) {
        bool ok = powerMatrix(a, 40, true, c).done;
        if (!ok)
            state.SkipWithError("the power left the range");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_Power40_4x4);

}  // namespace
