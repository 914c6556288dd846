// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/mount_table.h"

#include <algorithm>
#include <string_view>

#include <QSet>

namespace tallimer {

namespace {

// File system types and devices of the system's own plumbing, as GLib's file managers skip them.
constexpr std::string_view kSystemTypes[] = {
    "auto",       "autofs",          "bpf",         "binfmt_misc", "cgroup",
    "cgroup2",    "configfs",        "cpuset",      "debugfs",     "devfs",
    "devpts",     "devtmpfs",        "ecryptfs",    "efivarfs",    "fdescfs",
    "fusectl",    "fuse.gvfsd-fuse", "fuse.portal", "hugetlbfs",   "kernfs",
    "linprocfs",  "linsysfs",        "mfs",         "mqueue",      "nfsd",
    "nsfs",       "nullfs",          "ocfs2_dlmfs", "overlay",     "proc",
    "procfs",     "pstore",          "ptyfs",       "rootfs",      "rpc_pipefs",
    "securityfs", "selinuxfs",       "squashfs",    "sysfs",       "tracefs",
    "usbfs"};
constexpr std::string_view kSystemDevices[] = {"none", "sunrpc",    "devpts",
                                               "nfsd", "/dev/loop", "/dev/vn"};

bool underFolder(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(folder) && path.size() > folder.size() &&
           (folder.endsWith(u'/') || path[folder.size()] == u'/');
}

// The mount paths /etc/fstab marks x-gvfs-show.
QSet<QString> markedShown(QByteArrayView fstab) {
    QSet<QString> paths;
    for (const QByteArray& line : fstab.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 4 && !fields[0].startsWith('#') &&
            fields[3].split(',').contains("x-gvfs-show")) {
            paths.insert(unescapeMountPath(fields[1]));
        }
    }
    return paths;
}

bool shouldShow(const MountFacts& mount, const QSet<QString>& marked, const MountViewer& viewer) {
    const QString& path = mount.root;
    if (path == QStringLiteral("/") || isSystemType(mount.fileSystemType) ||
        listed(mount.device, kSystemDevices) || path.contains(QStringLiteral("/."))) {
        return false;
    }
    if (marked.contains(path)) {
        return true;
    }
    const QString runMedia = QStringLiteral("/run/media/") + viewer.user;
    return underFolder(path, QStringLiteral("/media/")) ||
           (!viewer.user.isEmpty() && underFolder(path, runMedia)) ||
           (viewer.home.size() > 1 && underFolder(path, viewer.home));
}

}  // namespace

bool listed(QByteArrayView value, std::span<const std::string_view> names) {
    return std::any_of(names.begin(), names.end(), [value](std::string_view name) {
        return value == QByteArrayView(name.data(), static_cast<qsizetype>(name.size()));
    });
}

bool isSystemType(QByteArrayView fileSystemType) {
    return listed(fileSystemType, kSystemTypes);
}

QString unescapeMountPath(QByteArrayView field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        const auto octal = [&field](qsizetype at) { return field[at] >= '0' && field[at] <= '7'; };
        if (c == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += c;
        }
    }
    return QString::fromLocal8Bit(out);
}

std::vector<MountFacts> shownMounts(QByteArrayView mountInfo, QByteArrayView fstab,
                                    const MountViewer& viewer) {
    const QSet<QString> marked = markedShown(fstab);
    std::vector<MountFacts> mounts;
    // id parent major:minor root mount-path options [optional fields...] - type source super
    for (const QByteArray& line : mountInfo.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (dash < 6 || dash + 2 >= fields.size()) {
            continue;
        }
        MountFacts mount{unescapeMountPath(fields[4]), fields[dash + 2], fields[dash + 1], {}};
        if (shouldShow(mount, marked, viewer)) {
            mounts.push_back(std::move(mount));
        }
    }
    return mounts;
}

}  // namespace tallimer
