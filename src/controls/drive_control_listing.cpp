// DriveControl's listing: the folder is read on a worker thread and drawn when it arrives.
#include <QDir>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "controls/drive_control.h"

namespace tallimer {

namespace {

// Never destroyed: the global pool would wait at exit for a listing a hung file system never
// ends.
QThreadPool& listingPool() {
    static QThreadPool* const pool = new QThreadPool;
    return *pool;
}

}  // namespace

void DriveControl::GetDir(QString& PathDir) {
    if (PathDir.isEmpty()) {
        PathDir = QDir::currentPath();
    } else {
        // An unreachable folder leaves the current one, which is then listed again.
        QDir::setCurrent(PathDir);
    }
    const std::vector<Volume> volumes =
        m_sources.volumes ? m_sources.volumes() : std::vector<Volume>{};
    const QString home = m_sources.home ? m_sources.home() : QString();
    m_entries = placeEntries(volumes, home);
    m_SelectedEntry = -1;
    m_pending = true;
    const std::uint64_t generation = ++m_generation;
    layOut();
    announce(QAccessible::ObjectReorder);

    auto* watcher = new QFutureWatcher<DriveEntries>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation != m_generation) {
            return;  // superseded: never drawn
        }
        m_entries = watcher->result();
        m_SelectedEntry = -1;
        m_pending = false;
        layOut();
        announce(QAccessible::ObjectReorder);
    });
    watcher->setFuture(
        QtConcurrent::run(&listingPool(), [entries = m_entries, folder = QDir::currentPath(),
                                           filter = m_ExtFilter, list = m_sources.list]() mutable {
            const auto wanted = [&filter](QStringView name) { return passesFilter(name, filter); };
            addFolderEntries(entries, folder,
                             list ? list(folder, wanted) : listFolder(folder, wanted));
            return entries;
        }));
}

QString DriveControl::FileExtention(const QString& Pattern) {
    m_ExtFilter = Pattern;
    QString here;
    GetDir(here);
    return {};
}

}  // namespace tallimer
