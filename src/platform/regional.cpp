// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/regional.h"

#include <QString>

#include "platform/number_text.h"

namespace tallimer {

namespace {

// Qt 6.4 has no API for the grouping sizes, so read them off a long grouped integer: the
// digit runs between separators, from the right (en_IN: 3, then 2).
void readGroupSizes(const QLocale& locale, RegionalSettings& settings) {
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString probe = grouped.toString(qlonglong(1234567890123));
    int runs[2] = {0, 0};
    int found = 0;
    int run = 0;
    for (auto it = probe.crbegin(); it != probe.crend() && found < 2; ++it) {
        if (it->isDigit()) {
            ++run;
        } else if (run > 0) {
            runs[found++] = run;
            run = 0;
        }
    }
    settings.primaryGroup = found > 0 ? runs[0] : 0;  // 0: the locale does not group
    settings.secondaryGroup = found > 1 ? runs[1] : settings.primaryGroup;
}

}  // namespace

RegionalSettings RegionalSettings::fromLocale(const QLocale& locale) {
    RegionalSettings settings;
    const QString decimalPoint = locale.decimalPoint();
    const QString groupSeparator = locale.groupSeparator();
    if (!decimalPoint.isEmpty()) {
        settings.decimalSymbol = decimalPoint.front();
    }
    if (!groupSeparator.isEmpty()) {
        settings.groupSymbol = groupSeparator.front();
    }
    readGroupSizes(locale, settings);

    // The symbols are the 2nd and 6th characters of 1000.1 shown with two decimals and
    // grouping on ("1,000.10"). A locale that does not group leaves digits there; it keeps its
    // own symbols.
    const QString sample = formatNumber(*Decimal::fromParts(10001, 1, false), 2, settings);
    if (sample.size() >= 6 && !sample[1].isDigit() && !sample[5].isDigit()) {
        settings.groupSymbol = sample[1];
        settings.decimalSymbol = sample[5];
    }
    return settings;
}

RegionalSettings RegionalSettings::system() {
    return fromLocale(QLocale::system());
}

}  // namespace tallimer
