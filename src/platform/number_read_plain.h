// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QChar>

#include "platform/decimal.h"

namespace tallimer {

// A file value's quick reading, of the form nearly every saved value has: an optional "-", digits,
// and optionally the decimal symbol and more digits, 19 digits at most and not zero. Gives exactly
// what the full reading gives for such text; returns false for anything else, which then
// takes the full reading. Used by the platform sources only.
bool readPlainNumber(QByteArrayView text, QChar decimalSymbol, Decimal& out);

}  // namespace tallimer
