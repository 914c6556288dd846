#pragma once

#include <cmath>
#include <initializer_list>
#include <utility>

#include <QString>

#include <gtest/gtest.h>

#include "engine/line_value.h"
#include "engine/tape.h"
#include "platform/number_text.h"
#include "platform/regional.h"

namespace tallimer::test {

inline RegionalSettings enUS() {
    return RegionalSettings{};
}

inline RegionalSettings deDE() {
    return RegionalSettings{u',', u'.', 3, 3};
}

// A Decimal from its en_US text, exactly as a file or a typed row would give it.
inline Decimal dec(const char* text) {
    Decimal value;
    EXPECT_EQ(readLocale(QString::fromLatin1(text), enUS(), value), ReadStatus::Ok) << text;
    return value;
}

// A value from text: "" is an empty line, anything else a Decimal.
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
