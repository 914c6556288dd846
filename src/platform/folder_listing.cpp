#include "platform/folder_listing.h"

#include <QFile>

#include <algorithm>

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

std::vector<FolderEntry> listFolder(const QString& folder,
                                    const std::function<bool(QStringView)>& wantFile) {
    std::vector<FolderEntry> entries;
    const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR* dir = opendir(path.constData());
    if (dir == nullptr) {
        return entries;
    }
    const int fd = dirfd(dir);
    // Every file listed lies on the folder's own file system.
    struct statvfs volume {};
    const bool readOnlyVolume = fstatvfs(fd, &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0;
    const User user;
    while (const dirent* found = readdir(dir)) {
        if (found->d_name[0] == '.') {
            continue;  // hidden, and "." and ".."
        }
        const bool typed = found->d_type != DT_LNK && found->d_type != DT_UNKNOWN;
        if (typed && found->d_type != DT_DIR && found->d_type != DT_REG) {
            continue;
        }
        QString name = QFile::decodeName(found->d_name);
        if (typed && found->d_type == DT_DIR) {
            entries.push_back({std::move(name), true});
            continue;
        }
        if (typed && !wantFile(name)) {
            continue;  // a file not wanted, left unexamined
        }
        // A file, or a link or an untyped entry: what it is decides, and a file's bits.
        struct stat status {};
        if (fstatat(fd, found->d_name, &status, 0) != 0) {
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            entries.push_back({std::move(name), true});
        } else if (S_ISREG(status.st_mode) && wantFile(name)) {
            entries.push_back({std::move(name), false, readOnlyVolume || !user.mayWrite(status)});
        }
    }
    closedir(dir);
    return entries;
}

}  // namespace tallimer
