// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/clc_format.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

#include "files/clc_reader.h"
#include "platform/number_reader.h"

namespace tallimer {

namespace {

// Far beyond any real calculation (32768 lines of long numbers are about a megabyte), small
// enough that a wrong file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

// Single-byte text: a character beyond Latin-1 cannot be stored and becomes "?".
char latin1(QChar c) {
    return c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
}

bool fail(ClcError* error, int line, const QString& reason) {
    if (error != nullptr) {
        *error = ClcError{line, reason};
    }
    return false;
}

}  // namespace

QString ClcError::message() const {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

bool readClc(const QByteArray& bytes, const RegionalSettings& settings, Tape& tape,
             ClcError* error) {
    ClcReader reader(settings, bytes.size());
    if (reader.feed(bytes) && reader.finish(tape)) {
        return true;
    }
    return fail(error, reader.error().line, reader.error().reason);
}

QByteArray writeClc(const Tape& tape, const RegionalSettings& userSettings) {
    const RegionalSettings settings = fileSettings(userSettings);
    QByteArray out;
    out.reserve(32 + static_cast<qsizetype>(tape.size()) * 16);
    out.append(kClcHeader).append("\r\n");
    for (int i = 0; i < tape.size(); ++i) {
        // A line without an operator gets a blank in its place, or the value's first
        // character would be read back as the operator.
        const QChar op = tape.TapeOps[i];
        const QString value = tape.TapeNumbers[i].plainText(settings);
        const qsizetype at = out.size();
        out.resize(at + 1 + value.size() + 2);
        char* line = out.data() + at;
        *line++ = latin1(op.isNull() ? QChar(u' ') : op);
        for (const QChar c : value) {
            *line++ = latin1(c);
        }
        *line++ = '\r';
        *line = '\n';
    }
    return out;
}

bool loadClc(const QString& path, const RegionalSettings& settings, Tape& tape, ClcError* error) {
    if (QFileInfo(path).isDir()) {
        return fail(error, 0, QStringLiteral("it is a folder, not a calculation file"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(error, 0, file.errorString());
    }
    if (file.size() > kMaxFileBytes) {
        return fail(error, 0, QStringLiteral("the file is too large to be a calculation"));
    }
    // Through a small buffer: a long file never sits in memory whole.
    ClcReader reader(settings, file.size());
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) {
            return fail(error, 0, file.errorString());
        }
        if (got == 0) {
            break;
        }
        if (!reader.feed(QByteArrayView(buffer, got))) {
            return fail(error, reader.error().line, reader.error().reason);
        }
    }
    if (!reader.finish(tape)) {
        return fail(error, reader.error().line, reader.error().reason);
    }
    return true;
}

bool saveClc(const QString& path, const Tape& tape, const RegionalSettings& settings,
             ClcError* error) {
    SaveSteps steps;
    return saveClc(path, tape, settings, error, steps);
}

bool saveClc(const QString& path, const Tape& tape, const RegionalSettings& settings,
             ClcError* error, SaveSteps& steps) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, 0, file.errorString());
    }
    const QByteArray bytes = writeClc(tape, settings);
    if (steps.write(file, bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, 0, reason);
    }
    if (!steps.commit(file)) {
        return fail(error, 0, file.errorString());
    }
    return true;
}

int padForView(Tape& tape, int lastRow) {
    if (tape.size() < lastRow + 1) {
        tape.resize(lastRow + 1, u'+');
    }
    return tape.lastIndex() - lastRow;
}

}  // namespace tallimer
