// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// DriveControl's listing: the folder is read by the file service and drawn when it arrives.
#include <QDir>

#include <algorithm>

#include "controls/drive_control.h"
#include "platform/file_service.h"

namespace tallimer {

namespace {

// Made whole on the worker, so the GUI thread only moves it in.
struct Listed {
    bool opened = false;
    std::vector<DriveEntry> rows;  // the drives and home as asked for, then the folder's rows
    std::vector<QString> files;
    std::size_t places = 0;
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
    m_current = m_entries.last() >= 1 ? 1 : -1;
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
        [folder, filter = m_ExtFilter, list = m_sources.list, places = m_entries.rows] {
            const auto wanted = [&filter](QStringView name) { return passesFilter(name, filter); };
            FolderListing found = list ? list(folder, wanted) : listFolder(folder, wanted);
            std::vector<DriveEntry> rows = folderRows(folder, std::move(found.entries));
            Listed listed{found.opened, places, {}, places.size()};
            listed.rows.reserve(places.size() + rows.size());
            for (DriveEntry& row : rows) {
                if (row.type == kEntryFile || row.type == kEntryReadOnlyFile) {
                    listed.files.push_back(row.name);
                }
                listed.rows.push_back(std::move(row));
            }
            return listed;
        },
        [this, folder](Listed& listed) {
            if (listed.places != m_entries.rows.size()) {
                // Read for another browser, whose drives differ: read again.
                QString again = folder;
                GetDir(again);
                return;
            }
            showListing(folder, listed.opened, listed.rows, listed.files);
        });
}

void DriveControl::showListing(const QString& folder, bool opened, std::vector<DriveEntry>& rows,
                               std::vector<QString>& files) {
    if (!opened && folder != m_reachable) {
        QString back = m_reachable;
        GetDir(back);
        return;
    }
    if (opened) {
        m_reachable = folder;
    }
    m_finishedFolder = folder;
    m_finishedFiles = std::move(files);
    // The drives as shown now (their details may have arrived meanwhile) lead the rows read.
    std::copy(m_entries.rows.begin(), m_entries.rows.end(), rows.begin());
    std::swap(m_entries.rows, rows);  // the old rows go with the result, freed with it
    m_SelectedEntry = -1;
    // Where the keys moved it while the folder was read, among the drives listed at once.
    m_current = m_entries.last() >= 1 ? std::clamp(m_current, 1, m_entries.last()) : -1;
    m_pending = false;
    layOut();
    announce(QAccessible::ObjectReorder);
    tellCurrent(m_entered);
    m_entered = false;
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
