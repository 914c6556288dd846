#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QStringView>

namespace tallimer {

// One entry of a folder: a sub-folder or a file.
struct FolderEntry {
    QString name;
    bool folder = false;
};

// The sub-folders and the files of `folder` that `wantFile` accepts, in the order the system
// returns them. Hidden entries (names starting with "."), devices, sockets and dangling links
// are left out; a link counts as what it points to. A folder that cannot be read gives what
// could be read of it, perhaps nothing. Files are not opened or examined beyond their kind.
std::vector<FolderEntry> listFolder(const QString& folder,
                                    const std::function<bool(QStringView)>& wantFile);

// True when the user may not write the file at `path`: its permission bits, a read-only file
// system, or (for a superuser, who may write anything) a file marked read-only by its owner's
// write bit. False when the file cannot be examined.
bool isReadOnlyFile(const QString& path);

}  // namespace tallimer
