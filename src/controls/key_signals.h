// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QKeyEvent>

#include "controls/input_codes.h"

namespace tallimer {

// Raises a KeyDown or KeyUp signal of a control with the event's key code and shift keys; the
// handlers get them by reference and may change them.
template <class Control>
void raiseKeySignal(Control& control, void (Control::*signal)(std::int16_t&, std::int16_t&),
                    const QKeyEvent& event) {
    std::int16_t keyCode = keyCodeOf(event);
    std::int16_t shift = shiftOf(event.modifiers());
    (control.*signal)(keyCode, shift);
}

// A key let go: a held key repeats KeyDown alone, KeyUp comes once, when it is released.
template <class Control>
void raiseKeyUp(Control& control, QKeyEvent& event) {
    event.accept();
    if (!event.isAutoRepeat()) {
        raiseKeySignal(control, &Control::KeyUp, event);
    }
}

}  // namespace tallimer
