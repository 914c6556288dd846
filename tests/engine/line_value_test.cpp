// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <compare>
#include <random>

#include <gtest/gtest.h>

#include "engine/line_value.h"
#include "engine/line_value_order.h"
#include "tape_values.h"
#include "test_names.h"

namespace tallimer {
namespace {

using test::dec;
using test::deDE;
using test::enUS;
using test::val;

struct TextCase {
    const char* name;
    LineValue value;
    RegionalSettings settings;
    QString expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class PlainTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(PlainTextTest, StandardText) {
    EXPECT_EQ(GetParam().value.plainText(GetParam().settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainTextTest,
    ::testing::Values(
        TextCase{"empty line", LineValue(), enUS(), ""},
        TextCase{"integer zero", LineValue::integer(0), enUS(), "0"},
        TextCase{"negative integer", LineValue::integer(-42), enUS(), "-42"},
        TextCase{"trailing zero dropped", val("1.50"), enUS(), "1.5"},
        TextCase{"decimal comma", val("-0.05"), deDE(), "-0,05"},
        TextCase{"negative zero", val("-0.00"), enUS(), "0"},
        TextCase{"double through 15 digits", LineValue::fromDouble(0.1), enUS(), "0.1"},
        TextCase{"third through 15 digits de_DE", LineValue::fromDouble(1.0 / 3.0), deDE(),
                 "0,333333333333333"},
        TextCase{"double sum is 0.3", LineValue::fromDouble(0.1 + 0.2), enUS(), "0.3"},
        TextCase{"whole double", LineValue::fromDouble(-2.0), enUS(), "-2"},
        TextCase{"large double without exponent", LineValue::fromDouble(1e20), enUS(),
                 "100000000000000000000"},
        TextCase{"double beyond the range", LineValue::fromDouble(1e300), enUS(), "1E+300"},
        TextCase{"negative double beyond the range de_DE", LineValue::fromDouble(-1.5e300), deDE(),
                 "-1,5E+300"}),
    test_names::ByName{});

struct OrderCase {
    const char* name;
    LineValue a;
    LineValue b;
    std::partial_ordering expected;
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.name;
}

class OrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderTest, ComparesByValue) {
    const OrderCase& c = GetParam();
    EXPECT_EQ(c.a <=> c.b, c.expected) << c.name;
    // The same the other way round, and the same through the sort keys.
    const std::partial_ordering reversed = 0 <=> c.expected;
    EXPECT_EQ(c.b <=> c.a, reversed) << c.name;
    EXPECT_EQ(LineValueOrderKey::of(c.a) <=> LineValueOrderKey::of(c.b), c.expected) << c.name;
}

const LineValue kHugeDouble = LineValue::fromDouble(1e300);
constexpr auto kLess = std::partial_ordering::less;
constexpr auto kEqual = std::partial_ordering::equivalent;
constexpr auto kGreater = std::partial_ordering::greater;

INSTANTIATE_TEST_SUITE_P(
    Values, OrderTest,
    ::testing::Values(
        OrderCase{"empty is 0", LineValue(), LineValue::integer(0), kEqual},
        OrderCase{"empty is 0.00", LineValue(), val("0.00"), kEqual},
        OrderCase{"zero of any sign", val("-0"), LineValue::fromDouble(-0.0), kEqual},
        OrderCase{"scale does not matter", val("1.5"), val("1.50"), kEqual},
        OrderCase{"double through 15 digits", LineValue::fromDouble(1.5), val("1.50"), kEqual},
        OrderCase{"0.1 + 0.2 is 0.3", LineValue::fromDouble(0.1 + 0.2), val("0.3"), kEqual},
        OrderCase{"integer and decimal", LineValue::integer(2), val("2.5"), kLess},
        OrderCase{"negatives", val("-1.5"), val("-1.25"), kLess},
        OrderCase{"negative below empty", val("-0.5"), LineValue(), kLess},
        OrderCase{"smallest step", val("1.0000000000000000000000000001"), LineValue::integer(1),
                  kGreater},
        OrderCase{"smallest positive", val("0.0000000000000000000000000001"), LineValue(),
                  kGreater},
        OrderCase{"integer part first", val("2.1"), val("10.05"), kLess},
        OrderCase{"huge double above the range", kHugeDouble, val("79228162514264337593543950335"),
                  kGreater},
        OrderCase{"huge negative double", LineValue::fromDouble(-1e300),
                  val("-79228162514264337593543950335"), kLess},
        OrderCase{"huge doubles by value", LineValue::fromDouble(1e299), kHugeDouble, kLess},
        OrderCase{"tiny double is 0", LineValue::fromDouble(1e-30), LineValue(), kEqual}),
    test_names::ByName{});

TEST(LineValueTest, BlankMeansZeroOrEmpty) {
    EXPECT_TRUE(LineValue().isBlank());
    EXPECT_TRUE(LineValue::integer(0).isBlank());
    EXPECT_TRUE(val("0.000").isBlank());
    EXPECT_TRUE(LineValue::fromDouble(-0.0).isBlank());
    EXPECT_FALSE(val("0.0000000000000000000000000001").isBlank());
    EXPECT_FALSE(LineValue::integer(-1).isBlank());
    EXPECT_FALSE(LineValue::fromDouble(1e300).isBlank());
}

TEST(LineValueTest, ToDecimal) {
    Decimal out = dec("5");
    EXPECT_EQ(LineValue().toDecimal(out), DecStatus::Ok);
    EXPECT_TRUE(out.isZero());
    EXPECT_EQ(LineValue::fromDouble(0.1).toDecimal(out), DecStatus::Ok);
    EXPECT_EQ(out, dec("0.1"));
    EXPECT_EQ(LineValue::integer(-3).toDecimal(out), DecStatus::Ok);
    EXPECT_EQ(out, dec("-3"));
    EXPECT_EQ(LineValue::fromDouble(1e300).toDecimal(out), DecStatus::Overflow);
    EXPECT_EQ(out, dec("-3"));
}

// The sort keys order random Decimals of every scale exactly as Decimal's own comparison.
TEST(LineValueTest, SortKeysAgreeWithDecimalOrder) {
    std::mt19937_64 random(7);
    auto randomDecimal = [&random] {
        const int bits = static_cast<int>(random() % 97);
        uint128 magnitude = (uint128(random()) << 64) | random();
        magnitude = bits == 0 ? 0 : magnitude >> (128 - bits);
        const int scale = static_cast<int>(random() % 29);
        return *Decimal::fromParts(magnitude, scale, random() % 2 == 0);
    };
    for (int i = 0; i < 20000; ++i) {
        const Decimal a = randomDecimal();
        // Often the same value at another scale, so equality is exercised too.
        Decimal b = randomDecimal();
        if (i % 3 == 0 && a.scale() < 28 && a.magnitude() <= Decimal::kMaxMagnitude / 10) {
            b = *Decimal::fromParts(a.magnitude() * 10, a.scale() + 1, a.isNegative());
        }
        const std::strong_ordering expected = a <=> b;
        EXPECT_EQ(LineValueOrderKey::of(a) <=> LineValueOrderKey::of(b), expected);
    }
}

}  // namespace
}  // namespace tallimer
