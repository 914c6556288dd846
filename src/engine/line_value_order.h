#pragma once

#include <compare>
#include <cstdint>

#include "engine/line_value.h"

namespace tallimer {

// A line value reduced to a cheap, exact sort key: the value's class (negative, zero,
// positive, or a double beyond the Decimal range) and, for Decimals, the integer part and the
// fraction scaled to 28 digits. Keys compare in the order of the values, equal values giving
// equal keys whatever their kind or scale, so sorting many values converts each one once.
struct LineValueOrderKey {
    enum Class : std::int8_t {
        kHugeNegative = 0,  // a double below the Decimal range, ordered by `huge`
        kNegative = 1,      // integral and fraction stored bit-inverted: larger means smaller
        kZero = 2,
        kPositive = 3,
        kHugePositive = 4,  // a double above the Decimal range, ordered by `huge`
        kNotANumber = 5,    // never produced by typing, files or paste; sorts above all
    };

    Class cls = kZero;
    uint128 integral = 0;
    uint128 fraction = 0;  // fraction x 10^28
    double huge = 0.0;

    static LineValueOrderKey of(const LineValue& value);
    // Of a number that fits the Decimal range.
    static LineValueOrderKey of(const Decimal& value);

    friend std::strong_ordering operator<=>(const LineValueOrderKey& a, const LineValueOrderKey& b);
    friend bool operator==(const LineValueOrderKey& a, const LineValueOrderKey& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }
};

}  // namespace tallimer
