// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <cstdint>
#include <optional>

#include <QString>

#include "platform/decimal.h"
#include "platform/regional.h"

namespace tallimer {

// One tape line's value, dynamically typed: empty (never given a value), the integer written
// by the clear command, an exact Decimal (typed, read from a file) or a binary double (paste of
// a record layout). Empty behaves as 0 in every comparison and arithmetic step.
class LineValue {
public:
    enum class Kind : std::uint8_t { Empty, Integer, Decimal, Double };

    LineValue() = default;
    LineValue(const Decimal& value);  // NOLINT: a Decimal is a line value
    static LineValue integer(std::int32_t value);
    static LineValue fromDouble(double value);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    // 0 or empty: a blank line.
    bool isBlank() const;

    // The stored number; each is meaningful only for its own kind.
    std::int32_t integerValue() const { return static_cast<std::int32_t>(m_words[0]); }
    Decimal decimalValue() const;
    double doubleValue() const;
    // A Decimal's parts, read without building the Decimal.
    uint128 decimalMagnitude() const {
        return (uint128(m_words[2]) << 64) | (uint128(m_words[1]) << 32) | uint128(m_words[0]);
    }
    int decimalScale() const { return m_scale; }
    bool decimalNegative() const { return m_negative; }

    // Empty -> 0, integer exactly, double through 15 significant digits.
    DecStatus toDecimal(Decimal& out) const;
    // The same as a value: nullopt when the conversion fails (`status` says why). The hot
    // loops use this form: the Decimal is built in the caller's variable, never copied.
    std::optional<Decimal> asDecimal(DecStatus* status = nullptr) const;

    // The value's standard text: "" for empty, the plain text form of the number otherwise
    // (a double that does not fit a Decimal keeps an exponent, "1E+300").
    QString plainText(const RegionalSettings& settings) const;

    // Numbers by value, empty as 0. A double is taken through 15 significant digits when it
    // fits the Decimal range and by its own value beyond it. (NaN, which no input produces,
    // is ordered above every number.)
    friend std::partial_ordering operator<=>(const LineValue& a, const LineValue& b);
    friend bool operator==(const LineValue& a, const LineValue& b) {
        return (a <=> b) == std::partial_ordering::equivalent;
    }

private:
    // 16 bytes a line, so a long tape stays small and cheap to copy and sort: a Decimal's
    // 96-bit magnitude in three words with its scale and sign, an integer in the first word,
    // or a double's bits in the first two.
    std::uint32_t m_words[3] = {0, 0, 0};
    std::uint8_t m_scale = 0;
    bool m_negative = false;
    Kind m_kind = Kind::Empty;
};

}  // namespace tallimer
