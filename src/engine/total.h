// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "engine/line_value.h"
#include "engine/tape.h"
#include "engine/total_statistics.h"
#include "platform/regional.h"

namespace tallimer {

// What the total box shows (the index of the Total menu item).
enum TotalModeValue : std::int16_t {
    kTotalNumbers = 0,
    kTotalAverage = 1,
    kTotalMean = 2,
    kTotalMode = 3,
};

// MailCalc's evaluation of the whole tape: the total box's new text and the number it shows;
// nothing for an unknown total mode, which leaves the box as it is.
std::optional<TotalText> totalOf(const Tape& tape, int totalMode, int decPlaces,
                                 const RegionalSettings& settings);
// The text alone, `previousText` for an unknown total mode.
QString MailCalc(const Tape& tape, int totalMode, int decPlaces, const RegionalSettings& settings,
                 const QString& previousText);

// Ascending selection sort with the first of equal minima winning, then compaction of the
// values above zero to the front; the rest become the integer 0. `last` is the index of the
// last value kept (-1 when none). O(n log n), same result as the quadratic original.
void Selectionsort(std::vector<LineValue>& list, std::int32_t& last);

// The text of a row showing `value`: "" for 0 or empty; otherwise the formatting rule with
// `decPlaces` (plain text for 25). A double beyond the Decimal range cannot be rounded: ""
// with fixed places, its exponent text ("1E+300") with 25. Used by fmNo and the view refresh.
QString rowText(const LineValue& value, int decPlaces, const RegionalSettings& settings);

}  // namespace tallimer
