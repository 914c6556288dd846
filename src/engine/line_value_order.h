// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <compare>
#include <cstdint>

#include "engine/line_value.h"

namespace tallimer {

// A line value reduced to a cheap, exact sort key: 192 bits compared as one unsigned number.
// Equal values give equal keys whatever their kind or scale, so sorting many values converts
// each one once and then compares plain words.
//
// Layout, from the top: 2 bits of class (a double below the Decimal range, a negative
// Decimal, zero or a positive Decimal, a double above the range or NaN), then for Decimals the
// 96-bit integer part and the fraction scaled to 28 digits (94 bits), both inverted for
// negatives; for doubles beyond the range, their bits in an order-keeping form.
struct LineValueOrderKey {
    std::array<std::uint64_t, 3> words{kZeroTop, 0, 0};

    static constexpr std::uint64_t kZeroTop = std::uint64_t{2} << 62;

    static LineValueOrderKey of(const LineValue& value);
    // Of a number that fits the Decimal range.
    static LineValueOrderKey of(const Decimal& value);
    static LineValueOrderKey ofParts(uint128 magnitude, int scale, bool negative);

    bool isZero() const { return *this == LineValueOrderKey{}; }
    bool isPositive() const { return *this > LineValueOrderKey{}; }

    friend bool operator==(const LineValueOrderKey&, const LineValueOrderKey&) = default;
    // Written out word by word: sorting calls this in its inner loop.
    friend std::strong_ordering operator<=>(const LineValueOrderKey& a,
                                            const LineValueOrderKey& b) {
        if (a.words[0] != b.words[0]) {
            return a.words[0] <=> b.words[0];
        }
        if (a.words[1] != b.words[1]) {
            return a.words[1] <=> b.words[1];
        }
        return a.words[2] <=> b.words[2];
    }
};

}  // namespace tallimer
