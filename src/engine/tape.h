// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include <QChar>

#include "engine/line_value.h"

namespace tallimer {

// Line indices and the view offset are 16-bit signed, so a tape holds at most this many lines.
constexpr int kMaxTapeLines = 32768;

// The paper tape: two parallel lists, one value and one operator per line. An operator is a
// single character ("+", "-", "x", "/" take part in the total); QChar() is a line without one.
struct Tape {
    std::vector<LineValue> TapeNumbers;
    std::vector<QChar> TapeOps;

    int size() const { return static_cast<int>(TapeNumbers.size()); }
    int lastIndex() const { return size() - 1; }
    // Both lists to exactly `lines` entries, keeping the lines that remain; added lines get
    // an empty value and `op`. Amortised: growing by one line does not copy the tape.
    void resize(int lines, QChar op = QChar());
};

}  // namespace tallimer
