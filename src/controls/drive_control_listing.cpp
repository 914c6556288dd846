// DriveControl's listing: the folder is read by the file service and drawn when it arrives.
#include <QDir>

#include <algorithm>

#include "controls/drive_control.h"
#include "platform/file_service.h"

namespace tallimer {

namespace {

struct Listed {
    bool opened = false;
    std::vector<DriveEntry> rows;
};

}  // namespace

void DriveControl::GetDir(QString& PathDir) {
    if (PathDir.isEmpty()) {
        PathDir = m_folder;
    } else {
        m_folder = QDir::cleanPath(QDir::isAbsolutePath(PathDir) ? PathDir : inFolder(PathDir));
    }
    m_volumes = currentVolumes();
    m_home = m_sources.home ? m_sources.home() : QString();
    m_entries = placeEntries(m_volumes, m_home);
    m_SelectedEntry = -1;
    m_pending = true;
    ++m_generation;
    layOut();
    announce(QAccessible::ObjectReorder);

    if (m_sources.volumeDetails) {
        FileService::instance().run(
            &m_volumeJobs, QStringLiteral("volumes"), m_sources.volumeDetails,
            [this](std::vector<Volume>& details) { showVolumeDetails(details); });
    }
    // The same folder and filter still being read, perhaps for good, is not read again.
    const QString folder = m_folder;
    FileService::instance().run(
        this, QStringLiteral("list|%1|%2").arg(m_ExtFilter, folder),
        [folder, filter = m_ExtFilter, list = m_sources.list] {
            const auto wanted = [&filter](QStringView name) { return passesFilter(name, filter); };
            FolderListing found = list ? list(folder, wanted) : listFolder(folder, wanted);
            return Listed{found.opened, folderRows(folder, std::move(found.entries))};
        },
        [this, folder](Listed& listed) { showListing(folder, listed.opened, listed.rows); });
}

void DriveControl::showListing(const QString& folder, bool opened, std::vector<DriveEntry>& rows) {
    if (!opened && folder != m_reachable) {
        QString back = m_reachable;
        GetDir(back);
        return;
    }
    if (opened) {
        m_reachable = folder;
    }
    m_finishedFolder = folder;
    m_finishedFiles.clear();
    for (const DriveEntry& row : rows) {
        if (row.type == kEntryFile || row.type == kEntryReadOnlyFile) {
            m_finishedFiles.push_back(row.name);
        }
    }
    m_entries.rows.insert(m_entries.rows.end(), std::make_move_iterator(rows.begin()),
                          std::make_move_iterator(rows.end()));
    m_SelectedEntry = -1;
    m_pending = false;
    layOut();
    announce(QAccessible::ObjectReorder);
}

namespace {

bool sameRoots(const std::vector<Volume>& a, const std::vector<Volume>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Volume& x, const Volume& y) { return x.root == y.root; });
}

}  // namespace

std::vector<Volume> DriveControl::currentVolumes() {
    std::vector<Volume> volumes = m_sources.volumes ? m_sources.volumes() : std::vector<Volume>{};
    return sameRoots(volumes, m_details) ? m_details : volumes;
}

void DriveControl::showVolumeDetails(std::vector<Volume>& details) {
    if (!sameRoots(details, m_volumes)) {
        return;  // the mounts have changed since: the next listing asks again
    }
    m_details = std::move(details);
    const std::vector<DriveEntry> places = placeEntries(m_volumes, m_home).rows;
    const std::vector<DriveEntry> detailed = placeEntries(m_details, m_home).rows;
    m_volumes = m_details;
    if (places.size() != detailed.size() || m_entries.rows.size() < places.size() ||
        !std::equal(places.begin(), places.end(), m_entries.rows.begin())) {
        return;
    }
    std::copy(detailed.begin(), detailed.end(), m_entries.rows.begin());
    sFiles_Change();
}

QString DriveControl::FileExtention(const QString& Pattern) {
    m_ExtFilter = Pattern;
    QString here;
    GetDir(here);
    return {};
}

}  // namespace tallimer
