// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/total.h"
#include "platform/number_text.h"
#include "selectionsort_reference.h"
#include "tape_values.h"

namespace tallimer {
namespace {

using test::enUS;
using test::val;

// Mean and Mode written out step by step over a sorted copy of the tape, as the quadratic
// Selectionsort leaves it; the real ones work on value keys instead.
QString referenceMean(const Tape& tape) {
    std::vector<LineValue> a = tape.TapeNumbers;
    std::int32_t n = 0;
    SelectionsortQuadratic(a, n);
    const QString label = QStringLiteral("Mean : ");
    const double h = n / 2.0;
    const auto k = static_cast<std::int32_t>(std::floor(h));
    if (n < 0) {
        return label;
    }
    if (h - k == 0.5) {
        Decimal lower;
        Decimal upper;
        Decimal difference;
        Decimal half;
        Decimal result;
        if (a[k].toDecimal(lower) != DecStatus::Ok || a[k + 1].toDecimal(upper) != DecStatus::Ok) {
            return QStringLiteral("Overflow");
        }
        EXPECT_EQ(subtract(upper, lower, difference), DecStatus::Ok);
        EXPECT_EQ(divide(difference, Decimal::fromInt(2), half), DecStatus::Ok);
        EXPECT_EQ(add(lower, half, result), DecStatus::Ok);
        return label + plainText(result, enUS());
    }
    return label + a[static_cast<std::size_t>(h)].plainText(enUS());
}

QString referenceMode(const Tape& tape) {
    std::vector<LineValue> a = tape.TapeNumbers;
    std::int32_t n = 0;
    SelectionsortQuadratic(a, n);
    LineValue previous;
    LineValue mode;
    int run = 0;
    int best = 0;
    for (std::int32_t i = 0; i <= n; ++i) {
        if (a[i] == previous) {
            ++run;
        } else {
            if (run > best) {
                best = run;
                mode = a[i - 1];
            }
            run = 1;
        }
        previous = a[i];
    }
    if (run > best) {
        mode = a[n];
    }
    return QStringLiteral("Mode : ") + mode.plainText(enUS());
}

TEST(StatisticsReferenceTest, MeanAndModeAgreeOnRandomTapes) {
    std::vector<LineValue> pool;
    for (const char* text : {"", "0", "-0.00", "1.5", "1.50", "-1.5", "2", "2.0", "-7", "3", "0.3",
                             "0.30", "7.25", "79228162514264337593543950335",
                             "0.0000000000000000000000000001", "12345678901234567890.12345678"}) {
        pool.push_back(val(text));
    }
    for (const double d : {1.5, 2.0, 0.1 + 0.2, 3.0, 1e300, 123456.789}) {
        pool.push_back(LineValue::fromDouble(d));
    }
    pool.push_back(LineValue::integer(0));
    pool.push_back(LineValue::integer(2));

    std::mt19937 random(77);
    for (int round = 0; round < 3000; ++round) {
        Tape tape;
        const std::size_t lines = random() % 30;
        const std::size_t width = 1 + random() % pool.size();
        const std::size_t start = random() % (pool.size() - width + 1);
        for (std::size_t i = 0; i < lines; ++i) {
            tape.TapeOps.push_back(u'+');
            tape.TapeNumbers.push_back(pool[start + random() % width]);
        }
        ASSERT_EQ(MailCalc(tape, kTotalMean, 25, enUS(), {}), referenceMean(tape))
            << "round " << round;
        ASSERT_EQ(MailCalc(tape, kTotalMode, 25, enUS(), {}), referenceMode(tape))
            << "round " << round;
    }
}

}  // namespace
}  // namespace tallimer
