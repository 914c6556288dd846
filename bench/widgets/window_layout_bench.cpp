// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on a full tape: the layout pass into the tall layout, a key release in a row
// and a scroll by one line, each through the real widgets.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include "bench_window.h"

#include "platform/decimal.h"
#include "platform/regional.h"
#include "window/entry_row.h"
#include "window/rolling_caculator.h"

namespace tallimer {
namespace {

constexpr int kFullTape = 32768;

void drain() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

// A shown window at its designed size whose tape holds 32768 numbered lines, viewed halfway.
struct FullTapeWindow {
    RegionalSettings settings;
    Rolling_Caculator window{settings};

    FullTapeWindow() {
        window.move(100, 50);
        bench::showActive(window);
        Calculator& calc = window.calculator();
        calc.tape.resize(kFullTape, u'+');
        for (int line = 0; line < kFullTape; ++line) {
            calc.tape.TapeNumbers[static_cast<std::size_t>(line)] = LineValue::integer(line % 1000);
        }
        window.setScrollValueMax(kFullTape - 1 - window.lastRow());
        window.setScrollValue(kFullTape / 2);
        calc.MailCalc();
        drain();
    }
};

void waitWhileSettling(const Rolling_Caculator& window) {
    while (window.layoutSettling()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    drain();
}

// From the designed size to the tall layout laid out on screen: the maximize, the layout passes
// it causes and the refresh of every row in sight.
void BM_WindowLayoutPassToTallLayout(benchmark::State& state) {
    FullTapeWindow full;
    Rolling_Caculator& window = full.window;
    const int designedLastRow = window.lastRow();
    int tallLastRow = 0;
    for (auto _ : state) {
        window.setWindowState(Qt::WindowMaximized);
        while (window.lastRow() == designedLastRow || window.height() < 600) {
            QCoreApplication::processEvents();
        }
        tallLastRow = window.lastRow();

        state.PauseTiming();
        waitWhileSettling(window);
        window.setWindowState(Qt::WindowMaximized);  // the next maximize returns
        waitWhileSettling(window);
        state.ResumeTiming();
    }
    state.counters["designed_rows"] = designedLastRow + 1;
    state.counters["tall_rows"] = tallLastRow + 1;
}
BENCHMARK(BM_WindowLayoutPassToTallLayout)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_WindowKeyReleaseInRow(benchmark::State& state) {
    FullTapeWindow full;
    EntryRow* row = full.window.partsAllRowsMade().rows.CalAmount[3];
    row->setFocus();
    drain();
    for (auto _ : state) {
        // Write-back of the row and MailCalc over the whole tape.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QApplication::sendEvent(row, &release);
    }
}
BENCHMARK(BM_WindowKeyReleaseInRow)->Unit(benchmark::kMillisecond);

void BM_WindowScrollOneLine(benchmark::State& state) {
    FullTapeWindow full;
    Rolling_Caculator& window = full.window;
    int value = window.scrollValue();
    for (auto _ : state) {
        value = value + 1 < window.scrollValueMax() ? value + 1 : 0;
        window.setScrollValue(value);
    }
}
BENCHMARK(BM_WindowScrollOneLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer
