// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "decimal_test_support.h"
#include "locales.h"
#include "platform/number_text.h"
#include "test_names.h"

namespace tallimer {
namespace {

using testing::dec;
using testing::settingsFor;

struct FormatCase {
    const char* locale;
    const char* value;
    int places;
    const char16_t* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.locale << ' ' << c.value << " places " << c.places;
}

std::string formatName(const ::testing::TestParamInfo<FormatCase>& info) {
    const FormatCase& c = info.param;
    return std::string(c.locale) + '_' + test_names::fromInput(std::string_view(c.value)) +
           "_places_" + std::to_string(c.places);
}

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, FollowsTheRule) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(dec(c.value), c.places, settingsFor(c.locale)),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatNumber,
    ::testing::Values(
        FormatCase{"en_US", "0.5", 2, u".50"}, FormatCase{"en_US", "-1234.5", 2, u"(1,234.50)"},
        FormatCase{"en_US", "2.5", 0, u"3"}, FormatCase{"en_US", "-2.5", 0, u"(3)"},
        FormatCase{"en_US", "0", 0, u"0"}, FormatCase{"en_US", "0.4", 0, u"0"},
        FormatCase{"en_US", "0", 2, u".00"}, FormatCase{"en_US", "-0.001", 2, u".00"},
        FormatCase{"en_US", "-0.4", 0, u"0"}, FormatCase{"en_US", "-0.005", 2, u"(.01)"},
        FormatCase{"en_US", "0.05", 1, u".1"}, FormatCase{"en_US", "0.0004", 3, u".000"},
        FormatCase{"en_US", "0.0005", 3, u".001"}, FormatCase{"en_US", "999.995", 2, u"1,000.00"},
        FormatCase{"en_US", "1234567.891", 1, u"1,234,567.9"},
        FormatCase{"en_US", "123", 3, u"123.000"}, FormatCase{"en_US", "100", 0, u"100"},
        FormatCase{"en_US", "1000", 0, u"1,000"}, FormatCase{"en_US", "-100000", 0, u"(100,000)"},
        FormatCase{"en_US", "1.00", 6, u"1.000000"},
        FormatCase{"en_US", "79228162514264337593543950335", 6,
                   u"79,228,162,514,264,337,593,543,950,335.000000"},
        FormatCase{"en_US", "7.9228162514264337593543950335", 6, u"7.922816"},
        FormatCase{"en_US", "0.3333333333333333333333333333", 25,
                   u"0.3333333333333333333333333333"},
        FormatCase{"en_US", "-1.50", 7, u"-1.5"}, FormatCase{"de_DE", "0.5", 2, u",50"},
        FormatCase{"de_DE", "-1234.5", 2, u"(1.234,50)"},
        FormatCase{"de_DE", "-1234.5", 25, u"-1234,5"},
        FormatCase{"fr_FR", "1234567.25", 2, u"1\u202f234\u202f567,25"},
        FormatCase{"de_CH", "1234567.25", 2, u"1\u2019234\u2019567.25"},
        FormatCase{"en_IN", "1234567.25", 2, u"12,34,567.25"},
        FormatCase{"en_IN", "123456789012", 0, u"1,23,45,67,89,012"},
        FormatCase{"en_IN", "-100000", 1, u"(1,00,000.0)"},
        FormatCase{"en_IN", "1000", 0, u"1,000"}),
    formatName);

TEST(FormatNumber, WithoutGroupingSizesWritesNoGroups) {
    RegionalSettings s;
    s.primaryGroup = 0;
    EXPECT_EQ(formatNumber(dec("1234567.5"), 1, s), "1234567.5");
}

struct PlainCase {
    const char* locale;
    const char* value;
    const char* expected;
};

void PrintTo(const PlainCase& c, std::ostream* os) {
    *os << c.locale << ' ' << c.value;
}

class PlainText : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainText, IsTheValueAsItIs) {
    const PlainCase& c = GetParam();
    EXPECT_EQ(plainText(dec(c.value), settingsFor(c.locale)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlainText,
    ::testing::Values(
        PlainCase{"en_US", "1.50", "1.5"}, PlainCase{"en_US", "2.00", "2"},
        PlainCase{"en_US", "-0.5", "-0.5"}, PlainCase{"en_US", "0", "0"},
        PlainCase{"en_US", "-0.00", "0"}, PlainCase{"en_US", "1234567", "1234567"},
        PlainCase{"en_US", "100", "100"},
        PlainCase{"en_US", "0.3333333333333333333333333333", "0.3333333333333333333333333333"},
        PlainCase{"en_US", "0.0000000000000000000000000001", "0.0000000000000000000000000001"},
        PlainCase{"en_US", "-79228162514264337593543950335", "-79228162514264337593543950335"},
        PlainCase{"en_US", "7.9228162514264337593543950335", "7.9228162514264337593543950335"},
        PlainCase{"de_DE", "-1234.5", "-1234,5"}, PlainCase{"fr_FR", "0.25", "0,25"}),
    [](const auto& info) {
        return std::string(info.param.locale) + '_' +
               test_names::fromInput(std::string_view(info.param.value));
    });

}  // namespace
}  // namespace tallimer
