// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>

#include <QString>

#include "files/save_steps.h"

namespace tallimer {

// One save of a path among the others of the same path, made in the order the user asked for
// them: a save puts its file in place only while no newer save of the path has done so and
// while it has not been abandoned; otherwise its temporary file is discarded. Files of one path
// go in place one at a time, so an earlier one never lands after a later one.
class OrderedSave : public SaveSteps {
public:
    // Newer than every save of `path` made before it.
    explicit OrderedSave(const QString& path);
    ~OrderedSave() override;
    OrderedSave(const OrderedSave&) = delete;
    OrderedSave& operator=(const OrderedSave&) = delete;

    // From any thread: the save will not put its file in place (true), or is already doing so
    // or has done so (false).
    bool abandon();

    // Hands the bytes on to the file system at once: a write that takes long does so while
    // the save can still be abandoned.
    qint64 write(QSaveFile& file, const QByteArray& bytes) override;
    // True also when a newer save of the path has landed first: the file holds a newer tape.
    bool commit(QSaveFile& file) override;

private:
    enum class Stage { Writing, Committing, Ended, Abandoned };
    struct Path;

    std::shared_ptr<Path> m_path;
    std::uint64_t m_number = 0;
    Stage m_stage = Stage::Writing;  // guarded by the path's mutex
};

}  // namespace tallimer
