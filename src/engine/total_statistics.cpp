#include "engine/total_statistics.h"

#include <cstdint>
#include <vector>

#include "engine/total.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

QString failureText(DecStatus status) {
    return status == DecStatus::Overflow ? QStringLiteral("Overflow") : QStringLiteral("Error");
}

// The tape's values sorted by Selectionsort; `last` indexes the last value above zero.
std::vector<LineValue> sortedValues(const Tape& tape, std::int32_t& last) {
    std::vector<LineValue> sorted = tape.TapeNumbers;
    Selectionsort(sorted, last);
    return sorted;
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

// The mean of the non-blank lines, negatives included. No such line: the label alone; a sum
// beyond the range: "Overflow" (never a wrong average).
QString averageText(const Tape& tape, const RegionalSettings& settings) {
    const QString label = QStringLiteral("Average : ");
    Decimal sum;
    std::int64_t count = 0;
    DecStatus lastError = DecStatus::Ok;
    for (const LineValue& value : tape.TapeNumbers) {
        if (value.isBlank()) {
            continue;
        }
        ++count;
        Decimal v;
        Decimal next;
        DecStatus status = value.toDecimal(v);
        if (status == DecStatus::Ok) {
            status = add(sum, v, next);
        }
        if (status == DecStatus::Ok) {
            sum = next;
        } else {
            lastError = status;
        }
    }
    if (lastError != DecStatus::Ok) {
        return failureText(lastError);
    }
    Decimal average;
    if (count == 0 || divide(sum, Decimal::fromInt(count), average) != DecStatus::Ok) {
        return label;
    }
    return label + plainText(average, settings);
}

// The median of the values above zero; an even count takes the pair's midpoint.
QString meanText(const Tape& tape, const RegionalSettings& settings) {
    const QString label = QStringLiteral("Mean : ");
    std::int32_t n = -1;
    const std::vector<LineValue> a = sortedValues(tape, n);
    if (n < 0) {
        return label;
    }
    const std::int32_t k = n / 2;
    if (n % 2 == 0) {
        return label + a[k].plainText(settings);
    }
    Decimal middle;
    if (const DecStatus status = middleOf(a[k], a[k + 1], middle); status != DecStatus::Ok) {
        return failureText(status);
    }
    return label + plainText(middle, settings);
}

// The most frequent value above zero; among equally frequent values the smallest.
QString modeText(const Tape& tape, const RegionalSettings& settings) {
    std::int32_t n = -1;
    const std::vector<LineValue> a = sortedValues(tape, n);
    LineValue previous;
    LineValue mode;
    int run = 0;
    int best = 0;
    for (std::int32_t i = 0; i <= n; ++i) {
        if (a[i] == previous) {
            ++run;
        } else {
            if (run > best) {
                best = run;
                mode = a[i - 1];
            }
            run = 1;
        }
        previous = a[i];
    }
    if (run > best) {
        mode = a[n];
    }
    return QStringLiteral("Mode : ") + mode.plainText(settings);
}

}  // namespace tallimer
