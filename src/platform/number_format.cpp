// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>

#include "platform/number_text.h"

// The number formatting rule and the plain text form of a value.
namespace tallimer {

namespace {

// Longest text: 29 digits, 27 group symbols, the decimal symbol, 28 decimals, two parentheses.
using TextBuffer = std::array<QChar, 96>;

bool isGroupBoundary(int digitsToTheRight, int primary, int secondary) {
    if (primary <= 0 || digitsToTheRight <= 0) {
        return false;
    }
    if (digitsToTheRight == primary) {
        return true;
    }
    return digitsToTheRight > primary && (digitsToTheRight - primary) % secondary == 0;
}

}  // namespace

Decimal shownValue(const Decimal& value, int places) {
    return places >= 7 ? value : value.roundedAwayFromZero(std::max(places, 0));
}

QString formatNumber(const Decimal& value, int places, const RegionalSettings& settings) {
    if (places >= 7) {
        return plainText(value, settings);
    }
    places = std::max(places, 0);
    const Decimal rounded = shownValue(value, places);
    char digits[Decimal::kMaxDigits];
    const int count = rounded.writeDigits(digits);
    const int scale = rounded.scale();
    const int integerDigits = count - scale;
    // A value that rounds to zero is shown as zero, never as "(.00)".
    const bool negative = rounded.isNegative();
    const int secondary =
        settings.secondaryGroup > 0 ? settings.secondaryGroup : settings.primaryGroup;

    TextBuffer text;
    int length = 0;
    if (negative) {
        text[length++] = u'(';
    }
    if (integerDigits > 0 && !rounded.isZero()) {
        for (int i = 0; i < integerDigits; ++i) {
            text[length++] = QLatin1Char(digits[i]);
            if (isGroupBoundary(integerDigits - 1 - i, settings.primaryGroup, secondary)) {
                text[length++] = settings.groupSymbol;
            }
        }
    } else if (places == 0) {
        text[length++] = u'0';
    }
    if (places > 0) {
        text[length++] = settings.decimalSymbol;
        for (int i = scale; i > count; --i) {
            text[length++] = u'0';
        }
        for (int i = integerDigits > 0 ? integerDigits : 0; i < count; ++i) {
            text[length++] = QLatin1Char(digits[i]);
        }
        for (int i = scale; i < places; ++i) {
            text[length++] = u'0';
        }
    }
    if (negative) {
        text[length++] = u')';
    }
    return QString(text.data(), length);
}

QString plainText(const Decimal& value, const RegionalSettings& settings) {
    const Decimal normal = value.normalized();
    char digits[Decimal::kMaxDigits];
    const int count = normal.writeDigits(digits);
    const int scale = normal.scale();

    TextBuffer text;
    int length = 0;
    if (normal.isNegative()) {
        text[length++] = u'-';
    }
    if (count <= scale) {
        text[length++] = u'0';
    }
    for (int i = 0; i < count - scale; ++i) {
        text[length++] = QLatin1Char(digits[i]);
    }
    if (scale > 0) {
        text[length++] = settings.decimalSymbol;
        for (int i = scale; i > count; --i) {
            text[length++] = u'0';
        }
        for (int i = count > scale ? count - scale : 0; i < count; ++i) {
            text[length++] = QLatin1Char(digits[i]);
        }
    }
    return QString(text.data(), length);
}

}  // namespace tallimer
