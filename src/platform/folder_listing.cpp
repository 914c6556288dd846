// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/folder_listing.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tallimer {

namespace {

// Who the user is, read once per listing.
struct User {
    uid_t id = geteuid();
    std::vector<gid_t> groups;

    User() {
        groups.resize(static_cast<std::size_t>(std::max(getgroups(0, nullptr), 0)));
        const int count = getgroups(static_cast<int>(groups.size()), groups.data());
        groups.resize(static_cast<std::size_t>(std::max(count, 0)));
        groups.push_back(getegid());
    }

    // The permission bits that apply to the user; for a superuser (who may write anything)
    // the owner's bit, so that a file marked read-only still shows as such.
    bool mayWrite(const struct stat& status) const {
        if (id == 0 || id == status.st_uid) {
            return (status.st_mode & S_IWUSR) != 0;
        }
        if (std::find(groups.begin(), groups.end(), status.st_gid) != groups.end()) {
            return (status.st_mode & S_IWGRP) != 0;
        }
        return (status.st_mode & S_IWOTH) != 0;
    }
};

}  // namespace

QString processFolder() {
    // getcwd answers from the kernel's own record, never from the file system.
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            // Removed since the program started: start where file choosers do.
            return QDir::homePath();
        }
        buffer.resize(buffer.size() * 2);
    }
    return QFile::decodeName(buffer.data());
}

FolderListing listFolder(const QString& folder, const std::function<bool(QStringView)>& wantFile) {
    FolderListing listing;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr) {
        return listing;
    }
    listing.opened = true;
    const int fd = dirfd(dir);
    // Every file listed lies on the folder's own file system.
    struct statvfs volume {};
    const bool readOnlyVolume = fstatvfs(fd, &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0;
    const User user;

    struct Found {
        FolderEntry entry;
        std::string systemName;
        bool examine = false;      // a file, a link or an untyped entry: a stat tells more
        bool filterLater = false;  // a link or an untyped entry, filtered once known
        bool dropped = false;      // its own member: the two threads write neighbouring ones
    };
    std::vector<Found> found;
    while (const dirent* next = readdir(dir)) {
        if (next->d_name[0] == '.') {
            continue;  // hidden, and "." and ".."
        }
        const bool typed = next->d_type != DT_LNK && next->d_type != DT_UNKNOWN;
        if (typed && next->d_type != DT_DIR && next->d_type != DT_REG) {
            continue;
        }
        QString name = QFile::decodeName(next->d_name);
        if (typed && next->d_type == DT_REG && !wantFile(name)) {
            continue;  // a file not wanted, left unexamined
        }
        const bool needsStat = !typed || next->d_type == DT_REG;
        found.push_back({{std::move(name), next->d_type == DT_DIR},
                         needsStat ? std::string(next->d_name) : std::string(),
                         needsStat,
                         !typed});
    }

    // What a link or an untyped entry is, and whether a file may be written; a stat each,
    // the bulk of a large folder's time, so a second thread takes half of a long run.
    const auto examine = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            Found& item = found[i];
            struct stat status {};
            if (!item.examine) {
                continue;
            }
            if (fstatat(fd, item.systemName.c_str(), &status, 0) != 0) {
                item.dropped = true;
            } else if (S_ISDIR(status.st_mode)) {
                item.entry.folder = true;
            } else if (!S_ISREG(status.st_mode)) {
                item.dropped = true;
            } else {
                item.entry.readOnly = readOnlyVolume || !user.mayWrite(status);
            }
        }
    };
    const std::size_t half = found.size() > 2000 ? found.size() / 2 : 0;
    {
        std::optional<std::jthread> helper;
        if (half > 0) {
            helper.emplace(examine, std::size_t{0}, half);
        }
        examine(half, found.size());
    }
    closedir(dir);

    listing.entries.reserve(found.size());
    for (Found& item : found) {
        // A link or an untyped entry that turned out a file is filtered only now.
        if (!item.dropped &&
            (!item.filterLater || item.entry.folder || wantFile(item.entry.name))) {
            listing.entries.push_back(std::move(item.entry));
        }
    }
    return listing;
}

}  // namespace tallimer
