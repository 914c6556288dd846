// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "calculator_bench_view.h"
#include "engine/calculator.h"
#include "engine/tape.h"
#include "platform/decimal.h"
#include "platform/regional.h"

namespace tallimer::bench {
namespace {

constexpr int kPool = 74;
constexpr int kLastRow = 35;

// The window after load and first activation, then a full tape of figures such as a long
// calculation file gives: 32768 lines of "+" and "-" amounts with two decimals, laid out with
// 36 visible rows and scrolled to the end.
struct FullTape {
    FullTape(int decPlaces, int totalMode) : view(kPool), calc(view, RegionalSettings{}) {
        view.calculator = &calc;
        calc.load(kPool - 1);
        calc.applyLayout(kLastRow);
        calc.Clear_Total_Click();
        calc.tape.resize(kMaxTapeLines);
        for (int i = 0; i < kMaxTapeLines; ++i) {
            calc.tape.TapeOps[i] = i % 7 == 3 ? u'-' : u'+';
            calc.tape.TapeNumbers[i] = *Decimal::fromParts(1000 + (i * 7919) % 99000, 2, false);
        }
        calc.dp1_Click(decPlaces);
        calc.CalcFuntions_Click(totalMode);
        calc.applyLayout(kLastRow);
        view.setScrollValue(view.scrollValueMax());
        view.focusRow(kLastRow / 2);
    }
    BenchView view;
    Calculator calc;
};

// A key released in a row: the row's text written back into its line, then MailCalc.
// Arguments: decimals, total mode.
void BM_CalculatorKeyRelease(benchmark::State& state) {
    FullTape t(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int row = kLastRow / 2;
    t.view.setRowText(row, QStringLiteral("1,234.5"));
    for (auto _ : state) {
        t.calc.rowKeyUp(row, '5');
        benchmark::DoNotOptimize(t.view.totalText());
    }
}
BENCHMARK(BM_CalculatorKeyRelease)
    ->Args({25, 0})
    ->Args({2, 0})
    ->Args({25, 1})
    ->Args({25, 2})
    ->Args({25, 3})
    ->Unit(benchmark::kMillisecond);

// A whole digit keystroke: key down, key press, the digit entering the row, key up.
void BM_CalculatorDigitKeystroke(benchmark::State& state) {
    FullTape t(25, 0);
    const int row = kLastRow / 2;
    for (auto _ : state) {
        t.view.setRowText(row, QStringLiteral("12.3"));
        int code = '4';
        t.calc.rowKeyDown(row, code);
        int ascii = '4';
        t.calc.rowKeyPress(row, ascii);
        t.view.setRowText(row, QStringLiteral("12.34"));
        t.calc.rowKeyUp(row, '4');
        benchmark::DoNotOptimize(t.view.totalText());
    }
}
BENCHMARK(BM_CalculatorDigitKeystroke)->Unit(benchmark::kMillisecond);

// The view moved by one line (an arrow key at the last row, or a scroll bar step).
void BM_CalculatorScrollOneLine(benchmark::State& state) {
    FullTape t(static_cast<int>(state.range(0)), 0);
    int step = -1;
    for (auto _ : state) {
        t.view.setScrollValue(t.view.scrollValue() + step);
        step = -step;
    }
    benchmark::DoNotOptimize(t.view.rowText(0));
}
BENCHMARK(BM_CalculatorScrollOneLine)->Arg(25)->Arg(2)->Unit(benchmark::kMicrosecond);

// An operator key in the last row one line short of the limit: the line is appended once,
// then every further key meets the full tape and adds nothing.
void BM_CalculatorOperatorAtTapeEnd(benchmark::State& state) {
    FullTape t(25, 0);
    t.calc.tape.resize(kMaxTapeLines - 1);
    t.calc.applyLayout(kLastRow);
    t.view.setScrollValue(t.view.scrollValueMax());
    t.view.focusRow(kLastRow);
    for (auto _ : state) {
        int ascii = '+';
        t.calc.rowKeyPress(kLastRow, ascii);
        t.calc.rowKeyUp(kLastRow, 0xBB);
    }
    benchmark::DoNotOptimize(t.calc.tape.size());
}
BENCHMARK(BM_CalculatorOperatorAtTapeEnd)->Unit(benchmark::kMillisecond);

// "Sort Numbers..." on the full tape.
void BM_CalculatorSortNumbers(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        FullTape t(25, 0);
        state.ResumeTiming();
        t.calc.SortNm_Click();
    }
}
BENCHMARK(BM_CalculatorSortNumbers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer::bench
