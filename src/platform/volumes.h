// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

namespace tallimer {

// The kinds of drive the file browser tells apart, numbered as the drive types it shows.
enum class DriveType : std::int32_t {
    Unknown = 0,
    Removable = 2,
    Fixed = 3,
    Network = 4,
    Optical = 5,
    RamDisk = 6,
};

// One mounted volume, as the file browser lists it.
struct Volume {
    QString root;   // the mount path
    QString label;  // "" when the volume has none
    DriveType type = DriveType::Fixed;
    bool floppy = false;  // on a /dev/fd* device
};

// What the mount table says about one mount, and the label udev knows its device by.
struct MountFacts {
    QString root;
    QByteArray device;
    QByteArray fileSystemType;
    QString label;
};

// The volume a mount stands for, or nothing for a pseudo file system (proc, sysfs, cgroup...),
// which is no drive. `sysRoot` is where /sys is, so tests can hand in a tree of their own; with
// "" removable devices are not told apart from fixed ones.
std::optional<Volume> volumeFromMount(const MountFacts& mount,
                                      const QString& sysRoot = QStringLiteral("/sys"));

// The device node behind a mount's device, for /dev devices only (a link there is followed by
// its text): any other device string (srv:/export, tmpfs, a folder of a FUSE mount) is a name,
// never looked up, least of all in the current folder, which may be on a dead mount.
QString deviceNode(const QByteArray& device);

// True when /sys says the block device behind `device` (a partition's disk included) is
// removable.
bool isRemovableDevice(const QByteArray& device, const QString& sysRoot);

// The mounted real volumes, the file system root first, then in mount path order. Without
// `deviceFacts`, from the mount tables alone (no labels, no removable drives), as the GUI
// thread may read them; with them, from udev's links under /dev and from /sys too.
std::vector<Volume> mountedVolumes(bool deviceFacts = true);

}  // namespace tallimer
