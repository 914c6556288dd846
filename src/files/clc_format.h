// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include "engine/tape.h"
#include "files/save_steps.h"
#include "platform/product.h"
#include "platform/regional.h"

namespace tallimer {

// The header line every calculation file starts with.
inline constexpr const char* kClcHeader = kProductTitle;
// The extension the dialog adds and a calculation's path contains.
inline const QString kClcExtension = QStringLiteral(".Clc");

// Why a calculation file could not be read or written. `line` is the file's line number
// (1 is the header), 0 when the failure concerns the whole file.
struct ClcError {
    int line = 0;
    QString reason;

    // "line 3: ..." or just the reason.
    QString message() const;
};

// Reads a calculation file's bytes (single-byte characters): line 1 is skipped, each further
// line is an operator character followed by the value's text in the user's regional rules; a
// value holding a single "." or "," and no other separator takes it as its decimal point.
// Lines end with CR LF, a lone CR or a lone LF. On success `tape` becomes exactly the lines
// read; on failure `tape` is left untouched and `error` says which line failed and why.
bool readClc(const QByteArray& bytes, const RegionalSettings& settings, Tape& tape,
             ClcError* error);

// The file's bytes: the header, then one line per tape line (operator, plain text of the
// value with the user's decimal symbol, "." where that is not ASCII; nothing for an empty
// value), each ended by CR LF.
QByteArray writeClc(const Tape& tape, const RegionalSettings& settings);

// Reads the file at `path` (see readClc).
bool loadClc(const QString& path, const RegionalSettings& settings, Tape& tape, ClcError* error);

// Writes the file at `path` through a temporary file in the same folder that replaces the
// target only once complete: a failed save leaves the previous file as it was.
bool saveClc(const QString& path, const Tape& tape, const RegionalSettings& settings,
             ClcError* error);
// The same through the given steps.
bool saveClc(const QString& path, const Tape& tape, const RegionalSettings& settings,
             ClcError* error, SaveSteps& steps);

// After opening: a tape shorter than the view's rows (lastRow + 1) is extended with "+" lines
// of empty value. Returns the scroll range the view then needs (the tape's last index minus
// lastRow).
int padForView(Tape& tape, int lastRow);

}  // namespace tallimer
