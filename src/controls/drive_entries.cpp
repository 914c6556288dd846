// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/drive_entries.h"

#include <algorithm>
#include <string>

#include <QDir>
#include <QFileInfo>

namespace tallimer {

namespace {

struct Found {
    // The name case-folded, in UTF-8 (whose byte order is the order of the characters), so
    // that ordering thousands of names needs no folding and no wide compare per comparison.
    std::string key;
    QString name;
    std::int32_t type;
};

}  // namespace

bool passesFilter(QStringView fileName, const QString& filter) {
    return filter == QStringLiteral(".*") || fileName.contains(filter, Qt::CaseInsensitive);
}

QString driveText(const Volume& volume) {
    if (volume.label.isEmpty()) {
        return volume.root;
    }
    return volume.root + QStringLiteral(" <") + volume.label + u'>';
}

std::int32_t driveCode(const Volume& volume) {
    if (volume.floppy) {
        return kEntryFloppy;
    }
    return kEntryDriveBase + static_cast<std::int32_t>(volume.type);
}

DriveEntries placeEntries(const std::vector<Volume>& volumes, const QString& home) {
    DriveEntries entries;
    for (const Volume& volume : volumes) {
        const std::int32_t code = driveCode(volume);
        if (code != kEntryDriveBase) {
            entries.rows.push_back({driveText(volume), code, volume.root});
        }
    }
    if (home.size() > 1) {
        entries.rows.push_back({QFileInfo(QDir::cleanPath(home)).fileName(), kEntryHome, home});
    }
    return entries;
}

std::vector<DriveEntry> folderRows(const QString& folder, std::vector<FolderEntry> found) {
    std::vector<DriveEntry> rows;
    if (QDir::cleanPath(folder) != QStringLiteral("/")) {
        rows.push_back({QStringLiteral(".."), kEntryFolder, {}});
    }

    std::vector<Found> folders;
    std::vector<Found> files;
    for (FolderEntry& entry : found) {
        const std::int32_t type = entry.folder     ? kEntryFolder
                                  : entry.readOnly ? kEntryReadOnlyFile
                                                   : kEntryFile;
        (entry.folder ? folders : files)
            .push_back({entry.name.toCaseFolded().toStdString(), std::move(entry.name), type});
    }
    const auto byName = [](const Found& a, const Found& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    rows.reserve(rows.size() + folders.size() + files.size());
    for (const auto* group : {&folders, &files}) {
        for (const Found& item : *group) {
            rows.push_back({item.name, item.type, {}});
        }
    }
    return rows;
}

}  // namespace tallimer
