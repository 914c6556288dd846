// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include "engine/tape.h"
#include "platform/regional.h"

namespace tallimer {

// The text "Copy Numbers..." puts on the clipboard: every line's standard text from line 0 to
// the last ("0" for a cleared line, "" for an empty one), CR LF between lines and none after
// the last. Operators are not written.
QString copyText(const Tape& tape, const RegionalSettings& settings);

// What "Paste Numbers..." makes of a clipboard text.
struct PastedTape {
    Tape tape;
    int valueMax = 0;           // the tape view's new ValueMax
    qsizetype lostLines = 0;    // lines (records) of the text that did not go on the tape
    qsizetype unreadLines = 0;  // column lines, not blank, that were no number
};

// True when `text` is a list of records: its last line is "DE" (after an LF, with or without a
// CR before it), or it is "DE" alone.
bool isRecordList(QStringView text);

// The tape pasted from `text` onto a tape of `clearedLines` cleared lines viewed through rows
// 0..lastRow. Lines end at LF or CR LF; a lone CR ends none. A text whose last line is "DE" is a
// list of tab-separated records (field 1 empty: "-", else "+"; field 4 the amount with a "." point,
// kept as a binary double); any other text is a column whose lines' first fields are read as
// pasted text. A column stops 32001 lines below the view,
// records at the tape's 32768 lines; what is left over is counted in lostLines. A text longer
// than the tape is read only as far as the tape goes, then scanned for its line count.
PastedTape pasteTape(QStringView text, const RegionalSettings& settings, int lastRow,
                     int clearedLines);

}  // namespace tallimer
