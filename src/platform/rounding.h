// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tallimer {

// The integer nearest to x, a tie going to the even integer (the default rounding mode).
inline double nearest(double x) {
    return std::nearbyint(x);
}

// Rounds x with nearest() into an integer field; false (and out untouched) when the result
// does not fit, where the original arithmetic would have raised an overflow.
template <typename Int>
bool narrowTo(double x, Int& out) {
    if (!std::isfinite(x)) {
        return false;
    }
    const double r = nearest(x);
    if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
        r > static_cast<double>(std::numeric_limits<Int>::max())) {
        return false;
    }
    out = static_cast<Int>(r);
    return true;
}

// Same for an exact integer result computed in a wider type.
template <typename Int>
bool narrowTo(std::int64_t x, Int& out) {
    if (x < std::numeric_limits<Int>::min() || x > std::numeric_limits<Int>::max()) {
        return false;
    }
    out = static_cast<Int>(x);
    return true;
}

}  // namespace tallimer
