// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/mount_table.h"
#include "platform/volumes.h"
#include "test_names.h"

namespace tallimer {
namespace {

struct MountCase {
    const char* name;
    const char* device;
    const char* type;
    const char* label;
    bool listed;
    DriveType drive;
    bool floppy;
    const char* shownLabel;
};

class VolumeFromMount : public ::testing::TestWithParam<MountCase> {
protected:
    // A /sys of one removable disk sdb with a partition sdb1, and one fixed disk sda.
    static void SetUpTestSuite() {
        sys = new QTemporaryDir;
        const QString root = sys->path();
        QDir().mkpath(root + "/block/sdb/sdb1");
        QDir().mkpath(root + "/block/sda/sda1");
        QDir().mkpath(root + "/class/block");
        write(root + "/block/sdb/removable", "1\n");
        write(root + "/block/sda/removable", "0\n");
        write(root + "/block/sdb/sdb1/partition", "1\n");
        write(root + "/block/sda/sda1/partition", "1\n");
        QFile::link(root + "/block/sdb/sdb1", root + "/class/block/sdb1");
        QFile::link(root + "/block/sda/sda1", root + "/class/block/sda1");
    }
    static void TearDownTestSuite() { delete sys; }
    static void write(const QString& path, const char* text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QTemporaryDir* sys;
};
QTemporaryDir* VolumeFromMount::sys = nullptr;

TEST_P(VolumeFromMount, Classifies) {
    const MountCase& c = GetParam();
    const MountFacts mount{QStringLiteral("/mnt/x"), c.device, c.type, QString::fromUtf8(c.label)};
    const auto volume = volumeFromMount(mount, sys->path());
    ASSERT_EQ(volume.has_value(), c.listed);
    if (!c.listed) {
        return;
    }
    EXPECT_EQ(volume->root, QStringLiteral("/mnt/x"));
    EXPECT_EQ(volume->type, c.drive);
    EXPECT_EQ(volume->floppy, c.floppy);
    EXPECT_EQ(volume->label, QString::fromUtf8(c.shownLabel));
}

const MountCase kMounts[] = {
    {"proc is no drive", "proc", "proc", "", false, DriveType::Unknown, false, ""},
    {"cgroup2 is no drive", "cgroup2", "cgroup2", "", false, DriveType::Unknown, false, ""},
    {"tmpfs is a RAM disk", "tmpfs", "tmpfs", "", true, DriveType::RamDisk, false, ""},
    {"nfs4 is a network drive", "srv:/x", "nfs4", "", true, DriveType::Network, false, ""},
    {"cifs is a network drive", "//srv/x", "cifs", "", true, DriveType::Network, false, ""},
    {"iso9660 is optical", "/dev/sr0", "iso9660", "CD", true, DriveType::Optical, false, "CD"},
    {"udf is optical", "/dev/sr0", "udf", "", true, DriveType::Optical, false, ""},
    {"partition of a removable disk", "/dev/sdb1", "vfat", "STICK", true, DriveType::Removable,
     false, "STICK"},
    {"removable whole disk", "/dev/sdb", "vfat", "", true, DriveType::Removable, false, ""},
    {"partition of a fixed disk", "/dev/sda1", "ext4", "", true, DriveType::Fixed, false, ""},
    {"unknown device is fixed", "/dev/vda", "ext4", "", true, DriveType::Fixed, false, ""},
    {"floppy device", "/dev/fd0", "vfat", "", true, DriveType::Fixed, true, ""},
};
INSTANTIATE_TEST_SUITE_P(Mounts, VolumeFromMount, ::testing::ValuesIn(kMounts),
                         test_names::ByName{});

TEST(DeviceNode, OnlyDevDevicesAreLookedUp) {
    // A relative device name that the current folder holds: still only a name.
    QFile local(QStringLiteral("tmpfs"));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    for (const char* name : {"tmpfs", "srv:/export", "portal", "//srv/share"}) {
        EXPECT_EQ(deviceNode(name).toStdString(), "") << name;
    }
    local.remove();
    EXPECT_EQ(deviceNode("/dev/tallimer-none"), QStringLiteral("/dev/tallimer-none"));
}

TEST(MountedVolumes, RootFirstAndNoPseudoFileSystems) {
    const std::vector<Volume> volumes = mountedVolumes();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front().root, QStringLiteral("/"));
    for (const Volume& v : volumes) {
        EXPECT_FALSE(v.root.startsWith(QStringLiteral("/proc"))) << v.root.toStdString();
        EXPECT_NE(v.type, DriveType::Unknown) << v.root.toStdString();
    }
}

TEST(ShownMounts, AsAFileManagerShowsThem) {
    struct Case {
        const char* line;  // the mount path, options, type and source of a mountinfo line
        bool shown;
    };
    const Case cases[] = {
        {"/ rw - ext4 /dev/sda2 rw", false},  // the root is added on its own
        {"/run rw,nosuid - tmpfs tmpfs rw", false},
        {"/run/lock rw - tmpfs tmpfs rw", false},
        {"/run/user/1000 rw shared:5 - tmpfs tmpfs rw", false},
        {"/snap/core/1 ro - squashfs /dev/loop3 ro", false},
        {"/boot/efi rw - vfat /dev/sda1 rw", false},
        {"/proc rw - proc proc rw", false},
        {"/media/ann/STICK rw shared:9 - vfat /dev/sdb1 rw", true},
        {"/media/ann/My\\040Disk rw - ext4 /dev/sdc1 rw", true},
        {"/run/media/ann/DISC ro - iso9660 /dev/sr0 ro", true},
        {"/run/media/bob/DISC ro - iso9660 /dev/sr1 ro", false},
        {"/home/ann/nas rw - nfs4 srv:/export rw", true},
        {"/home/ann/.cache/doc rw - fuse.portal portal rw", false},
        {"/home/ann/.hidden rw - ext4 /dev/sdd1 rw", false},
        {"/media/ann/loop rw - ext4 /dev/loop rw", false},
        {"/srv/data rw - ext4 /dev/sde1 rw", true},  // marked x-gvfs-show
        {"/srv/other rw - ext4 /dev/sde2 rw", false},
        {"broken line", false},
    };
    QByteArray mountInfo;
    QStringList expected;
    for (const Case& c : cases) {
        mountInfo += QByteArray("22 1 8:1 / ") + c.line + '\n';
        if (c.shown) {
            expected << unescapeMountPath(QByteArray(c.line).split(' ').front());
        }
    }
    const QByteArray fstab =
        "# /srv/other x x-gvfs-show\n"
        "UUID=1  /srv/data  ext4  defaults,x-gvfs-show  0 2\n"
        "UUID=2  /srv/other  ext4  defaults  0 2\n";
    QStringList shown;
    for (const MountFacts& m : shownMounts(mountInfo, fstab, {"/home/ann", "ann"})) {
        shown << m.root;
    }
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(expected.contains(QStringLiteral("/media/ann/My Disk")));
}

}  // namespace
}  // namespace tallimer
