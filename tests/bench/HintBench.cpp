#include <benchmark/benchmark.h>

#include "drill/HintPlanner.h"

namespace {

HintMatrix matrix(const int (&cells)[4][5]) {
    HintMatrix m(4, std::vector<HintNumber>(5));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            m[r][c] = {cells[r][c], 1};
    return m;
}

// A 4-unknown system with no 1 in the first column: the planner has to
// swap, clear with fractions and divide, the longest kind of plan.
void BM_HintPlan4Unknowns(benchmark::State& state) {
    const HintMatrix m =
        matrix({{3, -1, 2, 5, 7}, {7, 4, -6, 1, 2}, {-2, 9, 8, -3, 5}, {5, 2, -7, 6, -4}});
    for (auto _ : state) {
        HintPlan plan = planHint(m);
        if (plan.ops.empty())
            state.SkipWithError("no plan");
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_HintPlan4Unknowns);

// The same with a zero row reached on the way (infinitely many solutions).
void BM_HintPlan4UnknownsDependent(benchmark::State& state) {
    const HintMatrix m =
        matrix({{2, 1, -1, 3, 4}, {1, -3, 2, 1, 0}, {3, -2, 1, 4, 4}, {4, 3, -2, 1, 5}});
    for (auto _ : state) {
        HintPlan plan = planHint(m);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_HintPlan4UnknownsDependent);

// Two-digit entries: constants outgrow the number panel on most roads, so
// the search weighs split steps and other pivots.
void BM_HintPlan4UnknownsTwoDigits(benchmark::State& state) {
    const HintMatrix m = matrix(
        {{22, -8, 2, 35, -55}, {-5, -44, 40, -38, -43}, {60, 12, 3, 11, 10}, {-7, 28, -1, 5, 28}});
    for (auto _ : state) {
        HintPlan plan = planHint(m);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_HintPlan4UnknownsTwoDigits);

}  // namespace
