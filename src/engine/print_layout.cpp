// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/print_layout.h"

#include <algorithm>

#include "engine/total.h"
#include "platform/rounding.h"

namespace tallimer {

namespace {

struct PrintedLine {
    QString op;
    QString value;
    double valueWidth = 0;
};

const LineValue kOne = LineValue::integer(1);

// Shared texts for the four operators, so that a long tape does not build one per line.
QString opText(QChar op) {
    static const QString known[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("x"),
                                    QStringLiteral("/")};
    for (const QString& text : known) {
        if (text.front() == op) {
            return text;
        }
    }
    return op.isNull() ? QString() : QString(op);
}

}  // namespace

PrintLayout layoutPrint(const Tape& tape, int decPlaces, const QString& totalText,
                        const RegionalSettings& settings, const TextWidth& width,
                        int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
    std::vector<PrintedLine> printed;
    double widest = 0;
    for (int i = 0; i < tape.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const LineValue& value = tape.TapeNumbers[at];
        // The line prints when its plain text, read back with a "." point, is above 0. That
        // text reads as the value itself under a "." setting; under any other the reading
        // stops at the decimal symbol, so 0,5 reads 0 and only values from 1 on print.
        const bool point = settings.decimalSymbol == u'.';
        if (!(value > LineValue()) || (!point && value < kOne)) {
            continue;
        }
        PrintedLine line;
        line.op = opText(tape.TapeOps[at]);
        line.value = rowText(value, decPlaces, settings);
        line.valueWidth = width(line.value, false);
        widest = std::max(widest, line.valueWidth);
        printed.push_back(std::move(line));
    }

    PrintLayout layout;
    layout.rightEdge = static_cast<int>(nearest(width(QStringLiteral("WWW") + totalText, true)));
    if (!printed.empty()) {
        // A value wider than the total would start over its operator or off the paper: the
        // column moves right to keep one "W" of room for the operator.
        layout.rightEdge =
            std::max(layout.rightEdge,
                     static_cast<int>(nearest(widest + width(QStringLiteral("W"), false))));
    }

    const auto place = [&](int index, PrintedText item) {
        const auto page = static_cast<std::size_t>(index / linesPerPage);
        if (layout.pages.size() <= page) {
            layout.pages.resize(page + 1);
        }
        item.line = index % linesPerPage;
        layout.pages[page].push_back(std::move(item));
    };
    int index = 0;
    for (PrintedLine& line : printed) {
        if (!line.op.isEmpty()) {
            place(index, {line.op, 0, 0, false});
        }
        const double x = layout.rightEdge - line.valueWidth;
        place(index, {std::move(line.value), x, 0, false});
        ++index;
    }
    place(index, {QStringLiteral("="), 0, 0, true});
    if (!totalText.isEmpty()) {
        place(index, {totalText, layout.rightEdge - width(totalText, true), 0, true});
    }
    return layout;
}

}  // namespace tallimer
