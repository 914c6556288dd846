// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "platform/decimal.h"
#include "platform/wide_uint.h"

// Shared by the platform sources only; not part of the platform interface.
namespace tallimer {

// One more digit of a written exponent. Past the cap, far beyond any exponent that can
// matter, further digits are dropped, so the value never overflows an int.
inline constexpr int kExponentCap = 100000;
constexpr int exponentWithDigit(int value, int digit) {
    return value < kExponentCap ? value * 10 + digit : value;
}

inline constexpr std::array<uint128, 39> kPow10Wide = [] {
    std::array<uint128, 39> t{};
    uint128 p = 1;
    for (auto& v : t) {
        v = p;
        p *= 10;
    }
    return t;
}();

// Bits of 10^n, for n up to 28.
inline constexpr std::array<int, 29> kPow10Bits = [] {
    std::array<int, 29> t{};
    for (std::size_t n = 0; n < t.size(); ++n) {
        int bits = 0;
        for (uint128 v = kPow10Wide[n]; v != 0; v >>= 1) {
            ++bits;
        }
        t[n] = bits;
    }
    return t;
}();

inline int bitWidth(uint128 v) {
    const std::uint64_t high = std::uint64_t(v >> 64);
    return high != 0 ? 64 + int(std::bit_width(high)) : int(std::bit_width(std::uint64_t(v)));
}

// The part of an exact value below the last kept digit, against half a unit of that digit.
// `Below` also stands for "some unknown non-zero part" before any digit has been dropped.
enum class Tail : std::uint8_t { Zero, Below, Half, Above };

inline bool roundsUpHalfEven(Tail tail, bool odd) {
    return tail == Tail::Above || (tail == Tail::Half && odd);
}

// Folds the remainder of a division by 10^step into the tail (the lower digits come first,
// so an earlier tail only counts as zero or non-zero).
inline Tail foldRemainder(std::uint64_t remainder, int step, Tail tail) {
    const std::uint64_t half = kPow10Word[step] / 2;
    if (remainder > half) {
        return Tail::Above;
    }
    if (remainder < half) {
        return (remainder != 0 || tail != Tail::Zero) ? Tail::Below : Tail::Zero;
    }
    return tail == Tail::Zero ? Tail::Half : Tail::Above;
}

// Divides by 10^count, folding the dropped digits into the tail.
inline Tail dropDigits(WideUInt& w, int count, Tail tail) {
    while (count > 0) {
        if (w.isZero()) {
            return tail == Tail::Zero ? Tail::Zero : Tail::Below;
        }
        const int step = count < 19 ? count : 19;
        tail = foldRemainder(w.dividePow10(step), step, tail);
        count -= step;
    }
    return tail;
}

inline Tail dropDigits(uint128& v, int count, Tail tail) {
    while (count > 0) {
        if (v == 0) {
            return tail == Tail::Zero ? Tail::Zero : Tail::Below;
        }
        const int step = count < 19 ? count : 19;
        std::uint64_t remainder;
        v = dividePow10(v, step, remainder);
        tail = foldRemainder(remainder, step, tail);
        count -= step;
    }
    return tail;
}

struct DecimalAccess {
    static constexpr Decimal make(uint128 magnitude, int scale, bool negative) {
        return Decimal(magnitude, scale, negative);
    }
};

// The exact value (w + tail) / 10^scale (scale >= 0, may exceed 28) rounded half to even at the
// largest scale <= 28 whose magnitude fits 96 bits. Overflow when even scale 0 does not fit.
DecStatus fitResult(const WideUInt& w, int scale, bool negative, Tail tail, Decimal& out);
// The same for a value below 2^128.
DecStatus fitNarrow(uint128 q, int scale, bool negative, Tail tail, Decimal& out);

// Rounds the kept digits q (q <= the largest magnitude) half to even by the tail of the exact
// value. Where rounding up would leave 96 bits, keeps one digit fewer: Overflow at scale 0.
inline DecStatus roundKeptDigits(uint128& q, int& scale, Tail tail) {
    if (!roundsUpHalfEven(tail, (q & 1) != 0)) {
        return DecStatus::Ok;
    }
    if (q != Decimal::kMaxMagnitude) {
        ++q;
        return DecStatus::Ok;
    }
    // Rounding up leaves 96 bits: one digit fewer, rounded from the exact value.
    if (scale == 0) {
        return DecStatus::Overflow;
    }
    std::uint64_t digit;
    q = dividePow10(q, 1, digit) + (digit >= 5 ? 1 : 0);
    --scale;
    return DecStatus::Ok;
}

// Removes trailing fractional zeros from (magnitude, scale).
void stripTrailingZeros(uint128& magnitude, int& scale);

}  // namespace tallimer
