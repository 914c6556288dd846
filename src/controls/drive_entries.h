#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/folder_listing.h"
#include "platform/volumes.h"

namespace tallimer {

// Entry kinds of the file browser (its EntryTypes values). A drive's code is its DriveType
// plus 10.
inline constexpr std::int32_t kEntryFolder = 1;  // ".." or a sub-folder
inline constexpr std::int32_t kEntryFile = 2;
inline constexpr std::int32_t kEntryReadOnlyFile = 3;
inline constexpr std::int32_t kEntryDriveBase = 10;
inline constexpr std::int32_t kEntryFloppy = 100;
inline constexpr std::int32_t kEntryHome = 110;

// One listing, indexed from 1: index 0 holds no entry. `paths` is where a click on the entry
// leads (a drive's mount path, the home folder); empty for folders and files, which are found
// by name in the listed folder.
struct DriveEntries {
    std::vector<QString> names{QString()};
    std::vector<std::int32_t> types{0};
    std::vector<QString> paths{QString()};

    int last() const { return static_cast<int>(names.size()) - 1; }
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

// Adds to `entries` ".." (unless `folder` is the root), then the sub-folders and the files of
// `found`, each group by name in any letter case.
void addFolderEntries(DriveEntries& entries, const QString& folder, std::vector<FolderEntry> found);

}  // namespace tallimer
