// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "platform/volumes.h"

namespace tallimer {

// Who is asking, for the mounts a user mounted in their own places.
struct MountViewer {
    QString home;  // the home folder, "" for none
    QString user;  // the login name, "" for none
};

// The mounts of a /proc/self/mountinfo text that a file manager shows, in the text's order:
// those under /media/, /run/media/<user>/ and the home folder, and those whose mount path an
// /etc/fstab text marks x-gvfs-show; never one whose path holds a hidden "/." component, nor
// a system-internal file system type or device. The root is not among them. Nothing here
// touches a mounted file system.
std::vector<MountFacts> shownMounts(QByteArrayView mountInfo, QByteArrayView fstab,
                                    const MountViewer& viewer);

// True when `value` is one of `names`.
bool listed(QByteArrayView value, std::span<const std::string_view> names);

// A file system type of the system's own plumbing (proc, sysfs, cgroup...), never a drive.
bool isSystemType(QByteArrayView fileSystemType);

// A path of the mount tables with its octal escapes ("\040" for a space) undone.
QString unescapeMountPath(QByteArrayView field);

}  // namespace tallimer
