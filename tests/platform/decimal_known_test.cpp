// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "decimal_test_support.h"
#include "test_names.h"

namespace tallimer {
namespace {

using testing::dec;
using testing::statusName;
using testing::str;

const char* const kMax = "79228162514264337593543950335";

struct KnownCase {
    const char* a;
    char op;
    const char* b;
    DecStatus status;
    const char* result;  // every digit of the result's scale
};

void PrintTo(const KnownCase& c, std::ostream* os) {
    *os << c.a << ' ' << c.op << ' ' << c.b;
}

std::string knownName(const ::testing::TestParamInfo<KnownCase>& info) {
    const KnownCase& c = info.param;
    return test_names::fromInput(std::string_view(c.a)) + '_' +
           test_names::fromInput(std::string_view(&c.op, 1)) + '_' +
           test_names::fromInput(std::string_view(c.b));
}

DecStatus apply(const Decimal& a, char op, const Decimal& b, Decimal& out) {
    switch (op) {
        case '+':
            return add(a, b, out);
        case '-':
            return subtract(a, b, out);
        case 'x':
            return multiply(a, b, out);
        default:
            return divide(a, b, out);
    }
}

class DecimalKnownResults : public ::testing::TestWithParam<KnownCase> {};

TEST_P(DecimalKnownResults, MatchTheTable) {
    const KnownCase& c = GetParam();
    Decimal out = dec("-7");
    const DecStatus status = apply(dec(c.a), c.op, dec(c.b), out);
    EXPECT_EQ(status, c.status) << statusName(status);
    EXPECT_EQ(str(out), c.status == DecStatus::Ok ? c.result : "-7");
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalKnownResults,
    ::testing::Values(
        // Sums keep the larger scale, exactly.
        KnownCase{"1.00", '+', "1", DecStatus::Ok, "2.00"},
        KnownCase{"0.1", '+', "0.2", DecStatus::Ok, "0.3"},
        KnownCase{"1", '-', "1.000", DecStatus::Ok, "0.000"},
        KnownCase{"-5", '+', "2.5", DecStatus::Ok, "-2.5"},
        // At the top of the range the scale gives way, half to even.
        KnownCase{kMax, '+', "0.123456", DecStatus::Ok, kMax},
        KnownCase{kMax, '+', "1.23456", DecStatus::Overflow, ""},
        KnownCase{kMax, '+', "0.5", DecStatus::Overflow, ""},
        KnownCase{"79228162514264337593543950334", '+', "0.5", DecStatus::Ok,
                  "79228162514264337593543950334"},
        KnownCase{"79228162514264337593543950334", '+', "0.5000000000000000000000000001",
                  DecStatus::Ok, kMax},
        KnownCase{"-79228162514264337593543950335", '-', "1", DecStatus::Overflow, ""},
        KnownCase{kMax, '-', kMax, DecStatus::Ok, "0"},
        // 33.55 would round to 33.6, which no longer fits: rounded once, at scale 0.
        KnownCase{"7922816251426433759354395033.5", '+', "0.05", DecStatus::Ok,
                  "7922816251426433759354395034"},
        KnownCase{"1", '+', "0.0000000000000000000000000001", DecStatus::Ok,
                  "1.0000000000000000000000000001"},
        KnownCase{"10", '+', "0.0000000000000000000000000005", DecStatus::Ok,
                  "10.000000000000000000000000000"},
        KnownCase{"10", '+', "0.0000000000000000000000000015", DecStatus::Ok,
                  "10.000000000000000000000000002"},
        // Products: scale s1 + s2, reduced only when needed.
        KnownCase{"0.0005", 'x', "0.002", DecStatus::Ok, "0.0000010"},
        KnownCase{"1.5", 'x', "-2", DecStatus::Ok, "-3.0"},
        KnownCase{"0.0000000000000000000000000001", 'x', "0.0000000000000000000000000001",
                  DecStatus::Ok, "0.0000000000000000000000000000"},
        KnownCase{"0.0000000000000000000000000001", 'x', "0.5", DecStatus::Ok,
                  "0.0000000000000000000000000000"},
        KnownCase{"0.0000000000000000000000000003", 'x', "0.5", DecStatus::Ok,
                  "0.0000000000000000000000000002"},
        KnownCase{kMax, 'x', "2", DecStatus::Overflow, ""},
        KnownCase{kMax, 'x', "1.0", DecStatus::Ok, kMax},
        KnownCase{kMax, 'x', "0.1", DecStatus::Ok, "7922816251426433759354395033.5"},
        KnownCase{"0.3333333333333333333333333333", 'x', "3", DecStatus::Ok,
                  "0.9999999999999999999999999999"},
        KnownCase{"0.3333333333333333333333333333", 'x', "0.3333333333333333333333333333",
                  DecStatus::Ok, "0.1111111111111111111111111111"},
        KnownCase{"281474976710656", 'x', "281474976710656", DecStatus::Overflow, ""},
        // Quotients: as many digits as fit, then trailing zeros go.
        KnownCase{"1", '/', "3", DecStatus::Ok, "0.3333333333333333333333333333"},
        KnownCase{"2", '/', "3", DecStatus::Ok, "0.6666666666666666666666666667"},
        KnownCase{"1", '/', "0.3", DecStatus::Ok, "3.3333333333333333333333333333"},
        KnownCase{"9", '/', "1.1", DecStatus::Ok, "8.181818181818181818181818182"},
        KnownCase{"1", '/', "7", DecStatus::Ok, "0.1428571428571428571428571429"},
        KnownCase{"-1", '/', "3", DecStatus::Ok, "-0.3333333333333333333333333333"},
        KnownCase{"1", '/', "4", DecStatus::Ok, "0.25"},
        KnownCase{"6", '/', "2", DecStatus::Ok, "3"},
        KnownCase{"6.0", '/', "2", DecStatus::Ok, "3"},
        KnownCase{"10", '/', "4", DecStatus::Ok, "2.5"},
        KnownCase{"1", '/', "0.01", DecStatus::Ok, "100"},
        KnownCase{"0", '/', "5", DecStatus::Ok, "0"},
        KnownCase{kMax, '/', "1", DecStatus::Ok, kMax},
        KnownCase{kMax, '/', "-1.0", DecStatus::Ok, "-79228162514264337593543950335"},
        KnownCase{kMax, '/', "0.1", DecStatus::Overflow, ""},
        KnownCase{kMax, '/', "0.9999999999999999999999999999", DecStatus::Overflow, ""},
        KnownCase{"1", '/', kMax, DecStatus::Ok, "0"},
        KnownCase{"1", '/', "0", DecStatus::DivideByZero, ""},
        KnownCase{"0", '/', "0.00", DecStatus::DivideByZero, ""}),
    knownName);

struct DoubleCase {
    double value;
    DecStatus status;
    const char* result;
};

void PrintTo(const DoubleCase& c, std::ostream* os) {
    *os << c.value;
}

class DecimalFromDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DecimalFromDouble, GoesThroughFifteenDigits) {
    const DoubleCase& c = GetParam();
    Decimal out = dec("-7");
    EXPECT_EQ(Decimal::fromDouble(c.value, out), c.status);
    EXPECT_EQ(str(out), c.status == DecStatus::Ok ? c.result : "-7");
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalFromDouble,
    ::testing::Values(DoubleCase{0.1, DecStatus::Ok, "0.1"},
                      DoubleCase{1 / 3.0, DecStatus::Ok, "0.333333333333333"},
                      DoubleCase{-2.5, DecStatus::Ok, "-2.5"}, DoubleCase{0.0, DecStatus::Ok, "0"},
                      DoubleCase{-0.0, DecStatus::Ok, "0"},
                      DoubleCase{123456789012345678.0, DecStatus::Ok, "123456789012346000"},
                      DoubleCase{1e-30, DecStatus::Ok, "0.0000000000000000000000000000"},
                      DoubleCase{1.5e-28, DecStatus::Ok, "0.0000000000000000000000000002"},
                      DoubleCase{2.5e-28, DecStatus::Ok, "0.0000000000000000000000000002"},
                      DoubleCase{1.23456789e-20, DecStatus::Ok, "0.0000000000000000000123456789"},
                      DoubleCase{79228162514264337593543950336.0, DecStatus::Ok,
                                 "79228162514264300000000000000"},
                      DoubleCase{1e29, DecStatus::Overflow, ""},
                      DoubleCase{1e300, DecStatus::Overflow, ""},
                      DoubleCase{std::numeric_limits<double>::infinity(), DecStatus::Overflow, ""},
                      DoubleCase{std::nan(""), DecStatus::Overflow, ""}),
    [](const auto& info) { return test_names::fromInput(::testing::PrintToString(info.param)); });

TEST(DecimalToDouble, IsTheNearestDouble) {
    EXPECT_EQ(dec("0.1").toDouble(), 0.1);
    EXPECT_EQ(dec("-2.5").toDouble(), -2.5);
    EXPECT_EQ(dec("0.3333333333333333333333333333").toDouble(), 1 / 3.0);
    EXPECT_EQ(dec(kMax).toDouble(), 79228162514264337593543950335.0);
    EXPECT_EQ(dec("1234567.8901234567890123456789").toDouble(), 1234567.8901234567890123456789);
}

struct RoundCase {
    const char* value;
    int places;
    const char* result;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.value << " places " << c.places;
}

class DecimalRoundedAwayFromZero : public ::testing::TestWithParam<RoundCase> {};

TEST_P(DecimalRoundedAwayFromZero, RoundsHalvesOutwards) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(str(dec(c.value).roundedAwayFromZero(c.places)), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalRoundedAwayFromZero,
    ::testing::Values(RoundCase{"2.5", 0, "3"}, RoundCase{"-2.5", 0, "-3"},
                      RoundCase{"2.45", 1, "2.5"}, RoundCase{"1.005", 2, "1.01"},
                      RoundCase{"0.4", 0, "0"}, RoundCase{"-0.004", 2, "0.00"},
                      RoundCase{"1.5", 3, "1.5"},
                      RoundCase{"7922816251426433759354395033.5", 0,
                                "7922816251426433759354395034"},
                      RoundCase{"7.9228162514264337593543950335", 6, "7.922816"}),
    [](const auto& info) {
        return test_names::fromInput(std::string_view(info.param.value)) + "_places_" +
               std::to_string(info.param.places);
    });

TEST(DecimalCompare, IsByValue) {
    EXPECT_EQ(dec("1.0"), dec("1"));
    EXPECT_EQ(dec("0"), dec("-0.00"));
    EXPECT_LT(dec("-1"), dec("0.5"));
    EXPECT_LT(dec("-2"), dec("-1.5"));
    EXPECT_GT(dec("0.0000000000000000000000000001"), dec("0"));
    EXPECT_LT(dec("7.9228162514264337593543950335"), dec(kMax));
    EXPECT_GT(dec(kMax), dec("7922816251426433759354395033.5"));
}

TEST(DecimalParts, DigitsAndLimits) {
    EXPECT_EQ(dec(kMax).digits(), kMax);
    EXPECT_EQ(dec("0.000").digits(), "0");
    EXPECT_EQ(dec("18446744073709551616").digits(), "18446744073709551616");
    EXPECT_EQ(Decimal::fromInt(std::numeric_limits<std::int64_t>::min()).digits(),
              "9223372036854775808");
    EXPECT_TRUE(Decimal::fromInt(-1).isNegative());
    EXPECT_FALSE(Decimal::fromParts(Decimal::kMaxMagnitude + 1, 0, false).has_value());
    EXPECT_FALSE(Decimal::fromParts(1, 29, false).has_value());
    EXPECT_FALSE(Decimal::fromParts(1, -1, false).has_value());
    EXPECT_EQ(str(dec("-2.500").normalized()), "-2.5");
    EXPECT_EQ(str(dec("2.00").normalized()), "2");
    EXPECT_EQ(str(dec("100").normalized()), "100");
}

}  // namespace
}  // namespace tallimer
