// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/clipboard_text.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/decimal.h"
#include "platform/number_reader.h"

namespace tallimer {

namespace {

constexpr QStringView kLineBreak = u"\r\n";
// The last line of a list of records.
constexpr QStringView kRecordMarker = u"\nDE";
// A column stops once the tape has grown this many lines beyond the rows in view.
constexpr int kColumnGrowthStop = 32001;

// Line ends in `text`: an LF, with or without a CR before it. A branch-free pass over the
// characters: a 100 MB text is counted in a few tens of milliseconds.
qsizetype countLineBreaks(QStringView text) {
    const char16_t* chars = text.utf16();
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        count += static_cast<qsizetype>(chars[i] == u'\n');
    }
    return count;
}

// Up to `limit` lines of `body` (which holds at least one, possibly empty, line) into `lines`;
// returns how many lines were left over. A CR before the LF belongs to the line end; a lone CR
// stays in its line.
qsizetype takeLines(QStringView body, std::size_t limit, std::vector<QStringView>& lines) {
    qsizetype from = 0;
    while (lines.size() < limit) {
        const qsizetype at = body.indexOf(u'\n', from);
        if (at < 0) {
            lines.push_back(body.sliced(from));
            return 0;
        }
        const qsizetype end = at > from && body[at - 1] == u'\r' ? at - 1 : at;
        lines.push_back(body.sliced(from, end - from));
        from = at + 1;
    }
    return 1 + countLineBreaks(body.sliced(from));
}

// Field `index` (from 0) of a tab-separated line; false when the line has fewer fields.
bool field(QStringView line, int index, QStringView& out) {
    qsizetype from = 0;
    for (int k = 0; k < index; ++k) {
        const qsizetype tab = line.indexOf(u'\t', from);
        if (tab < 0) {
            return false;
        }
        from = tab + 1;
    }
    const qsizetype tab = line.indexOf(u'\t', from);
    out = tab < 0 ? line.sliced(from) : line.sliced(from, tab - from);
    return true;
}

void readRecord(QStringView line, QChar& op, LineValue& value) {
    QStringView first;
    field(line, 0, first);
    op = first.isEmpty() ? QChar(u'-') : QChar(u'+');
    QStringView amount;
    if (!field(line, 3, amount)) {
        return;  // too few fields: the value stays blank
    }
    // A number beyond the double range does not read; the line stays blank.
    const double read = readPoint(amount);
    if (std::isfinite(read)) {
        value = LineValue::fromDouble(read);
    }
}

// A line's first field read as pasted. False when it holds more than blanks and reads as no
// number, which counts 0, or as one beyond the range, which leaves the line as it was.
bool readColumnLine(QStringView line, const RegionalSettings& settings, LineValue& value) {
    QStringView first;
    field(line, 0, first);
    Decimal read;
    const ReadStatus status = readPasted(first, settings, read);
    if (status != ReadStatus::Overflow) {
        value = read;
    }
    return status == ReadStatus::Ok || first.trimmed().isEmpty();
}

}  // namespace

QString copyText(const Tape& tape, const RegionalSettings& settings) {
    QString text;
    text.reserve(static_cast<qsizetype>(tape.size()) * 8);
    for (int i = 0; i < tape.size(); ++i) {
        if (i > 0) {
            text += kLineBreak;
        }
        text += tape.TapeNumbers[static_cast<std::size_t>(i)].plainText(settings);
    }
    return text;
}

bool isRecordList(QStringView text) {
    return text == kRecordMarker.sliced(1) || text.endsWith(kRecordMarker);
}

PastedTape pasteTape(QStringView text, const RegionalSettings& settings, int lastRow,
                     int clearedLines) {
    lastRow = std::clamp(lastRow, 0, kMaxTapeLines - 1);
    clearedLines = std::clamp(clearedLines, 0, kMaxTapeLines);

    std::vector<QStringView> lines;
    PastedTape result;
    const bool records = isRecordList(text);
    if (records) {
        // Every line before the marker is a record; "DE" alone holds none.
        if (text.size() > 2) {
            QStringView body = text.chopped(kRecordMarker.size());
            if (body.endsWith(u'\r')) {
                body.chop(1);
            }
            result.lostLines = takeLines(body, kMaxTapeLines, lines);
        }
    } else if (!text.isEmpty()) {
        const int limit = std::min(kMaxTapeLines, lastRow + 1 + kColumnGrowthStop);
        result.lostLines = takeLines(text, static_cast<std::size_t>(limit), lines);
    }

    // Grown once to the length needed: below the view the tape ends at the last line read;
    // a shorter text leaves the cleared lines below it.
    const int read = static_cast<int>(lines.size());
    const bool grows = read > lastRow + 1;
    Tape& tape = result.tape;
    tape.TapeNumbers.assign(static_cast<std::size_t>(clearedLines), LineValue::integer(0));
    tape.TapeOps.assign(static_cast<std::size_t>(clearedLines), QChar(u'+'));
    tape.resize(grows ? read : std::max(read, clearedLines));
    result.valueMax = grows ? read - lastRow - 1 : 0;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (records) {
            readRecord(lines[i], tape.TapeOps[i], tape.TapeNumbers[i]);
        } else {
            tape.TapeOps[i] = u'+';
            if (!readColumnLine(lines[i], settings, tape.TapeNumbers[i])) {
                ++result.unreadLines;
            }
        }
    }
    return result;
}

}  // namespace tallimer
