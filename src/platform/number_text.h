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

// The value the formatting rule shows: rounded half away from zero to `places` (0 below 0), or
// the value itself for the plain text form (places of 7 or more).
Decimal shownValue(const Decimal& value, int places);

}  // namespace tallimer
