#include "platform/folder_listing.h"

#include <QFile>

#include <algorithm>
#include <optional>
#include <string>
#include <thread>
#include <utility>

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

    // Entries still to examine (files, links, untyped entries), by their system names.
    std::vector<std::pair<std::size_t, std::string>> unexamined;
    std::vector<bool> filtered;  // a link or an untyped entry, not yet filtered
    while (const dirent* found = readdir(dir)) {
        if (found->d_name[0] == '.') {
            continue;  // hidden, and "." and ".."
        }
        const bool typed = found->d_type != DT_LNK && found->d_type != DT_UNKNOWN;
        if (typed && found->d_type != DT_DIR && found->d_type != DT_REG) {
            continue;
        }
        QString name = QFile::decodeName(found->d_name);
        if (typed && found->d_type == DT_REG && !wantFile(name)) {
            continue;  // a file not wanted, left unexamined
        }
        if (!typed || found->d_type == DT_REG) {
            unexamined.emplace_back(entries.size(), found->d_name);
        }
        filtered.push_back(!typed);
        entries.push_back({std::move(name), found->d_type == DT_DIR});
    }

    // What a link or an untyped entry is, and whether a file may be written; a stat each,
    // the bulk of a large folder's time, so a second thread takes half of a long run.
    enum Verdict : char { kKept, kDropped };
    // chars, not bools: the two threads write neighbouring entries.
    std::vector<char> verdicts(entries.size(), kKept);
    const auto examine = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            FolderEntry& entry = entries[unexamined[i].first];
            struct stat status {};
            char& verdict = verdicts[unexamined[i].first];
            if (fstatat(fd, unexamined[i].second.c_str(), &status, 0) != 0) {
                verdict = kDropped;
            } else if (S_ISDIR(status.st_mode)) {
                entry.folder = true;
            } else if (!S_ISREG(status.st_mode)) {
                verdict = kDropped;
            } else {
                entry.readOnly = readOnlyVolume || !user.mayWrite(status);
            }
        }
    };
    const std::size_t half = unexamined.size() > 2000 ? unexamined.size() / 2 : 0;
    {
        std::optional<std::jthread> helper;
        if (half > 0) {
            helper.emplace(examine, std::size_t{0}, half);
        }
        examine(half, unexamined.size());
    }
    closedir(dir);

    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // A link or an untyped entry that turned out a file is filtered only now.
        if (verdicts[i] == kKept &&
            (!filtered[i] || entries[i].folder || wantFile(entries[i].name))) {
            entries[kept++] = std::move(entries[i]);
        }
    }
    entries.resize(kept);
    return entries;
}

}  // namespace tallimer
