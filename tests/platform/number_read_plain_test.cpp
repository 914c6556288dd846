// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "platform/number_read_plain.h"
#include "platform/number_reader.h"

namespace tallimer {
namespace {

// Whatever the quick reading accepts, the regional reading reads to the same Decimal, digit
// for digit and scale for scale.
void expectSameAsRegional(const std::string& text, const RegionalSettings& settings) {
    Decimal quick;
    if (!readPlainNumber(QByteArrayView(text), settings.decimalSymbol, quick)) {
        return;
    }
    Decimal regional;
    ASSERT_EQ(readTyped(QString::fromStdString(text), settings, regional), ReadStatus::Ok) << text;
    EXPECT_EQ(quick.magnitude(), regional.magnitude()) << text;
    EXPECT_EQ(quick.scale(), regional.scale()) << text;
    EXPECT_EQ(quick.isNegative(), regional.isNegative()) << text;
}

TEST(PlainNumberTest, TakesTheEverydayForms) {
    const RegionalSettings point;
    const RegionalSettings comma{u',', u'.', 3, 3};
    Decimal value;
    for (const char* text : {"12.5", "-3", "1000000.125", "0.05", "1.50", "9999999999999999999"}) {
        EXPECT_TRUE(readPlainNumber(QByteArrayView(text), point.decimalSymbol, value)) << text;
        expectSameAsRegional(text, point);
    }
    EXPECT_TRUE(readPlainNumber(QByteArrayView("-12,25"), comma.decimalSymbol, value));
    expectSameAsRegional("-12,25", comma);
    // Everything else is left to the regional reading.
    for (const char* text : {"", "-", "0", "0.00", "-0", ".5", "5.", "+5", " 5", "5 ", "1,000",
                             "1E3", "(5)", "5-", "12345678901234567890", "1.2.3", "--1"}) {
        EXPECT_FALSE(readPlainNumber(QByteArrayView(text), point.decimalSymbol, value)) << text;
    }
}

TEST(PlainNumberTest, AgreesWithTheRegionalReadingOnRandomText) {
    std::mt19937 random(3);
    const std::string alphabet = "0123456789000.,-";
    for (const RegionalSettings& settings :
         {RegionalSettings{}, RegionalSettings{u',', u'.', 3, 3}}) {
        for (int round = 0; round < 50000; ++round) {
            std::string text;
            const std::size_t length = random() % 24;
            for (std::size_t i = 0; i < length; ++i) {
                text += alphabet[random() % alphabet.size()];
            }
            expectSameAsRegional(text, settings);
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
    }
}

}  // namespace
}  // namespace tallimer
