// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"

namespace {

using tallimer::SuperButton;
using tallimer::VynVerticalScroll;

void send(QWidget& target, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, target.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

// A shown 30 x 240 scroll bar with every pending event handled.
void prepare(VynVerticalScroll& bar) {
    bar.resize(30, 240);
    bar.show();
    QApplication::processEvents();
}

// Setting Value and painting the result: one blit of the cached look plus the thumb.
void BM_ScrollValueSetWithRepaint(benchmark::State& state) {
    VynVerticalScroll bar;
    prepare(bar);
    std::int32_t value = 0;
    for (auto _ : state) {
        value = (value + 7) % 101;
        bar.setValue(value);
        bar.repaint();
    }
}
BENCHMARK(BM_ScrollValueSetWithRepaint);

// One drag move to a new row, with its event pass, Change and repaint.
void BM_ScrollDragMove(benchmark::State& state) {
    VynVerticalScroll bar;
    prepare(bar);
    send(bar, QEvent::MouseButtonPress, QPointF(15, 30), Qt::LeftButton);
    int y = 40;
    for (auto _ : state) {
        y = y == 200 ? 40 : y + 1;
        send(bar, QEvent::MouseMove, QPointF(15, y), Qt::LeftButton);
        bar.repaint();
    }
    send(bar, QEvent::MouseButtonRelease, QPointF(15, y), Qt::NoButton);
}
BENCHMARK(BM_ScrollDragMove);

// A drag move to the row already acted on does no work.
void BM_ScrollDragMoveSameRow(benchmark::State& state) {
    VynVerticalScroll bar;
    prepare(bar);
    send(bar, QEvent::MouseButtonPress, QPointF(15, 30), Qt::LeftButton);
    send(bar, QEvent::MouseMove, QPointF(15, 90), Qt::LeftButton);
    for (auto _ : state) {
        send(bar, QEvent::MouseMove, QPointF(15, 90), Qt::LeftButton);
    }
}
BENCHMARK(BM_ScrollDragMoveSameRow);

// Composing the static look, as on a resize or a BackColor change.
void BM_ScrollCompose(benchmark::State& state) {
    VynVerticalScroll bar;
    prepare(bar);
    std::uint32_t color = 0x00E0E0E0;
    for (auto _ : state) {
        color ^= 0x00000101;
        bar.setBackColor(color);
    }
}
BENCHMARK(BM_ScrollCompose);

// Rendering both faces of a keypad-sized button.
void BM_ButtonRender(benchmark::State& state) {
    SuperButton button;
    button.resize(154, 36);
    button.setCaption(QStringLiteral("7"));
    std::uint32_t color = 0x00C0C0C0;
    for (auto _ : state) {
        color ^= 0x00010101;
        button.setRenderColor(color);
    }
}
BENCHMARK(BM_ButtonRender);

// A press and a release inside: the pressed and the lit look, each painted.
void BM_ButtonClickLooks(benchmark::State& state) {
    SuperButton button;
    button.resize(154, 36);
    button.setCaption(QStringLiteral("7"));
    button.show();
    QApplication::processEvents();
    for (auto _ : state) {
        send(button, QEvent::MouseButtonPress, QPointF(20, 20), Qt::LeftButton);
        button.repaint();
        send(button, QEvent::MouseButtonRelease, QPointF(20, 20), Qt::NoButton);
        button.repaint();
    }
}
BENCHMARK(BM_ButtonClickLooks);

}  // namespace
