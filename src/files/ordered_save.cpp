// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/ordered_save.h"

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>

#include <QDir>

namespace tallimer {

struct OrderedSave::Path {
    std::mutex mutex;
    std::condition_variable changed;
    std::uint64_t made = 0;    // saves of the path made so far
    std::uint64_t landed = 0;  // the newest save whose file is in place
    bool committing = false;   // a file being put in place
};

namespace {

// The paths saves are running for. Never destroyed: a save stuck on a dead drive may end after
// the program's static objects are gone.
struct Paths {
    std::mutex mutex;
    std::map<QString, std::weak_ptr<void>> byName;
};
Paths& paths() {
    static auto* all = new Paths;
    return *all;
}

}  // namespace

OrderedSave::OrderedSave(const QString& path) {
    Paths& all = paths();
    const std::lock_guard lock(all.mutex);
    std::erase_if(all.byName, [](const auto& entry) { return entry.second.expired(); });
    std::weak_ptr<void>& entry = all.byName[QDir::cleanPath(path)];
    m_path = std::static_pointer_cast<Path>(entry.lock());
    if (!m_path) {
        m_path = std::make_shared<Path>();
        entry = m_path;
    }
    const std::lock_guard pathLock(m_path->mutex);
    m_number = ++m_path->made;
}

OrderedSave::~OrderedSave() = default;

bool OrderedSave::abandon() {
    const std::lock_guard lock(m_path->mutex);
    if (m_stage == Stage::Committing || m_stage == Stage::Ended) {
        return false;
    }
    m_stage = Stage::Abandoned;
    m_path->changed.notify_all();  // a save waiting for its turn gives up
    return true;
}

qint64 OrderedSave::write(QSaveFile& file, const QByteArray& bytes) {
    const qint64 written = SaveSteps::write(file, bytes);
    return written == bytes.size() && !file.flush() ? -1 : written;
}

bool OrderedSave::commit(QSaveFile& file) {
    bool landing = false;
    {
        std::unique_lock lock(m_path->mutex);
        m_path->changed.wait(lock,
                             [this] { return !m_path->committing || m_stage == Stage::Abandoned; });
        landing = m_stage == Stage::Writing && m_number > m_path->landed;
        m_stage = landing ? Stage::Committing : Stage::Ended;
        if (landing) {
            m_path->committing = true;
        }
    }
    if (!landing) {
        file.cancelWriting();  // the temporary file goes with the QSaveFile
        return true;
    }
    const bool landed = SaveSteps::commit(file);
    const std::lock_guard lock(m_path->mutex);
    if (landed) {
        m_path->landed = std::max(m_path->landed, m_number);
    }
    m_stage = Stage::Ended;
    m_path->committing = false;
    m_path->changed.notify_all();
    return landed;
}

}  // namespace tallimer
