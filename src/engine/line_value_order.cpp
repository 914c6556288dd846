// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/line_value_order.h"

#include <bit>
#include <cmath>
#include <limits>

namespace tallimer {

namespace {

enum Class : std::uint64_t {
    kBelowRange = 0,
    kNegative = 1,
    kZeroOrPositive = 2,
    kAboveRange = 3,  // and NaN, which no input produces, above everything
};

constexpr int kIntegralBits = 96;
constexpr int kFractionBits = 94;  // 10^28 - 1 < 2^94
constexpr uint128 kIntegralMask = (uint128(1) << kIntegralBits) - 1;
constexpr uint128 kFractionMask = (uint128(1) << kFractionBits) - 1;
constexpr std::uint64_t kLow64 = std::numeric_limits<std::uint64_t>::max();

constexpr std::array<uint128, Decimal::kMaxScale + 1> kPowersOfTen = [] {
    std::array<uint128, Decimal::kMaxScale + 1> powers{};
    uint128 p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// [2 class][96 integral][94 fraction]
LineValueOrderKey pack(std::uint64_t cls, uint128 integral, uint128 fraction) {
    LineValueOrderKey key;
    key.words[0] = (cls << 62) | static_cast<std::uint64_t>(integral >> 34);
    key.words[1] =
        (static_cast<std::uint64_t>(integral) << 30) | static_cast<std::uint64_t>(fraction >> 64);
    key.words[2] = static_cast<std::uint64_t>(fraction & kLow64);
    return key;
}

LineValueOrderKey signedKey(bool negative, uint128 integral, uint128 fraction) {
    if (negative && (integral != 0 || fraction != 0)) {
        // A larger magnitude is a smaller value.
        return pack(kNegative, ~integral & kIntegralMask, ~fraction & kFractionMask);
    }
    return pack(kZeroOrPositive, integral, fraction);
}

// A double beyond the Decimal range: its bits in an order-keeping form after the class.
LineValueOrderKey outOfRangeKey(double d) {
    std::uint64_t cls = kAboveRange;
    std::uint64_t payload = kLow64;  // NaN
    if (!std::isnan(d)) {
        const auto bits = std::bit_cast<std::uint64_t>(d);
        cls = d < 0 ? kBelowRange : kAboveRange;
        payload = d < 0 ? ~bits : bits;
    }
    LineValueOrderKey key;
    key.words = {(cls << 62) | (payload >> 2), payload << 62, 0};
    return key;
}

}  // namespace

LineValueOrderKey LineValueOrderKey::of(const Decimal& value) {
    return ofParts(value.magnitude(), value.scale(), value.isNegative());
}

LineValueOrderKey LineValueOrderKey::ofParts(uint128 magnitude, int scale, bool negative) {
    if (scale == 0 || magnitude == 0) {
        return signedKey(negative, magnitude, 0);
    }
    const uint128 unit = kPowersOfTen[scale];
    uint128 integral = 0;
    uint128 rest = magnitude;
    if (magnitude >= unit) {
        if (magnitude <= kLow64) {
            // The common case: 64-bit division is several times cheaper than 128-bit.
            const auto m = static_cast<std::uint64_t>(magnitude);
            const auto u = static_cast<std::uint64_t>(unit);
            integral = m / u;
            rest = m % u;
        } else {
            integral = magnitude / unit;
            rest = magnitude % unit;
        }
    }
    return signedKey(negative, integral, rest * kPowersOfTen[Decimal::kMaxScale - scale]);
}

LineValueOrderKey LineValueOrderKey::of(const LineValue& value) {
    switch (value.kind()) {
        case LineValue::Kind::Empty:
            return {};
        case LineValue::Kind::Integer: {
            const std::int64_t v = value.integerValue();
            return signedKey(v < 0, static_cast<uint128>(v < 0 ? -v : v), 0);
        }
        case LineValue::Kind::Decimal:
            return ofParts(value.decimalMagnitude(), value.decimalScale(), value.decimalNegative());
        case LineValue::Kind::Double:
            break;
    }
    Decimal converted;
    if (Decimal::fromDouble(value.doubleValue(), converted) == DecStatus::Ok) {
        return of(converted);
    }
    return outOfRangeKey(value.doubleValue());
}

}  // namespace tallimer
