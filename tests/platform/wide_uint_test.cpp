// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <random>

#include <gtest/gtest.h>

#include "platform/wide_uint.h"

namespace tallimer {
namespace {

// The reciprocal division must agree with the hardware one for every power of ten, at the
// edges of the range as well as at random.
TEST(DividePow10, AgreesWithPlainDivision) {
    std::mt19937_64 rng(5);
    for (int k = 1; k <= 19; ++k) {
        const uint128 d = kPow10Word[std::size_t(k)];
        std::vector<uint128> values = {0,
                                       1,
                                       d - 1,
                                       d,
                                       d + 1,
                                       ~uint128(0),
                                       ~uint128(0) - 1,
                                       (uint128(d) << 64) - 1,
                                       uint128(d - 1) << 64};
        for (int i = 0; i < 20000; ++i) {
            const int bits = 1 + int(rng() % 128);
            const uint128 v = (uint128(rng()) << 64 | rng());
            values.push_back(bits == 128 ? v : v & ((uint128(1) << bits) - 1));
        }
        for (const uint128 v : values) {
            std::uint64_t remainder = 0;
            const uint128 q = dividePow10(v, k, remainder);
            ASSERT_EQ(q, v / d) << "k=" << k;
            ASSERT_EQ(remainder, std::uint64_t(v % d)) << "k=" << k;
        }
    }
}

TEST(WideUInt, ProductAndDivisionRoundTrip) {
    std::mt19937_64 rng(6);
    for (int i = 0; i < 20000; ++i) {
        const uint128 a = uint128(rng()) << 64 | rng();
        const std::uint64_t b = rng();
        WideUInt w = WideUInt::product(a, b);
        WideUInt expected(a);
        ASSERT_TRUE(expected.multiplySmall(b));
        ASSERT_EQ(w, expected);
        // Adding a remainder below 10^19 and dividing it off again gives both back.
        const std::uint64_t r = rng() % kPow10Word[19];
        WideUInt x = WideUInt::product(a, kPow10Word[19]);
        x.add(WideUInt(r));
        ASSERT_EQ(x.dividePow10(19), r);
        ASSERT_EQ(x, WideUInt(a));
    }
}

}  // namespace
}  // namespace tallimer
