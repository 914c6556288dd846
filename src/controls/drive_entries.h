// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/folder_listing.h"
#include "platform/volumes.h"

namespace tallimer {

// Entry kinds of the file browser (the type of each of its Entries). A drive's code is its
// DriveType plus 10.
inline constexpr std::int32_t kEntryFolder = 1;  // ".." or a sub-folder
inline constexpr std::int32_t kEntryFile = 2;
inline constexpr std::int32_t kEntryReadOnlyFile = 3;
inline constexpr std::int32_t kEntryDriveBase = 10;
inline constexpr std::int32_t kEntryFloppy = 100;
inline constexpr std::int32_t kEntryHome = 110;

// One row of the browser. `path` is where a click on it leads (a drive's mount path, the home
// folder); empty for folders and files, which are found by name in the listed folder.
struct DriveEntry {
    QString name;
    std::int32_t type = 0;
    QString path;

    bool operator==(const DriveEntry&) const = default;
};

// One listing, indexed from 1: index 0 holds no entry.
struct DriveEntries {
    std::vector<DriveEntry> rows{DriveEntry{}};

    int last() const { return static_cast<int>(rows.size()) - 1; }
};

// A file passes when the filter is ".*" or occurs in its name in any letter case ("" passes
// every file).
bool passesFilter(QStringView fileName, const QString& filter);

// The text of a drive row: its mount path, and " <label>" when the volume has a label.
QString driveText(const Volume& volume);

// The entry code of a drive; kEntryDriveBase (not listed) for a drive of unknown type.
std::int32_t driveCode(const Volume& volume);

// The drives and the home entry (when `home` is longer than "/"): what the list shows while
// its folder is being read.
DriveEntries placeEntries(const std::vector<Volume>& volumes, const QString& home);

// ".." (unless `folder` is the root), then the sub-folders and the files of `found`, each
// group by name in any letter case: the rows a folder adds to the drives and home.
std::vector<DriveEntry> folderRows(const QString& folder, std::vector<FolderEntry> found);

}  // namespace tallimer
