// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace tallimer {

__extension__ typedef unsigned __int128 uint128;

// Outcome of an arithmetic step. Arithmetic never throws and never returns a wrong value:
// a failed step leaves its output untouched and says why.
enum class DecStatus : std::uint8_t { Ok, Overflow, DivideByZero };

// Exact scaled decimal: sign, 96-bit magnitude, scale 0..28; value = magnitude / 10^scale.
// Mirrors the OLE Automation DECIMAL, digit for digit.
class Decimal {
public:
    static constexpr int kMaxScale = 28;
    static constexpr uint128 kMaxMagnitude = (uint128(1) << 96) - 1;

    constexpr Decimal() = default;

    static Decimal fromInt(std::int64_t value);
    // nullopt when the magnitude needs more than 96 bits or the scale is outside 0..28.
    // Inline: line values rebuild their Decimal on every evaluation step.
    static constexpr std::optional<Decimal> fromParts(uint128 magnitude, int scale, bool negative) {
        if (magnitude > kMaxMagnitude || scale < 0 || scale > kMaxScale) {
            return std::nullopt;
        }
        return Decimal(magnitude, scale, negative);
    }
    // Rounds to 15 significant digits first (0.1 becomes exactly 0.1). Overflow for values
    // beyond the range, NaN and infinities; tiny values become 0.
    static DecStatus fromDouble(double value, Decimal& out);

    uint128 magnitude() const { return m_magnitude; }
    int scale() const { return m_scale; }
    bool isNegative() const { return m_negative && m_magnitude != 0; }
    bool isZero() const { return m_magnitude == 0; }
    int signum() const { return isZero() ? 0 : (m_negative ? -1 : 1); }

    double toDouble() const;
    // The magnitude's decimal digits, without sign or decimal point ("0" for zero).
    std::string digits() const;
    // The same digits written to `buffer` (room for kMaxDigits); returns their count.
    static constexpr int kMaxDigits = 29;
    int writeDigits(char* buffer) const;

    // Same value with trailing fractional zeros removed (2.50 -> 2.5, 2.00 -> 2).
    Decimal normalized() const;
    // Rounded half away from zero to at most `places` (0..28) decimals; never overflows.
    Decimal roundedAwayFromZero(int places) const;

    friend DecStatus add(const Decimal& a, const Decimal& b, Decimal& out);
    friend DecStatus subtract(const Decimal& a, const Decimal& b, Decimal& out);
    friend DecStatus multiply(const Decimal& a, const Decimal& b, Decimal& out);
    friend DecStatus divide(const Decimal& a, const Decimal& b, Decimal& out);

    // By value, whatever the scale; 0 equals -0.
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }

private:
    friend struct DecimalAccess;
    constexpr Decimal(uint128 magnitude, int scale, bool negative)
        : m_magnitude(magnitude), m_scale(std::uint8_t(scale)), m_negative(negative) {}

    uint128 m_magnitude = 0;
    std::uint8_t m_scale = 0;
    bool m_negative = false;
};

DecStatus add(const Decimal& a, const Decimal& b, Decimal& out);
DecStatus subtract(const Decimal& a, const Decimal& b, Decimal& out);
DecStatus multiply(const Decimal& a, const Decimal& b, Decimal& out);
DecStatus divide(const Decimal& a, const Decimal& b, Decimal& out);

}  // namespace tallimer
