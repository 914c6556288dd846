// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/total.h"
#include "selectionsort_reference.h"
#include "tape_bench_support.h"

namespace tallimer {
namespace {

void runTotal(benchmark::State& state, int totalMode,
              bench::Operators operators = bench::Operators::All) {
    const Tape tape = bench::randomTape(bench::kBenchLines, true, operators);
    const RegionalSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MailCalc(tape, totalMode, 2, settings, {}));
    }
}

void BM_RunningTotal(benchmark::State& state) {
    runTotal(state, kTotalNumbers);
}
void BM_RunningTotalAddSubtract(benchmark::State& state) {
    runTotal(state, kTotalNumbers, bench::Operators::AddSubtract);
}
void BM_Average(benchmark::State& state) {
    runTotal(state, kTotalAverage);
}
void BM_Mean(benchmark::State& state) {
    runTotal(state, kTotalMean);
}
void BM_Mode(benchmark::State& state) {
    runTotal(state, kTotalMode);
}

void BM_Selectionsort(benchmark::State& state) {
    const Tape tape = bench::randomTape(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<LineValue> list = tape.TapeNumbers;
        std::int32_t last = 0;
        Selectionsort(list, last);
        benchmark::DoNotOptimize(last);
    }
}

void BM_SelectionsortQuadratic(benchmark::State& state) {
    const Tape tape = bench::randomTape(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<LineValue> list = tape.TapeNumbers;
        std::int32_t last = 0;
        SelectionsortQuadratic(list, last);
        benchmark::DoNotOptimize(last);
    }
}

BENCHMARK(BM_RunningTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunningTotalAddSubtract)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Average)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mean)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Selectionsort)->Arg(4096)->Arg(bench::kBenchLines)->Unit(benchmark::kMillisecond);
// The quadratic original, for comparison: seconds at the full tape, so one run only.
BENCHMARK(BM_SelectionsortQuadratic)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionsortQuadratic)
    ->Arg(bench::kBenchLines)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer
