// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
    bool readOnly = false;  // files only: the user may not write it
};

// What a listing found; `opened` is false when the folder could not be read at all.
struct FolderListing {
    bool opened = false;
    std::vector<FolderEntry> entries;
};

// The sub-folders and the files of `folder` that `wantFile` accepts, in the order the system
// returns them. Hidden entries (names starting with "."), devices, sockets and dangling links
// are left out; a link counts as what it points to. A folder that cannot be read gives what
// could be read of it, perhaps nothing. `folder` is an absolute path. Files are not opened, only
// examined for their kind and whether the user may write them (its permission bits, a read-only
// file system, or for a superuser, who may write anything, the owner's write bit). May block on a
// hung file system: call it off the GUI thread.
FolderListing listFolder(const QString& folder, const std::function<bool(QStringView)>& wantFile);

// The process's current folder, read without touching a file system; the process never
// changes it. The home folder when it has been removed.
QString processFolder();

}  // namespace tallimer
