// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QLocale>

namespace tallimer {

// The user's number conventions, read once and handed to every function that formats or
// reads a number, so nothing reads the process locale behind the caller's back.
struct RegionalSettings {
    QChar decimalSymbol = u'.';
    QChar groupSymbol = u',';
    int primaryGroup = 3;    // digits in the group next to the decimal symbol
    int secondaryGroup = 3;  // digits in every further group (2 under en_IN)

    // Symbols found by formatting 1000.1 with two decimals and grouping on: the 2nd character
    // is the group symbol and the 6th the decimal symbol.
    static RegionalSettings fromLocale(const QLocale& locale);
    // QLocale::system(): honours LANG, LC_ALL and LC_NUMERIC.
    static RegionalSettings system();
};

}  // namespace tallimer
