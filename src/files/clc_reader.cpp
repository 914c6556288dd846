// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/clc_reader.h"

#include <algorithm>
#include <utility>

#include "platform/number_reader.h"

namespace tallimer {

namespace {

// A line longer than this is no calculation line (a number with blanks around it included).
constexpr qsizetype kMaxLineBytes = 1024 * 1024;

// The value's text as shown in a message, cut short when long.
QString quoted(QByteArrayView text) {
    constexpr qsizetype kShown = 40;
    if (text.size() > kShown) {
        return u'"' + QString::fromLatin1(text.first(kShown)) + QStringLiteral("...\"");
    }
    return u'"' + QString::fromLatin1(text) + u'"';
}

}  // namespace

ClcReader::ClcReader(const RegionalSettings& settings, qint64 sizeHint) : m_settings(settings) {
    // Every tape line takes at least three bytes ("+5" and its line end).
    const auto expected = static_cast<std::size_t>(
        std::clamp<qint64>(sizeHint / 3 + 1, 1, static_cast<qint64>(kMaxTapeLines)));
    m_read.TapeNumbers.reserve(expected);
    m_read.TapeOps.reserve(expected);
}

bool ClcReader::fail(int line, const QString& reason) {
    m_failed = true;
    m_error = ClcError{line, reason};
    return false;
}

bool ClcReader::feed(QByteArrayView bytes) {
    qsizetype pos = 0;
    const qsizetype size = bytes.size();
    if (m_skipLineFeed && size > 0) {
        m_skipLineFeed = false;
        pos += bytes[0] == '\n' ? 1 : 0;
    }
    while (!m_failed && pos < size) {
        const char* start = bytes.data() + pos;
        const char* end =
            std::find_if(start, bytes.data() + size, [](char c) { return c == '\r' || c == '\n'; });
        const QByteArrayView segment(start, end - start);
        pos += segment.size();
        if (pos == size) {
            // No line end in this piece: keep the start for the next.
            if (m_partial.size() + segment.size() > kMaxLineBytes) {
                return fail(m_read.size() + (m_haveHeader ? 2 : 1),
                            QStringLiteral("the line is too long"));
            }
            m_partial.append(segment);
            break;
        }
        const bool carriageReturn = bytes[pos] == '\r';
        ++pos;
        if (carriageReturn) {
            if (pos < size) {
                pos += bytes[pos] == '\n' ? 1 : 0;
            } else {
                m_skipLineFeed = true;
            }
        }
        if (m_partial.isEmpty()) {
            takeLine(segment);
        } else {
            m_partial.append(segment);
            takeLine(m_partial);
            m_partial.clear();
        }
    }
    return !m_failed;
}

bool ClcReader::takeLine(QByteArrayView line) {
    if (!m_haveHeader) {
        m_haveHeader = true;  // read and ignored
        return true;
    }
    const int fileLine = m_read.size() + 2;
    if (m_read.size() == kMaxTapeLines) {
        return fail(0, QStringLiteral("the file holds more than %1 tape lines").arg(kMaxTapeLines));
    }
    const QChar op = line.isEmpty() ? QChar() : QChar::fromLatin1(line.front());
    const QByteArrayView valueText = line.isEmpty() ? line : line.sliced(1);
    if (!line.isEmpty() && valueText.isEmpty()) {
        // An operator alone is how a line without a value is saved: it reads back as one.
        m_read.TapeOps.push_back(op);
        m_read.TapeNumbers.emplace_back();
        return true;
    }
    Decimal value;
    const ReadStatus status = readFileValue(valueText, m_settings, value);
    switch (status) {
        case ReadStatus::Ok:
            break;
        case ReadStatus::Overflow:
            return fail(fileLine,
                        quoted(valueText) + QStringLiteral(" is beyond the number range"));
        case ReadStatus::Invalid:
            return fail(fileLine, line.isEmpty()
                                      ? QStringLiteral("the line is empty")
                                      : quoted(valueText) + QStringLiteral(" is not a number"));
    }
    m_read.TapeOps.push_back(op);
    m_read.TapeNumbers.emplace_back(value);
    return true;
}

bool ClcReader::finish(Tape& tape) {
    if (m_failed) {
        return false;
    }
    if (!m_partial.isEmpty()) {
        // The last line, without a line end.
        const QByteArray last = std::exchange(m_partial, {});
        if (!takeLine(last)) {
            return false;
        }
    }
    if (!m_haveHeader) {
        return fail(0, QStringLiteral("the file is empty: the header line is missing"));
    }
    if (m_read.size() == 0) {
        return fail(0, QStringLiteral("the file holds the header line only"));
    }
    tape = std::move(m_read);
    m_read = Tape();
    return true;
}

}  // namespace tallimer
