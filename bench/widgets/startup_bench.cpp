// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the start pays before the first key: the main window built and painted once, offscreen,
// and one button's look composed and drawn.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "controls/super_button.h"
#include "platform/regional.h"
#include "window/rolling_caculator.h"

namespace tallimer {
namespace {

// Construction up to the first paint of the window at its designed size.
void BM_WindowConstructToFirstPaint(benchmark::State& state) {
    RegionalSettings settings;
    QImage target(1, 1, QImage::Format_RGB32);
    for (auto _ : state) {
        Rolling_Caculator window(settings);
        window.ensurePolished();
        target = window.grab().toImage();
        benchmark::DoNotOptimize(target);
    }
}
BENCHMARK(BM_WindowConstructToFirstPaint)->Unit(benchmark::kMillisecond);

// One operator-sized button given a colour it has not had and drawn: its look is composed.
void BM_SuperButtonRender(benchmark::State& state) {
    SuperButton button;
    button.resize(154, 36);
    button.setCaption(QStringLiteral("+"));
    QImage target(154, 36, QImage::Format_RGB32);
    std::uint32_t color = 0x00C0C0C0;
    for (auto _ : state) {
        color = (color + 0x00010203) & 0x00FFFFFF;  // a look the cache has not seen
        button.setRenderColor(color);
        button.render(&target);
        benchmark::DoNotOptimize(target);
    }
}
BENCHMARK(BM_SuperButtonRender)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallimer
