// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QString>

#include "platform/decimal.h"

#include "engine/tape.h"
#include "platform/regional.h"

namespace tallimer {

// A total box text and the number it shows: none for a label alone, "Overflow" or "Error".
struct TotalText {
    QString text;
    std::optional<Decimal> value;
};

// "Overflow" for an overflow, otherwise "Error".
TotalText failureText(DecStatus status);

// `value` shown after `label` with `places` decimals (kVariablePlaces: its plain text); the
// total's number is the value as shown, rounded as the text is.
TotalText labelledNumber(const QString& label, const Decimal& value, int places,
                         const RegionalSettings& settings);

// The total box texts of the three statistics ("Average : ...", "Mean : ...", "Mode : ...").
TotalText averageText(const Tape& tape, const RegionalSettings& settings);
TotalText meanText(const Tape& tape, const RegionalSettings& settings);
TotalText modeText(const Tape& tape, const RegionalSettings& settings);

}  // namespace tallimer
