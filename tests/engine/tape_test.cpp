// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "engine/tape.h"
#include "tape_values.h"

namespace tallimer {
namespace {

TEST(TapeTest, ResizeKeepsLinesAndFillsNewOnes) {
    Tape tape = test::tapeOf({{'+', "1"}, {'x', "2"}});
    tape.resize(4, u'+');
    ASSERT_EQ(tape.size(), 4);
    ASSERT_EQ(tape.TapeOps.size(), 4U);
    EXPECT_TRUE(test::identical(tape.TapeNumbers[1], test::val("2")));
    EXPECT_EQ(tape.TapeOps[1], u'x');
    EXPECT_TRUE(tape.TapeNumbers[3].isEmpty());
    EXPECT_EQ(tape.TapeOps[3], u'+');
    EXPECT_EQ(tape.lastIndex(), 3);

    tape.resize(1);
    ASSERT_EQ(tape.size(), 1);
    EXPECT_EQ(tape.TapeOps.size(), 1U);
    EXPECT_EQ(tape.TapeOps[0], u'+');

    tape.resize(2);
    EXPECT_TRUE(tape.TapeOps[1].isNull());
    tape.resize(-5);
    EXPECT_EQ(tape.size(), 0);
    EXPECT_EQ(tape.lastIndex(), -1);
}

// Appending line by line up to the limit reallocates only a logarithmic number of times.
TEST(TapeTest, GrowingByOneLineDoesNotCopyTheTape) {
    Tape tape;
    int moves = 0;
    const LineValue* before = nullptr;
    for (int lines = 1; lines <= kMaxTapeLines; ++lines) {
        tape.resize(lines, u'+');
        if (tape.TapeNumbers.data() != before) {
            ++moves;
            before = tape.TapeNumbers.data();
        }
    }
    EXPECT_LE(moves, 20);
}

}  // namespace
}  // namespace tallimer
