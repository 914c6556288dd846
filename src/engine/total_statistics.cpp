// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/total_statistics.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/line_value_order.h"
#include "engine/total.h"
#include "engine/total_value_count.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

// Mean and Mode read only the values above zero, in ascending order. Selectionsort of a copy of
// the tape would put them in that order, and equal values have the same text and the same
// arithmetic result, so which line an equal value came from makes no difference: working on
// their keys gives the same texts without copying and rearranging the tape.
struct KeyedLine {
    LineValueOrderKey key;
    std::uint32_t line;
};

// A lambda rather than a function, so the sorts inline it.
constexpr auto byKey = [](const KeyedLine& a, const KeyedLine& b) { return a.key < b.key; };

std::vector<KeyedLine> positiveValues(const Tape& tape) {
    std::vector<KeyedLine> keyed;
    keyed.reserve(tape.TapeNumbers.size());
    for (std::size_t i = 0; i < tape.TapeNumbers.size(); ++i) {
        const LineValueOrderKey key = LineValueOrderKey::of(tape.TapeNumbers[i]);
        if (key.isPositive()) {
            keyed.push_back({key, static_cast<std::uint32_t>(i)});
        }
    }
    return keyed;
}

// a + (b - a) / 2, in that order.
DecStatus middleOf(const LineValue& lower, const LineValue& upper, Decimal& out) {
    Decimal a;
    Decimal b;
    Decimal difference;
    Decimal half;
    DecStatus status = lower.toDecimal(a);
    if (status == DecStatus::Ok) {
        status = upper.toDecimal(b);
    }
    if (status == DecStatus::Ok) {
        status = subtract(b, a, difference);
    }
    if (status == DecStatus::Ok) {
        status = divide(difference, Decimal::fromInt(2), half);
    }
    if (status == DecStatus::Ok) {
        status = add(a, half, out);
    }
    return status;
}

}  // namespace

TotalText failureText(DecStatus status) {
    return {status == DecStatus::Overflow ? QCoreApplication::translate("Total", "Overflow")
                                          : QCoreApplication::translate("Total", "Error"),
            std::nullopt};
}

TotalText labelledNumber(const QString& label, const Decimal& value, int places,
                         const RegionalSettings& settings) {
    return {label + formatNumber(value, places, settings), shownValue(value, places).normalized()};
}

namespace {

// A line's value after `label`; a double beyond the Decimal range shows its text alone.
TotalText labelledLine(const QString& label, const LineValue& line,
                       const RegionalSettings& settings) {
    if (const std::optional<Decimal> value = line.asDecimal()) {
        return labelledNumber(label, *value, kVariablePlaces, settings);
    }
    return {label + line.plainText(settings), std::nullopt};
}

}  // namespace

// The mean of the non-blank lines, negatives included. No such line: the label alone; a sum
// beyond the range: "Overflow" (never a wrong average).
TotalText averageText(const Tape& tape, const RegionalSettings& settings) {
    const QString label = QCoreApplication::translate("Total", "Average : ");
    Decimal sums[2];  // used in turn, as in the running total
    int current = 0;
    std::int64_t count = 0;
    DecStatus lastError = DecStatus::Ok;
    for (const LineValue& value : tape.TapeNumbers) {
        if (value.isBlank()) {
            continue;
        }
        ++count;
        DecStatus status = DecStatus::Ok;
        if (const std::optional<Decimal> v = value.asDecimal(&status)) {
            status = add(sums[current], *v, sums[1 - current]);
        }
        if (status == DecStatus::Ok) {
            current = 1 - current;
        } else {
            lastError = status;
        }
    }
    if (lastError != DecStatus::Ok) {
        return failureText(lastError);
    }
    Decimal average;
    if (count == 0 || divide(sums[current], Decimal::fromInt(count), average) != DecStatus::Ok) {
        return {label, std::nullopt};
    }
    return labelledNumber(label, average, kVariablePlaces, settings);
}

// The median of the values above zero (n is the index of the last one); an even count takes
// the pair's midpoint.
TotalText meanText(const Tape& tape, const RegionalSettings& settings) {
    const QString label = QCoreApplication::translate("Total", "Mean : ");
    std::vector<KeyedLine> a = positiveValues(tape);
    const auto n = static_cast<std::ptrdiff_t>(a.size()) - 1;
    if (n < 0) {
        return {label, std::nullopt};
    }
    const std::ptrdiff_t k = n / 2;
    std::nth_element(a.begin(), a.begin() + k, a.end(), byKey);
    const LineValue& lower = tape.TapeNumbers[a[k].line];
    if (n % 2 == 0) {
        return labelledLine(label, lower, settings);
    }
    const LineValue& upper =
        tape.TapeNumbers[std::min_element(a.begin() + k + 1, a.end(), byKey)->line];
    Decimal middle;
    if (const DecStatus status = middleOf(lower, upper, middle); status != DecStatus::Ok) {
        return failureText(status);
    }
    return labelledNumber(label, middle, kVariablePlaces, settings);
}

// The most frequent value above zero. The walk over the sorted values replaces the mode only
// by a strictly longer run, so among equally frequent values the smallest wins.
TotalText modeText(const Tape& tape, const RegionalSettings& settings) {
    ValueCount counts(tape.TapeNumbers.size());
    for (std::size_t i = 0; i < tape.TapeNumbers.size(); ++i) {
        const LineValueOrderKey key = LineValueOrderKey::of(tape.TapeNumbers[i]);
        if (key.isPositive()) {
            counts.add(key, static_cast<std::uint32_t>(i));
        }
    }
    const ValueCount::Entry* mode = nullptr;
    for (const ValueCount::Entry& entry : counts.entries()) {
        if (mode == nullptr || entry.count > mode->count ||
            (entry.count == mode->count && entry.key < mode->key)) {
            mode = &entry;
        }
    }
    const QString label = QCoreApplication::translate("Total", "Mode : ");
    if (mode == nullptr) {
        return {label, std::nullopt};
    }
    return labelledLine(label, tape.TapeNumbers[mode->firstLine], settings);
}

}  // namespace tallimer
