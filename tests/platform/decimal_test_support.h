// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "decimal_reference.h"
#include "platform/decimal.h"

namespace tallimer::testing {

// "-12.50" -> the Decimal with exactly those digits and scale; test data only.
inline Decimal dec(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    uint128 magnitude = 0;
    int scale = -1;
    for (char c : text) {
        if (c == '.') {
            scale = 0;
            continue;
        }
        magnitude = magnitude * 10 + uint128(c - '0');
        if (scale >= 0) {
            ++scale;
        }
    }
    const auto d = Decimal::fromParts(magnitude, scale < 0 ? 0 : scale, negative);
    EXPECT_TRUE(d.has_value()) << text;
    return d.value_or(Decimal());
}

// Every digit of the scale kept: 2.00 reads "2.00".
inline std::string str(const Decimal& d) {
    return reference::text(reference::fromDecimal(d));
}

inline const char* statusName(DecStatus s) {
    switch (s) {
        case DecStatus::Ok:
            return "Ok";
        case DecStatus::Overflow:
            return "Overflow";
        case DecStatus::DivideByZero:
            return "DivideByZero";
    }
    return "?";
}

// Values of every shape: small integers, money amounts, random 1..96-bit magnitudes at any
// scale, values at the top of the range and single digits deep in the fraction.
class RandomDecimals {
public:
    explicit RandomDecimals(std::uint64_t seed) : m_rng(seed) {}

    Decimal next() {
        const bool negative = m_rng() % 2 == 1;
        uint128 magnitude = 0;
        int scale = 0;
        switch (m_rng() % 8) {
            case 0:
                magnitude = m_rng() % 1000;
                break;
            case 1:
                magnitude = m_rng() % 1000000000;
                scale = int(m_rng() % 5);
                break;
            case 6:
                magnitude = Decimal::kMaxMagnitude - m_rng() % 1000;
                scale = int(m_rng() % 29);
                break;
            case 7:
                magnitude = 1 + m_rng() % 9;
                scale = int(m_rng() % 29);
                break;
            default: {
                const int bits = 1 + int(m_rng() % 96);
                magnitude = (uint128(m_rng()) << 64 | m_rng()) & ((uint128(1) << bits) - 1);
                scale = int(m_rng() % 29);
                break;
            }
        }
        return *Decimal::fromParts(magnitude, scale, negative);
    }

    std::mt19937_64& engine() { return m_rng; }

private:
    std::mt19937_64 m_rng;
};

}  // namespace tallimer::testing
