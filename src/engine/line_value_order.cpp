#include "engine/line_value_order.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tallimer {

namespace {

constexpr std::array<uint128, Decimal::kMaxScale + 1> kPowersOfTen = [] {
    std::array<uint128, Decimal::kMaxScale + 1> powers{};
    uint128 p = 1;
    for (auto& power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

LineValueOrderKey signedKey(bool negative, uint128 integral, uint128 fraction) {
    LineValueOrderKey key;
    if (integral == 0 && fraction == 0) {
        return key;
    }
    if (negative) {
        key.cls = LineValueOrderKey::kNegative;
        key.integral = ~integral;
        key.fraction = ~fraction;
    } else {
        key.cls = LineValueOrderKey::kPositive;
        key.integral = integral;
        key.fraction = fraction;
    }
    return key;
}

}  // namespace

LineValueOrderKey LineValueOrderKey::of(const Decimal& value) {
    const uint128 magnitude = value.magnitude();
    const int scale = value.scale();
    if (magnitude == 0) {
        return {};
    }
    if (scale == 0) {
        return signedKey(value.isNegative(), magnitude, 0);
    }
    const uint128 unit = kPowersOfTen[scale];
    const uint128 widen = kPowersOfTen[Decimal::kMaxScale - scale];
    uint128 integral = 0;
    uint128 rest = magnitude;
    if (magnitude >= unit) {
        constexpr uint128 k64 = std::numeric_limits<std::uint64_t>::max();
        if (magnitude <= k64 && unit <= k64) {
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
    return signedKey(value.isNegative(), integral, rest * widen);
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
            return of(value.decimalValue());
        case LineValue::Kind::Double:
            break;
    }
    const double d = value.doubleValue();
    Decimal converted;
    if (Decimal::fromDouble(d, converted) == DecStatus::Ok) {
        return of(converted);
    }
    LineValueOrderKey key;
    if (std::isnan(d)) {
        key.cls = kNotANumber;
    } else {
        key.cls = d < 0 ? kHugeNegative : kHugePositive;
        key.huge = d;
    }
    return key;
}

std::strong_ordering operator<=>(const LineValueOrderKey& a, const LineValueOrderKey& b) {
    if (a.cls != b.cls) {
        return a.cls <=> b.cls;
    }
    switch (a.cls) {
        case LineValueOrderKey::kNegative:
        case LineValueOrderKey::kPositive:
            if (a.integral != b.integral) {
                return a.integral <=> b.integral;
            }
            return a.fraction <=> b.fraction;
        case LineValueOrderKey::kHugeNegative:
        case LineValueOrderKey::kHugePositive:
            // Never NaN here: NaN has its own class.
            return a.huge < b.huge   ? std::strong_ordering::less
                   : b.huge < a.huge ? std::strong_ordering::greater
                                     : std::strong_ordering::equal;
        default:
            return std::strong_ordering::equal;
    }
}

}  // namespace tallimer
