// Timing of the row-operation engine and the equation reader.

#include <benchmark/benchmark.h>

#include <string>

#include "arith/Equation.h"
#include "arith/NumberText.h"

namespace {

// A 4-unknown question with fractions, loaded as step 2.
EquationList fourUnknowns() {
    EquationList list;
    list.unknownCount = 4;
    const char* lines[] = {"2x-3y+4z-5w=12", "1/2x+y-z+w=3/4", "x+2/3y+z-3w=-7", "-x+y+5z+w=0"};
    Messages said;
    for (int i = 0; i < 4; ++i)
        parseEquationLine(lines[i], list.rows[i + 1], 4, said);
    return list;
}

void BM_ExecuteStepAdd(benchmark::State& state) {
    EquationList list = fourUnknowns();
    StepSelection sel;
    sel.step = 3;
    sel.row1Text = "1";
    sel.row2Text = "2";
    for (auto _ : state) {
        StepOutcome out = executeStep(list, sel, 1, '+', 2, {});
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_ExecuteStepAdd);

void BM_ExecuteStepMultiplyByFraction(benchmark::State& state) {
    EquationList list = fourUnknowns();
    StepSelection sel;
    sel.step = 3;
    sel.row1Text = "2";
    sel.lastRowLine = 2;
    sel.secondIsRow = false;
    sel.numberText = "-3分の2";
    for (auto _ : state) {
        StepOutcome out = executeStep(list, sel, 2, '*', 0, {});
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_ExecuteStepMultiplyByFraction);

// Both calls of row 1 - row 3 × 5/7.
void BM_ExecuteStepCompound(benchmark::State& state) {
    EquationList list = fourUnknowns();
    StepSelection sel;
    sel.step = 3;
    sel.row1Text = "1";
    sel.row2Text = "3";
    sel.compound = true;
    sel.secondOp = '*';
    sel.numberText = "7分の5";
    for (auto _ : state) {
        sel.compoundRun = true;
        sel.secondIsRow = false;
        sel.lastRowLine = 3;
        StepOutcome first = executeStep(list, sel, 28, '*', 0, {});
        sel.compoundRun = false;
        sel.secondIsRow = true;
        StepOutcome second = executeStep(list, sel, 1, '-', 0, {});
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
    }
}
BENCHMARK(BM_ExecuteStepCompound);

void BM_ParseEquationLine(benchmark::State& state) {
    EquationRow row;
    const std::string line = "2x-3/4y+1.25z-12345w=-6789";
    Messages said;
    for (auto _ : state) {
        bool ok = parseEquationLine(line, row, 4, said);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_ParseEquationLine);

}  // namespace
