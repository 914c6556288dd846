// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bit>
#include <compare>
#include <cstdint>

#include "platform/decimal.h"

namespace tallimer {

// (high:low) / divisor for high < divisor, so the quotient fits one word.
inline std::uint64_t divideWord(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                                std::uint64_t& remainder) {
#if defined(__x86_64__)
    std::uint64_t quotient;
    __asm__("divq %[d]" : "=a"(quotient), "=d"(remainder) : [d] "rm"(divisor), "a"(low), "d"(high));
    return quotient;
#else
    const uint128 n = (uint128(high) << 64) | low;
    remainder = std::uint64_t(n % divisor);
    return std::uint64_t(n / divisor);
#endif
}

inline constexpr std::array<std::uint64_t, 20> kPow10Word = [] {
    std::array<std::uint64_t, 20> t{};
    std::uint64_t p = 1;
    for (auto& v : t) {
        v = p;
        p *= 10;
    }
    return t;
}();

// Division by 10^k (k = 1..19) through a precomputed reciprocal of the normalized divisor
// (Moeller and Granlund, "Improved division by invariant integers"): two multiplications
// instead of a hardware divide.
struct Pow10Divisor {
    std::uint64_t normalized = 0;  // 10^k shifted left until its top bit is set
    std::uint64_t reciprocal = 0;  // floor((2^128 - 1) / normalized) - 2^64
    int shift = 0;
};

inline constexpr std::array<Pow10Divisor, 20> kPow10Divisors = [] {
    std::array<Pow10Divisor, 20> t{};
    for (std::size_t k = 1; k < t.size(); ++k) {
        const int shift = std::countl_zero(kPow10Word[k]);
        const std::uint64_t normalized = kPow10Word[k] << shift;
        t[k] = {normalized, std::uint64_t(~uint128(0) / normalized - (uint128(1) << 64)), shift};
    }
    return t;
}();

// (high:low) / 10^k for high < 10^k.
inline std::uint64_t dividePow10(std::uint64_t high, std::uint64_t low, int k,
                                 std::uint64_t& remainder) {
    const Pow10Divisor& d = kPow10Divisors[std::size_t(k)];
    std::uint64_t u1 = high, u0 = low;
    if (d.shift != 0) {
        u1 = (high << d.shift) | (low >> (64 - d.shift));
        u0 = low << d.shift;
    }
    const uint128 p = uint128(d.reciprocal) * u1 + ((uint128(u1) << 64) | u0);
    std::uint64_t q = std::uint64_t(p >> 64) + 1;
    std::uint64_t r = u0 - q * d.normalized;
    if (r > std::uint64_t(p)) {
        --q;
        r += d.normalized;
    }
    if (r >= d.normalized) {
        ++q;
        r -= d.normalized;
    }
    remainder = r >> d.shift;
    return q;
}

// Any 128-bit value divided by 10^k (k = 1..19).
inline uint128 dividePow10(uint128 value, int k, std::uint64_t& remainder) {
    std::uint64_t high = std::uint64_t(value >> 64);
    std::uint64_t highQuotient = 0;
    if (high >= kPow10Word[std::size_t(k)]) {
        highQuotient = dividePow10(0, high, k, high);
    }
    const std::uint64_t lowQuotient = dividePow10(high, std::uint64_t(value), k, remainder);
    return (uint128(highQuotient) << 64) | lowQuotient;
}

// Unsigned 192-bit integer for the exact intermediates of decimal arithmetic: a 96-bit
// magnitude scaled up by 10^28, or the product of two magnitudes.
class WideUInt {
public:
    constexpr WideUInt() = default;
    explicit constexpr WideUInt(uint128 value)
        : m_limb{std::uint64_t(value), std::uint64_t(value >> 64), 0} {}

    // Exact product of two values below 2^96.
    static WideUInt product(uint128 a, uint128 b) {
        const std::uint64_t a0 = std::uint64_t(a), a1 = std::uint64_t(a >> 64);
        const std::uint64_t b0 = std::uint64_t(b), b1 = std::uint64_t(b >> 64);
        const uint128 low = uint128(a0) * b0;
        // a1 and b1 are below 2^32, so the cross terms and their sum stay below 2^97.
        const uint128 middle = uint128(a0) * b1 + uint128(a1) * b0 + (low >> 64);
        WideUInt r;
        r.m_limb[0] = std::uint64_t(low);
        r.m_limb[1] = std::uint64_t(middle);
        r.m_limb[2] = std::uint64_t(middle >> 64) + a1 * b1;
        return r;
    }

    bool isZero() const { return (m_limb[0] | m_limb[1] | m_limb[2]) == 0; }
    bool isOdd() const { return (m_limb[0] & 1) != 0; }
    bool fitsIn128() const { return m_limb[2] == 0; }
    uint128 low128() const { return (uint128(m_limb[1]) << 64) | m_limb[0]; }

    int bitLength() const {
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (m_limb[i] != 0) {
                return 64 * i + std::bit_width(m_limb[i]);
            }
        }
        return 0;
    }

    // *this *= factor; false when the result needs more than 192 bits.
    bool multiplySmall(std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : m_limb) {
            const uint128 p = uint128(limb) * factor + carry;
            limb = std::uint64_t(p);
            carry = std::uint64_t(p >> 64);
        }
        return carry == 0;
    }

    void add(const WideUInt& other) {
        std::uint64_t carry = 0;
        for (int i = 0; i < kLimbs; ++i) {
            const uint128 s = uint128(m_limb[i]) + other.m_limb[i] + carry;
            m_limb[i] = std::uint64_t(s);
            carry = std::uint64_t(s >> 64);
        }
    }

    // Requires *this >= other.
    void subtract(const WideUInt& other) {
        std::uint64_t borrow = 0;
        for (int i = 0; i < kLimbs; ++i) {
            const std::uint64_t x = m_limb[i], y = other.m_limb[i];
            const std::uint64_t d = x - y - borrow;
            borrow = (x < y || (x == y && borrow)) ? 1 : 0;
            m_limb[i] = d;
        }
    }

    // *this /= 10^k (k = 1..19); returns the remainder.
    std::uint64_t dividePow10(int k) {
        std::uint64_t rem = 0;
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (rem == 0 && m_limb[i] < kPow10Word[std::size_t(k)]) {
                rem = m_limb[i];
                m_limb[i] = 0;
                continue;
            }
            m_limb[i] = tallimer::dividePow10(rem, m_limb[i], k, rem);
        }
        return rem;
    }

    friend std::strong_ordering operator<=>(const WideUInt& a, const WideUInt& b) {
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (a.m_limb[i] != b.m_limb[i]) {
                return a.m_limb[i] <=> b.m_limb[i];
            }
        }
        return std::strong_ordering::equal;
    }
    friend bool operator==(const WideUInt& a, const WideUInt& b) = default;

private:
    static constexpr int kLimbs = 3;
    std::array<std::uint64_t, kLimbs> m_limb{};
};

}  // namespace tallimer
