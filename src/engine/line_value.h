#pragma once

#include <compare>
#include <cstdint>
#include <variant>

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
    LineValue(const Decimal& value) : m_value(value) {}  // NOLINT: a Decimal is a line value
    static LineValue integer(std::int32_t value) { return LineValue(Storage(value)); }
    static LineValue fromDouble(double value) { return LineValue(Storage(value)); }

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    // 0 or empty: a blank line.
    bool isBlank() const;

    // The stored number; each is valid only for its own kind.
    std::int32_t integerValue() const { return std::get<std::int32_t>(m_value); }
    const Decimal& decimalValue() const { return std::get<Decimal>(m_value); }
    double doubleValue() const { return std::get<double>(m_value); }

    // Empty -> 0, integer exactly, double through 15 significant digits.
    DecStatus toDecimal(Decimal& out) const;

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
    using Storage = std::variant<std::monostate, std::int32_t, Decimal, double>;
    explicit LineValue(Storage value) : m_value(value) {}
    Storage m_value;
};

}  // namespace tallimer
