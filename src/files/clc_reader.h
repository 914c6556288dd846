// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "engine/tape.h"
#include "files/clc_format.h"
#include "platform/regional.h"

namespace tallimer {

// Reads a calculation file fed in pieces of any size, so a file is read through a small
// buffer: line 1 is skipped, each further line becomes a tape line. Lines end with CR LF, a
// lone CR or a lone LF, even where a piece ends between the CR and the LF.
class ClcReader {
public:
    // `sizeHint`: the file's size when known, to size the tape once. The settings are kept by
    // value, so a temporary will do.
    explicit ClcReader(const RegionalSettings& settings, qint64 sizeHint = 0);

    // False once a line fails; error() then says which and why.
    bool feed(QByteArrayView bytes);
    // The end of the file: on success `tape` becomes exactly the lines read; on failure it is
    // left as it was.
    bool finish(Tape& tape);

    const ClcError& error() const { return m_error; }

private:
    bool takeLine(QByteArrayView line);
    bool fail(int line, const QString& reason);

    RegionalSettings m_settings;
    Tape m_read;
    QByteArray m_partial;  // the start of a line that the next piece ends
    bool m_skipLineFeed = false;
    bool m_haveHeader = false;
    bool m_failed = false;
    ClcError m_error;
};

}  // namespace tallimer
