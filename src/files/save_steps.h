// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QSaveFile>

namespace tallimer {

// The two steps of a save as the file system carries them out: writing the temporary file and
// putting it in place of the target. Tests replace them to fail a step as a full disk, a
// vanished folder or a refused rename would, which file permissions cannot arrange when the
// tests run as root.
class SaveSteps {
public:
    virtual ~SaveSteps() = default;
    // The bytes written, or -1.
    virtual qint64 write(QSaveFile& file, const QByteArray& bytes) { return file.write(bytes); }
    virtual bool commit(QSaveFile& file) { return file.commit(); }
};

}  // namespace tallimer
