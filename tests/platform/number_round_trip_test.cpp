// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "decimal_test_support.h"
#include "locales.h"
#include "platform/number_reader.h"
#include "platform/number_text.h"

namespace tallimer {
namespace {

using testing::RandomDecimals;
using testing::settingsFor;
using testing::str;

class NumberRoundTrip : public ::testing::TestWithParam<const char*> {};

// What the rule shows in a row reads back, typed, as the shown value.
TEST_P(NumberRoundTrip, FormattedReadsBackRounded) {
    const RegionalSettings settings = settingsFor(GetParam());
    RandomDecimals random(2024);
    for (int i = 0; i < 3000; ++i) {
        const Decimal value = random.next();
        const int places = i % 7;
        const QString shown = formatNumber(value, places, settings);
        Decimal back = Decimal::fromInt(-7);
        ASSERT_EQ(readTyped(shown, settings, back), ReadStatus::Ok) << shown.toStdString();
        // The model's rounding, not the Decimal's own that formatNumber itself calls.
        const reference::Value expected = reference::normalized(
            reference::roundedAwayFromZero(reference::fromDecimal(value), places));
        ASSERT_EQ(str(back), reference::text(expected))
            << str(value) << " shown as " << shown.toStdString() << " read as " << str(back);
    }
}

TEST_P(NumberRoundTrip, PlainTextReadsBackExactly) {
    const RegionalSettings settings = settingsFor(GetParam());
    RandomDecimals random(2025);
    for (int i = 0; i < 3000; ++i) {
        const Decimal value = random.next();
        const QString shown = plainText(value, settings);
        Decimal back = Decimal::fromInt(-7);
        ASSERT_EQ(readTyped(shown, settings, back), ReadStatus::Ok) << shown.toStdString();
        ASSERT_EQ(str(back), str(value.normalized())) << shown.toStdString();
        // A copied value pastes back as itself.
        ASSERT_EQ(readPasted(shown, settings, back), ReadStatus::Ok) << shown.toStdString();
        ASSERT_EQ(str(back), str(value.normalized())) << shown.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pinned, NumberRoundTrip, ::testing::ValuesIn(testing::kPinnedLocales),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tallimer
