// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/total.h"

#include "engine/total_statistics.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

// One step of the running total; `out` is written only on success.
DecStatus applyLine(QChar op, const LineValue& value, const Decimal& total, Decimal& out) {
    DecStatus status = DecStatus::Ok;
    const std::optional<Decimal> v = value.asDecimal(&status);
    if (!v) {
        return status;
    }
    switch (op.unicode()) {
        case u'+':
            return add(total, *v, out);
        case u'-':
            return subtract(total, *v, out);
        case u'x':
            return multiply(total, *v, out);
        default:  // '/'
            return divide(total, *v, out);
    }
}

bool takesPart(QChar op) {
    return op == u'+' || op == u'-' || op == u'x' || op == u'/';
}

// Strictly top to bottom from 0, no precedence. A failing step is skipped and the last
// failure decides the text.
TotalText runningTotalText(const Tape& tape, int decPlaces, const RegionalSettings& settings) {
    // Two accumulators used in turn: a step writes the other one, which becomes the total
    // only when the step succeeds (no copy of the total per line).
    Decimal accumulators[2];
    int current = 0;
    DecStatus lastError = DecStatus::Ok;
    const int lines = tape.size();
    for (int i = 0; i < lines; ++i) {
        const QChar op = tape.TapeOps[i];
        if (!takesPart(op)) {
            continue;
        }
        const DecStatus status =
            applyLine(op, tape.TapeNumbers[i], accumulators[current], accumulators[1 - current]);
        if (status == DecStatus::Ok) {
            current = 1 - current;
        } else {
            lastError = status;
        }
    }
    if (lastError != DecStatus::Ok) {
        return failureText(lastError);
    }
    return labelledNumber(QString(), accumulators[current], decPlaces, settings);
}

}  // namespace

std::optional<TotalText> totalOf(const Tape& tape, int totalMode, int decPlaces,
                                 const RegionalSettings& settings) {
    switch (totalMode) {
        case kTotalNumbers:
            return runningTotalText(tape, decPlaces, settings);
        case kTotalAverage:
            return averageText(tape, settings);
        case kTotalMean:
            return meanText(tape, settings);
        case kTotalMode:
            return modeText(tape, settings);
        default:
            return std::nullopt;
    }
}

QString MailCalc(const Tape& tape, int totalMode, int decPlaces, const RegionalSettings& settings,
                 const QString& previousText) {
    const std::optional<TotalText> total = totalOf(tape, totalMode, decPlaces, settings);
    return total ? total->text : previousText;
}

QString rowText(const LineValue& value, int decPlaces, const RegionalSettings& settings) {
    if (value.isBlank()) {
        return {};
    }
    if (decPlaces == kVariablePlaces) {
        return value.plainText(settings);
    }
    Decimal v;
    if (value.toDecimal(v) != DecStatus::Ok) {
        return {};
    }
    return formatNumber(v, decPlaces, settings);
}

}  // namespace tallimer
