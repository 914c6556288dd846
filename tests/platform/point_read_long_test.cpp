// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>

#include <QString>

#include <gtest/gtest.h>

#include "platform/number_reader.h"

namespace tallimer {
namespace {

// Texts far longer than a double's digits: read in one pass, rounded as if read in full.
TEST(ReadPointLong, ManyDigitsRoundAsTheWholeNumber) {
    struct Case {
        const char* name;
        QString text;
        double value;
    };
    const QString thousandZeros(1000, u'0');
    const Case cases[] = {
        {"a tie broken by a far digit", "9007199254740993." + thousandZeros + "1",
         9007199254740994.0},
        {"a tie without one", "9007199254740993." + thousandZeros, 9007199254740992.0},
        {"leading zeros", thousandZeros + "12.5", 12.5},
        {"fraction zeros", "0." + thousandZeros + "1", 0},
        {"integer beyond the range", "1" + thousandZeros, HUGE_VAL},
        {"negative beyond, then an exponent", "-1" + thousandZeros + "e-1000", -1},
        {"ten million digits", QString(10'000'000, u'7'), HUGE_VAL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readPoint(c.text), c.value) << c.name;
    }
}

}  // namespace
}  // namespace tallimer
