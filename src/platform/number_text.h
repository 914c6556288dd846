// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include "platform/decimal.h"
#include "platform/regional.h"

namespace tallimer {

// The decimal setting that means "no rounding: the plain text of the value".
constexpr int kVariablePlaces = 25;

// The number formatting rule. places 0..6: rounded half away from zero, exactly that many
// decimals, grouped, negatives in parentheses, no leading zero before the decimal symbol
// (.50, (1,234.50)). Any places of 7 or more gives the plain text form.
QString formatNumber(const Decimal& value, int places, const RegionalSettings& settings);

// Plain text form: no grouping, leading "-", leading zero, the user's decimal symbol, trailing
// zeros removed, never an exponent; zero is "0".
QString plainText(const Decimal& value, const RegionalSettings& settings);

// The value of a decimal digit of any script (ASCII, Arabic-Indic, Persian, Devanagari,
// full-width...), or -1 for any other character.
inline int digitValueOf(QChar c) {
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    return c.category() == QChar::Number_DecimalDigit ? c.digitValue() : -1;
}

enum class ReadStatus : std::uint8_t { Ok, Overflow, Invalid };

// Locale reading: blanks around the number, one leading or trailing sign, parentheses for a
// negative value, digits of any script, group symbols after the first digit of the integer
// part (never after the decimal symbol), the decimal symbol once, an exponent ("1E3", "2.5e-2").
// Trailing zeros are dropped. Anything else is Invalid; `out` is written only on Ok.
ReadStatus readLocale(QStringView text, const RegionalSettings& settings, Decimal& out);

// Point reading: the longest leading part of the text that forms a number with "." as the
// decimal point and an optional sign, blanks, tabs and line feeds skipped wherever they occur;
// no such part reads as 0.
double readPoint(QStringView text);

}  // namespace tallimer
