// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <functional>

#include <gtest/gtest.h>

#include "decimal_test_support.h"
#include "test_names.h"

namespace tallimer {
namespace {

using testing::RandomDecimals;
using testing::statusName;
using testing::str;

using FastOp = DecStatus (*)(const Decimal&, const Decimal&, Decimal&);
using ReferenceOp = std::optional<reference::Value> (*)(const reference::Value&,
                                                        const reference::Value&);

struct OpCase {
    const char* name;
    FastOp fast;
    ReferenceOp slow;
    char symbol;
};

void PrintTo(const OpCase& c, std::ostream* os) {
    *os << c.name;
}

class DecimalAgreesWithReference : public ::testing::TestWithParam<OpCase> {};

// Every result, overflow included, matches the digit-string model digit for digit and scale
// for scale.
TEST_P(DecimalAgreesWithReference, OnRandomOperands) {
    const OpCase& op = GetParam();
    RandomDecimals random(0x7a11 + std::uint64_t(op.symbol));
    for (int i = 0; i < 10000; ++i) {
        const Decimal a = random.next();
        const Decimal b = random.next();
        if (op.symbol == '/' && b.isZero()) {
            continue;
        }
        Decimal out = Decimal::fromInt(-7);
        const DecStatus status = op.fast(a, b, out);
        const auto expected = op.slow(reference::fromDecimal(a), reference::fromDecimal(b));
        const std::string what = str(a) + " " + op.symbol + " " + str(b);
        if (!expected) {
            ASSERT_EQ(status, DecStatus::Overflow) << what << " gave " << str(out);
            ASSERT_EQ(str(out), "-7") << what << ": a failed step keeps its output";
        } else {
            ASSERT_EQ(status, DecStatus::Ok) << what << " gave " << statusName(status);
            ASSERT_EQ(str(out), reference::text(*expected)) << what;
            ASSERT_LE(out.magnitude(), Decimal::kMaxMagnitude);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, DecimalAgreesWithReference,
                         ::testing::Values(OpCase{"Add", add, reference::add, '+'},
                                           OpCase{"Subtract", subtract, reference::subtract, '-'},
                                           OpCase{"Multiply", multiply, reference::multiply, 'x'},
                                           OpCase{"Divide", divide, reference::divide, '/'}),
                         test_names::ByName{});

TEST(DecimalCompare, AgreesWithTheSignOfTheDifference) {
    RandomDecimals random(99);
    for (int i = 0; i < 20000; ++i) {
        const Decimal a = random.next();
        const Decimal b = i % 5 == 0 ? a.normalized() : random.next();
        // The exact difference's sign, from the model (it never overflows before rounding).
        const auto ra = reference::fromDecimal(a);
        const auto rb = reference::fromDecimal(b);
        const int scale = std::max(ra.scale, rb.scale);
        const auto ma = reference::shiftUp(ra.magnitude, scale - ra.scale);
        const auto mb = reference::shiftUp(rb.magnitude, scale - rb.scale);
        const int sa = ma == "0" ? 0 : (ra.negative ? -1 : 1);
        const int sb = mb == "0" ? 0 : (rb.negative ? -1 : 1);
        int expected = sa != sb ? (sa < sb ? -1 : 1) : sa * reference::compare(ma, mb);
        const auto order = a <=> b;
        const int actual = order < 0 ? -1 : (order > 0 ? 1 : 0);
        ASSERT_EQ(actual, expected) << str(a) << " <=> " << str(b);
        ASSERT_EQ(a == b, expected == 0);
    }
}

// Quotients whose digits end right at the 96-bit limit, where one more digit may or may not
// fit and rounding up may spill over.
TEST(DecimalDivide, AgreesWithReferenceAtTheTopOfTheRange) {
    std::mt19937_64 rng(4242);
    const uint128 one = uint128(10'000'000'000'000'000'000ULL) * 1'000'000'000ULL;  // 10^28
    for (int i = 0; i < 4000; ++i) {
        const uint128 top = Decimal::kMaxMagnitude - rng() % 200;
        const Decimal a = *Decimal::fromParts(top / (rng() % 2 ? 1 : 7), int(rng() % 29), false);
        const uint128 near = rng() % 2 ? one + rng() % 200 : one - 1 - rng() % 200;
        const Decimal b = *Decimal::fromParts(near, 28, rng() % 2 == 1);
        Decimal out;
        const DecStatus status = divide(a, b, out);
        const auto expected =
            reference::divide(reference::fromDecimal(a), reference::fromDecimal(b));
        const std::string what = str(a) + " / " + str(b);
        if (!expected) {
            ASSERT_EQ(status, DecStatus::Overflow) << what;
        } else {
            ASSERT_EQ(status, DecStatus::Ok) << what;
            ASSERT_EQ(str(out), reference::text(*expected)) << what;
        }
    }
}

uint128 toUInt128(const reference::Digits& digits) {
    uint128 v = 0;
    for (char c : digits) {
        v = v * 10 + uint128(c - '0');
    }
    return v;
}

// Quotients whose last digit, rounded up, would need 2^96: one digit fewer, or Overflow at
// scale 0.
TEST(DecimalDivide, RoundingThatSpillsPastTheLimit) {
    using namespace reference;
    std::mt19937_64 rng(77);
    const Digits max = fromUInt128(Decimal::kMaxMagnitude);
    const Digits twice10e28 = shiftUp("2", 28);
    int spills = 0;
    for (int i = 0; i < 400; ++i) {
        // b = B / 10^28 in (0.1, 1); a = A / 10^sa with A / B just above Max + 0.5.
        const uint128 bMagnitude = uint128(rng() % 9 + 1) * uint128(1'000'000'000'000'000'000ULL) *
                                       uint128(1'000'000'000ULL) +
                                   uint128(rng());
        const Digits B = fromUInt128(bMagnitude);
        Digits A, rest;
        reference::divide(add(multiply(add(add(max, max), "1"), B), subtract(twice10e28, "1")),
                          twice10e28, A, rest);
        if (compare(multiply(A, twice10e28), multiply(add(add(max, max), "2"), B)) >= 0) {
            continue;  // no integer A in range for this B
        }
        ++spills;
        for (int aScale : {0, 1}) {
            const Decimal a = *Decimal::fromParts(toUInt128(A), aScale, false);
            const Decimal b = *Decimal::fromParts(bMagnitude, 28, false);
            Decimal out;
            const DecStatus status = tallimer::divide(a, b, out);
            const auto expected = reference::divide(fromDecimal(a), fromDecimal(b));
            const std::string what = str(a) + " / " + str(b);
            if (!expected) {
                ASSERT_EQ(aScale, 0) << what;
                ASSERT_EQ(status, DecStatus::Overflow) << what;
            } else {
                ASSERT_EQ(aScale, 1) << what;
                ASSERT_EQ(status, DecStatus::Ok) << what;
                ASSERT_EQ(str(out), text(*expected)) << what;
            }
        }
    }
    EXPECT_GT(spills, 50);
}

}  // namespace
}  // namespace tallimer
