// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

#include <QString>

#include <gtest/gtest.h>

#include "engine/line_value.h"
#include "engine/tape.h"
#include "platform/decimal.h"
#include "platform/regional.h"

// Values, tapes and number settings for the tests of the engine, the files and the commands.
namespace tallimer::test {

inline RegionalSettings enUS() {
    return RegionalSettings{};
}

inline RegionalSettings deDE() {
    return RegionalSettings{u',', u'.', 3, 3};
}

// A Decimal exactly as written: an optional "-", digits, and an optional "." with more digits,
// the scale being the count of digits after the point ("2.50" is 250 at scale 2, "-0" is a
// negative zero). Built with Decimal::fromParts, not read, so nothing is normalised: "2",
// "2.0" and "2.00" are one value at three scales. Any other text fails the test.
inline Decimal dec(const char* text) {
    const char* p = text;
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }
    uint128 magnitude = 0;
    int digits = 0;
    int scale = 0;
    bool point = false;
    for (; *p != '\0'; ++p) {
        if (*p == '.' && !point) {
            point = true;
        } else if ('0' <= *p && *p <= '9' && digits < Decimal::kMaxDigits) {
            magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
            ++digits;
            scale += point ? 1 : 0;
        } else {
            break;
        }
    }
    const std::optional<Decimal> value = *p == '\0' && digits > 0 && !(point && scale == 0)
                                             ? Decimal::fromParts(magnitude, scale, negative)
                                             : std::nullopt;
    if (!value) {
        ADD_FAILURE() << "not a test value: \"" << text << "\"";
        return Decimal();
    }
    return *value;
}

// A value from text: "" is an empty line, anything else a Decimal as dec() builds it.
inline LineValue val(const char* text) {
    return *text == '\0' ? LineValue() : LineValue(dec(text));
}

// A tape from (operator, value text) pairs; an operator of 0 is a line without one.
inline Tape tapeOf(std::initializer_list<std::pair<char16_t, const char*>> lines) {
    Tape tape;
    for (const auto& [op, text] : lines) {
        tape.TapeOps.push_back(op == 0 ? QChar() : QChar(op));
        tape.TapeNumbers.push_back(val(text));
    }
    return tape;
}

// Same kind and the same stored number, digit for digit (1.5 and 1.50 differ here).
inline bool identical(const LineValue& a, const LineValue& b) {
    if (a.kind() != b.kind()) {
        return false;
    }
    switch (a.kind()) {
        case LineValue::Kind::Empty:
            return true;
        case LineValue::Kind::Integer:
            return a.integerValue() == b.integerValue();
        case LineValue::Kind::Decimal:
            return a.decimalValue().magnitude() == b.decimalValue().magnitude() &&
                   a.decimalValue().scale() == b.decimalValue().scale() &&
                   a.decimalValue().isNegative() == b.decimalValue().isNegative();
        case LineValue::Kind::Double:
            return a.doubleValue() == b.doubleValue() &&
                   std::signbit(a.doubleValue()) == std::signbit(b.doubleValue());
    }
    return false;
}

}  // namespace tallimer::test
