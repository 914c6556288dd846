// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/volumes.h"

#include <algorithm>
#include <string_view>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include "platform/mount_table.h"

namespace tallimer {

namespace {

constexpr std::string_view kRamTypes[] = {"tmpfs", "ramfs"};
constexpr std::string_view kNetworkTypes[] = {
    "nfs",  "nfs4",      "cifs", "smbfs",      "smb3",        "ncpfs", "afs",
    "ceph", "glusterfs", "9p",   "fuse.sshfs", "fuse.davfs2", "davfs", "fuse.rclone"};
constexpr std::string_view kOpticalTypes[] = {"iso9660", "udf"};

bool readsOne(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1) == "1";
}

// Where a link of the kernel's own trees (/dev, /sys) leads, worked out from the link's text:
// never resolved through a file system, which a hung mount would never answer.
QString linkTarget(const QString& path) {
    const QFileInfo node(path);
    return node.isSymLink() ? node.symLinkTarget() : path;
}

// Device node to volume label, from the links udev keeps in /dev/disk/by-label.
QHash<QString, QString> deviceLabels() {
    QHash<QString, QString> labels;
    const QDir folder(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files)) {
        QByteArray name = link.fileName().toLocal8Bit();
        name.replace("\\x20", " ");
        labels.insert(linkTarget(link.filePath()), QString::fromLocal8Bit(name));
    }
    return labels;
}

}  // namespace

QString deviceNode(const QByteArray& device) {
    return device.startsWith("/dev/") ? linkTarget(QString::fromLocal8Bit(device)) : QString();
}

bool isRemovableDevice(const QByteArray& device, const QString& sysRoot) {
    // /dev/disk/by-label/... and /dev/mapper/... are links to the device proper.
    const QString name = QFileInfo(deviceNode(device)).fileName();
    if (name.isEmpty()) {
        return false;
    }
    if (readsOne(sysRoot + QStringLiteral("/block/") + name + QStringLiteral("/removable"))) {
        return true;
    }
    // A partition: its class entry links into the disk's folder, which holds the flag.
    const QString entry = sysRoot + QStringLiteral("/class/block/") + name;
    const QString real = linkTarget(entry);
    if (real == entry || !QFileInfo::exists(real + QStringLiteral("/partition"))) {
        return false;
    }
    return readsOne(QFileInfo(real).path() + QStringLiteral("/removable"));
}

std::optional<Volume> volumeFromMount(const MountFacts& mount, const QString& sysRoot) {
    const QByteArray& type = mount.fileSystemType;
    if (mount.root.isEmpty() || isSystemType(type)) {
        return std::nullopt;
    }
    Volume volume;
    volume.root = mount.root;
    volume.floppy = mount.device.startsWith("/dev/fd");
    volume.label = mount.label;
    if (listed(type, kRamTypes)) {
        volume.type = DriveType::RamDisk;
    } else if (listed(type, kNetworkTypes)) {
        volume.type = DriveType::Network;
    } else if (listed(type, kOpticalTypes)) {
        volume.type = DriveType::Optical;
    } else if (!sysRoot.isEmpty() && isRemovableDevice(mount.device, sysRoot)) {
        volume.type = DriveType::Removable;
    } else {
        volume.type = DriveType::Fixed;
    }
    return volume;
}

std::vector<Volume> mountedVolumes(bool deviceFacts) {
    // The tables only: a statfs of a hung network mount would never return.
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const MountViewer viewer{qEnvironmentVariable("HOME"), qEnvironmentVariable("USER")};
    std::vector<MountFacts> mounts = shownMounts(read(QStringLiteral("/proc/self/mountinfo")),
                                                 read(QStringLiteral("/etc/fstab")), viewer);
    std::stable_sort(mounts.begin(), mounts.end(),
                     [](const MountFacts& a, const MountFacts& b) { return a.root < b.root; });

    std::vector<Volume> volumes{Volume{QStringLiteral("/"), {}, DriveType::Fixed, false}};
    const QHash<QString, QString> labels = deviceFacts ? deviceLabels() : QHash<QString, QString>();
    const QString sysRoot = deviceFacts ? QStringLiteral("/sys") : QString();
    for (MountFacts& mount : mounts) {
        const QString node = deviceFacts ? deviceNode(mount.device) : QString();
        mount.label = node.isEmpty() ? QString() : labels.value(node);
        if (auto volume = volumeFromMount(mount, sysRoot);
            volume && volume->root != volumes.back().root) {
            volumes.push_back(*volume);
        }
    }
    return volumes;
}

}  // namespace tallimer
