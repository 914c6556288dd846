// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Copy, paste and the print layout on a full tape of 32768 lines.
#include <benchmark/benchmark.h>

#include "engine/clipboard_text.h"
#include "engine/print_layout.h"
#include "platform/regional.h"
#include "tape_bench_support.h"

namespace tallimer::bench {
namespace {

constexpr int kLastRow = 14;

void BM_CopyText(benchmark::State& state) {
    const Tape tape = randomTape(kBenchLines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(copyText(tape, RegionalSettings{}));
    }
}
BENCHMARK(BM_CopyText)->Unit(benchmark::kMillisecond);

// A column as a spreadsheet gives it (grouped, CR LF after every line) or tab-separated
// records ending in "DE", parsed and built into the tape.
void BM_PasteTape(benchmark::State& state) {
    const bool records = state.range(0) == 1;
    const Tape tape = randomTape(kBenchLines, false);
    QString text;
    for (int i = 0; i < kBenchLines; ++i) {
        const QString value = tape.TapeNumbers[static_cast<std::size_t>(i)].plainText({});
        text += records ? QStringLiteral("x\t\t\t%1\r\n").arg(value)
                        : QStringLiteral("1,%1\t7\r\n").arg(value);
    }
    text += records ? QStringLiteral("DE") : QString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pasteTape(text, RegionalSettings{}, kLastRow, kLastRow + 1));
    }
}
BENCHMARK(BM_PasteTape)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 100 MB of clipboard text: read as far as the tape goes, the rest only counted.
void BM_PasteHugeText(benchmark::State& state) {
    const QString text = QStringLiteral("1234.56\t\t\r\n").repeated(100'000'000 / 11);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pasteTape(text, RegionalSettings{}, kLastRow, kLastRow + 1));
    }
}
BENCHMARK(BM_PasteHugeText)->Unit(benchmark::kMillisecond);

void BM_PrintLayout(benchmark::State& state) {
    const Tape tape = randomTape(kBenchLines);
    const auto width = [](const QString& text, bool bold) {
        return static_cast<double>(text.size()) * (bold ? 130.0 : 110.0);
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(layoutPrint(tape, static_cast<int>(state.range(0)),
                                             QStringLiteral("1,234,567.89"), RegionalSettings{},
                                             width, 60));
    }
}
BENCHMARK(BM_PrintLayout)->Arg(25)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer::bench
