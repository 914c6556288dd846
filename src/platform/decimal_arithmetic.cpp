// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "platform/decimal.h"
#include "platform/decimal_internal.h"

// Addition, subtraction and multiplication: the exact result, then rounded half to even at the
// largest scale that fits (see fitResult).
namespace tallimer {

namespace {

void multiplyPow10(WideUInt& w, int count) {
    while (count > 0) {
        const int step = count < 19 ? count : 19;
        w.multiplySmall(kPow10Word[step]);
        count -= step;
    }
}

// The rare sum whose scaled-up operand needs more than 127 bits.
DecStatus addWide(const Decimal& a, const Decimal& b, bool bNegative, Decimal& out) {
    WideUInt wa(a.magnitude()), wb(b.magnitude());
    const int scale = a.scale() > b.scale() ? a.scale() : b.scale();
    multiplyPow10(wa, scale - a.scale());
    multiplyPow10(wb, scale - b.scale());
    const bool aNegative = a.isNegative();
    bool negative = aNegative;
    if (aNegative == bNegative) {
        wa.add(wb);
    } else if (wa >= wb) {
        wa.subtract(wb);
    } else {
        wb.subtract(wa);
        wa = wb;
        negative = bNegative;
    }
    return fitResult(wa, scale, negative, Tail::Zero, out);
}

DecStatus addSigned(const Decimal& a, const Decimal& b, bool bNegative, Decimal& out) {
    uint128 ma = a.magnitude(), mb = b.magnitude();
    int scale = a.scale();
    if (a.scale() != b.scale()) {
        const bool aLower = a.scale() < b.scale();
        const int diff = std::abs(a.scale() - b.scale());
        uint128& lower = aLower ? ma : mb;
        // Below 2^127 after scaling, so the sum stays below 2^128.
        if (diff > 9 && bitWidth(lower) + kPow10Bits[diff] > 127) {
            return addWide(a, b, bNegative, out);
        }
        lower *= kPow10Wide[diff];
        scale = aLower ? b.scale() : a.scale();
    }
    const bool aNegative = a.isNegative();
    uint128 sum;
    bool negative = aNegative;
    if (aNegative == bNegative) {
        sum = ma + mb;
    } else if (ma >= mb) {
        sum = ma - mb;
    } else {
        sum = mb - ma;
        negative = bNegative;
    }
    if (sum <= Decimal::kMaxMagnitude) {
        out = DecimalAccess::make(sum, scale, negative);
        return DecStatus::Ok;
    }
    return fitNarrow(sum, scale, negative, Tail::Zero, out);
}

}  // namespace

DecStatus add(const Decimal& a, const Decimal& b, Decimal& out) {
    return addSigned(a, b, b.isNegative(), out);
}

DecStatus subtract(const Decimal& a, const Decimal& b, Decimal& out) {
    return addSigned(a, b, !b.isNegative(), out);
}

DecStatus multiply(const Decimal& a, const Decimal& b, Decimal& out) {
    const bool negative = a.isNegative() != b.isNegative();
    const int scale = a.scale() + b.scale();
    const uint128 ma = a.magnitude(), mb = b.magnitude();
    if (((ma | mb) >> 64) == 0) {
        const uint128 product = uint128(std::uint64_t(ma)) * std::uint64_t(mb);
        if (product <= Decimal::kMaxMagnitude && scale <= Decimal::kMaxScale) {
            out = DecimalAccess::make(product, scale, negative);
            return DecStatus::Ok;
        }
        return fitNarrow(product, scale, negative, Tail::Zero, out);
    }
    const WideUInt product = WideUInt::product(ma, mb);
    if (scale <= Decimal::kMaxScale && product.fitsIn128() &&
        product.low128() <= Decimal::kMaxMagnitude) {
        out = DecimalAccess::make(product.low128(), scale, negative);
        return DecStatus::Ok;
    }
    return fitResult(product, scale, negative, Tail::Zero, out);
}

}  // namespace tallimer
