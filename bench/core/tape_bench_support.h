// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

#include "engine/tape.h"
#include "platform/decimal.h"

namespace tallimer::bench {

enum class Operators { All, AddSubtract };

// A tape of `lines` random lines as a user would type them: additions and subtractions, with
// Operators::All some multiplications and divisions too (after the first division the total
// carries 28 decimals, so every later step rounds), values of 0 to 4 decimals, and (unless
// `blanks` is false) a few lines never given a value.
inline Tape randomTape(int lines, bool blanks = true, Operators operators = Operators::All) {
    std::mt19937_64 random(42);
    Tape tape;
    for (int i = 0; i < lines; ++i) {
        const unsigned pick = random() % 100;
        char16_t op = pick < 60 ? u'+' : pick < 90 ? u'-' : pick < 95 ? u'x' : u'/';
        if (operators == Operators::AddSubtract && pick >= 90) {
            op = u'+';
        }
        tape.TapeOps.push_back(QChar(op));
        if (blanks && random() % 50 == 0) {
            tape.TapeNumbers.emplace_back();
            continue;
        }
        const int scale = static_cast<int>(random() % 5);
        const uint128 magnitude = random() % 2000000;
        tape.TapeNumbers.emplace_back(*Decimal::fromParts(magnitude, scale, random() % 10 == 0));
    }
    return tape;
}

constexpr int kBenchLines = 32768;

}  // namespace tallimer::bench
