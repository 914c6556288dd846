// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "engine/tape.h"
#include "platform/regional.h"

namespace tallimer {

// One text of a printed calculation: x in twips from the left margin, the line on its page
// from 0, and whether it prints in bold.
struct PrintedText {
    QString text;
    double x = 0;
    int line = 0;
    bool bold = false;

    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

using PrintedPage = std::vector<PrintedText>;

// The width in twips of a text in the printer's font, bold or not.
using TextWidth = std::function<double(const QString& text, bool bold)>;

struct PrintLayout {
    int rightEdge = 0;  // twips: where every value and the total end
    std::vector<PrintedPage> pages;
};

// The printed calculation: each line whose value reads above 0 by the "." point reading shows
// its operator at the left margin and its value, formatted with `decPlaces`, ending at the
// right edge (the bold width of "WWW" and the total text); then a bold "=" with the total text.
// A page holds `linesPerPage` lines; later lines go on to the next page at the same right edge.
// The right edge moves right when a value would otherwise start inside the operator column.
PrintLayout layoutPrint(const Tape& tape, int decPlaces, const QString& totalText,
                        const RegionalSettings& settings, const TextWidth& width, int linesPerPage);

}  // namespace tallimer
