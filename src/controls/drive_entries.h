#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

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
//
// Whether a file is read-only takes a look at the file, too slow for a folder of thousands:
// it is settled when the entry is first needed (drawn, clicked or asked for), and until then
// the file counts as writable.
struct DriveEntries {
    std::vector<QString> names{QString()};
    std::vector<std::int32_t> types{0};
    std::vector<QString> paths{QString()};
    std::vector<bool> unsettled{false};
    QString folder;  // the folder listed

    int last() const { return static_cast<int>(names.size()) - 1; }
    void settle(int index);
    void settleAll();
};

// A file passes when the filter is ".*" or occurs in its name in any letter case ("" passes
// every file).
bool passesFilter(QStringView fileName, const QString& filter);

// The text of a drive row: its mount path, and " <label>" when the volume has a label.
QString driveText(const Volume& volume);

// The entry code of a drive; kEntryDriveBase (not listed) for a drive of unknown type.
std::int32_t driveCode(const Volume& volume);

// Lists `folder`: the drives, the home entry (when `home` is longer than "/"), ".." (unless
// `folder` is the root), then the folder's sub-folders and its files that pass `filter`, each
// group by name in any letter case. Hidden entries (names starting with ".") are never listed.
// A folder that cannot be read lists nothing of its own.
DriveEntries collectEntries(const QString& folder, const std::vector<Volume>& volumes,
                            const QString& home, const QString& filter);

}  // namespace tallimer
