// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/number_reader.h"

#include "platform/number_grammar.h"

// The entries for what is typed and what is pasted; files are read in number_read_file.cpp.
namespace tallimer {

namespace {

bool isDecimalSymbol(QChar c, const RegionalSettings& settings) {
    return c == settings.decimalSymbol || c == kArabicDecimal;
}

bool isGroupSymbol(QChar c, const RegionalSettings& settings) {
    return c == settings.groupSymbol || c == kArabicGroup;
}

}  // namespace

ReadStatus readTyped(QStringView text, const RegionalSettings& settings, Decimal& out) {
    return readNumber(text, {settings.decimalSymbol, settings.groupSymbol, Grouping::BeforeDecimal},
                      out);
}

ReadStatus readPasted(QStringView text, const RegionalSettings& settings, Decimal& out) {
    const Convention own{settings.decimalSymbol, settings.groupSymbol, Grouping::Strict,
                         settings.primaryGroup, settings.secondaryGroup};
    const ReadStatus status = readNumber(text, own, out);
    if (status != ReadStatus::Invalid) {
        return status;
    }
    const bool pointIsOwn = settings.decimalSymbol == u'.';
    const Convention other{pointIsOwn ? u',' : u'.', pointIsOwn ? u'.' : u',', Grouping::Strict};
    return readNumber(text, other, out);
}

int typedCharacter(int c, bool numpadDecimalKey, const RegionalSettings& settings) {
    if (numpadDecimalKey) {
        return settings.decimalSymbol.unicode();
    }
    if (c <= 0 || c > 0xFFFF) {
        return c;
    }
    const QChar typed(static_cast<char16_t>(c));
    if (const int digit = digitValueOf(typed); digit >= 0) {
        return '0' + digit;
    }
    if (c == kArabicDecimal || ((c == '.' || c == ',') && typed != settings.groupSymbol)) {
        return settings.decimalSymbol.unicode();
    }
    if (c == kArabicGroup) {
        return settings.groupSymbol.unicode();
    }
    return c;
}

bool isTypedTextAllowed(QStringView text, const RegionalSettings& settings) {
    bool fraction = false;
    for (const QChar c : text) {
        if (isDecimalSymbol(c, settings)) {
            if (fraction) {
                return false;
            }
            fraction = true;
        } else if (fraction && isGroupSymbol(c, settings)) {
            return false;
        }
    }
    return true;
}

}  // namespace tallimer
