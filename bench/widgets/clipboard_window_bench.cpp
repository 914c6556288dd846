// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Paste Numbers..." through the real window and clipboard: the clear, the parse, the refresh
// of the rows in view and MailCalc over the pasted tape.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFont>

#include <benchmark/benchmark.h>

#include "bench_window.h"

#include "engine/print_layout.h"
#include "platform/regional.h"
#include "print/print_calc.h"
#include "window/rolling_caculator.h"

namespace tallimer {
namespace {

constexpr int kFullTape = 32768;

void BM_WindowPasteNumbers(benchmark::State& state) {
    RegionalSettings settings;
    Rolling_Caculator window(settings);
    bench::showActive(window);
    window.setMessageFunction([](const QString&) {});
    QString text;
    for (int line = 0; line < kFullTape; ++line) {
        text += QString::number(line % 1000) + QStringLiteral(".25\r\n");
    }
    text.chop(2);
    QGuiApplication::clipboard()->setText(text);
    for (auto _ : state) {
        window.P_m_Click();
    }
    state.counters["tape_lines"] = window.calculator().tape.size();
}
BENCHMARK(BM_WindowPasteNumbers)->Unit(benchmark::kMillisecond);

// The print layout measured with a real font, as the printer measures it.
void BM_PrintLayoutRealFont(benchmark::State& state) {
    Tape tape;
    tape.resize(kFullTape, u'+');
    for (int line = 0; line < kFullTape; ++line) {
        tape.TapeNumbers[static_cast<std::size_t>(line)] = LineValue::integer(1 + line % 5000);
    }
    QFont regular;
    regular.setPixelSize(200);  // a 10 point font in twips
    regular.setKerning(false);
    QFont bold = regular;
    bold.setBold(true);
    const TextWidth width = printTextWidth(regular, bold, nullptr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            layoutPrint(tape, 2, QStringLiteral("81,928,672.00"), RegionalSettings{}, width, 60));
    }
}
BENCHMARK(BM_PrintLayoutRealFont)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer
