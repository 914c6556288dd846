// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/line_value.h"

#include <bit>

#include "engine/line_value_order.h"
#include "platform/number_text.h"

namespace tallimer {

LineValue::LineValue(const Decimal& value)
    : m_scale(static_cast<std::uint8_t>(value.scale())),
      m_negative(value.isNegative()),
      m_kind(Kind::Decimal) {
    const uint128 magnitude = value.magnitude();
    m_words[0] = static_cast<std::uint32_t>(magnitude);
    m_words[1] = static_cast<std::uint32_t>(magnitude >> 32);
    m_words[2] = static_cast<std::uint32_t>(magnitude >> 64);
}

LineValue LineValue::integer(std::int32_t value) {
    LineValue line;
    line.m_kind = Kind::Integer;
    line.m_words[0] = static_cast<std::uint32_t>(value);
    return line;
}

LineValue LineValue::fromDouble(double value) {
    LineValue line;
    line.m_kind = Kind::Double;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    line.m_words[0] = static_cast<std::uint32_t>(bits);
    line.m_words[1] = static_cast<std::uint32_t>(bits >> 32);
    return line;
}

Decimal LineValue::decimalValue() const {
    // Taken apart from a valid Decimal, so always valid.
    return Decimal::fromParts(decimalMagnitude(), m_scale, m_negative).value_or(Decimal());
}

double LineValue::doubleValue() const {
    return std::bit_cast<double>((std::uint64_t{m_words[1]} << 32) | m_words[0]);
}

bool LineValue::isBlank() const {
    switch (kind()) {
        case Kind::Empty:
            return true;
        case Kind::Integer:
            return integerValue() == 0;
        case Kind::Decimal:
            return decimalMagnitude() == 0;
        case Kind::Double:
            break;
    }
    // A double too small for 15 significant digits at scale 28 compares equal to 0.
    return LineValueOrderKey::of(*this).isZero();
}

DecStatus LineValue::toDecimal(Decimal& out) const {
    switch (kind()) {
        case Kind::Empty:
            out = Decimal();
            return DecStatus::Ok;
        case Kind::Integer:
            out = Decimal::fromInt(integerValue());
            return DecStatus::Ok;
        case Kind::Decimal:
            out = decimalValue();
            return DecStatus::Ok;
        case Kind::Double:
            break;
    }
    return Decimal::fromDouble(doubleValue(), out);
}

std::optional<Decimal> LineValue::asDecimal(DecStatus* status) const {
    if (status != nullptr) {
        *status = DecStatus::Ok;
    }
    if (m_kind == Kind::Decimal) {
        return Decimal::fromParts(decimalMagnitude(), m_scale, m_negative);
    }
    Decimal converted;
    const DecStatus result = toDecimal(converted);
    if (status != nullptr) {
        *status = result;
    }
    return result == DecStatus::Ok ? std::optional<Decimal>(converted) : std::nullopt;
}

QString LineValue::plainText(const RegionalSettings& settings) const {
    if (isEmpty()) {
        return {};
    }
    Decimal value;
    if (toDecimal(value) == DecStatus::Ok) {
        return tallimer::plainText(value, settings);
    }
    // Beyond the Decimal range a double keeps its exponent, as the standard text of a double
    // does: "1E+300".
    QString text = QString::number(doubleValue(), 'G', 15);
    text.replace(u'.', settings.decimalSymbol);
    return text;
}

std::partial_ordering operator<=>(const LineValue& a, const LineValue& b) {
    if (a.kind() == LineValue::Kind::Decimal && b.kind() == LineValue::Kind::Decimal) {
        return a.decimalValue() <=> b.decimalValue();
    }
    return LineValueOrderKey::of(a) <=> LineValueOrderKey::of(b);
}

}  // namespace tallimer
