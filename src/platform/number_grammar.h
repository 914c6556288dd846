// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QStringView>

#include <cstdint>

#include "platform/number_reader.h"

// The grammar the reader's entries share; used by the platform sources only.
namespace tallimer {

inline constexpr char16_t kArabicDecimal = u'\u066B';
inline constexpr char16_t kArabicGroup = u'\u066C';

// The value of a decimal digit of any script (ASCII, Arabic-Indic, Persian, Devanagari,
// full-width...), or -1 for any other character.
inline int digitValueOf(QChar c) {
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    return c.category() == QChar::Number_DecimalDigit ? c.digitValue() : -1;
}

// Where group symbols may stand.
enum class Grouping : std::uint8_t {
    AfterFirstDigit,  // anywhere after the first digit, before the decimal symbol
    BeforeDecimal,    // anywhere before the decimal symbol
    Strict,           // only between whole groups (the convention's sizes, or all of three)
};

struct Convention {
    QChar decimal;
    QChar group;
    Grouping grouping = Grouping::AfterFirstDigit;
    int primary = 3;    // digits of the group next to the decimal symbol
    int secondary = 3;  // digits of every further group
};

// The text read by the shared grammar under one convention.
ReadStatus readNumber(QStringView text, const Convention& convention, Decimal& out);

}  // namespace tallimer
