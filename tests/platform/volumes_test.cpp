#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/volumes.h"
#include "test_names.h"

namespace tallimer {
namespace {

struct MountCase {
    const char* name;
    const char* device;
    const char* type;
    const char* label;
    bool ready;
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
    const MountFacts mount{QStringLiteral("/mnt/x"), c.device, c.type, QString::fromUtf8(c.label),
                           c.ready};
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
    {"proc is no drive", "proc", "proc", "", true, false, DriveType::Unknown, false, ""},
    {"cgroup2 is no drive", "cgroup2", "cgroup2", "", true, false, DriveType::Unknown, false, ""},
    {"tmpfs is a RAM disk", "tmpfs", "tmpfs", "", true, true, DriveType::RamDisk, false, ""},
    {"nfs4 is a network drive", "srv:/x", "nfs4", "", true, true, DriveType::Network, false, ""},
    {"cifs is a network drive", "//srv/x", "cifs", "", true, true, DriveType::Network, false, ""},
    {"iso9660 is optical", "/dev/sr0", "iso9660", "CD", true, true, DriveType::Optical, false,
     "CD"},
    {"udf is optical", "/dev/sr0", "udf", "", true, true, DriveType::Optical, false, ""},
    {"partition of a removable disk", "/dev/sdb1", "vfat", "STICK", true, true,
     DriveType::Removable, false, "STICK"},
    {"removable whole disk", "/dev/sdb", "vfat", "", true, true, DriveType::Removable, false, ""},
    {"partition of a fixed disk", "/dev/sda1", "ext4", "", true, true, DriveType::Fixed, false, ""},
    {"unknown device is fixed", "/dev/vda", "ext4", "", true, true, DriveType::Fixed, false, ""},
    {"floppy device", "/dev/fd0", "vfat", "", true, true, DriveType::Fixed, true, ""},
    {"not ready has no root and no label", "/dev/sdb1", "vfat", "STICK", false, true,
     DriveType::NoRoot, false, ""},
};
INSTANTIATE_TEST_SUITE_P(Mounts, VolumeFromMount, ::testing::ValuesIn(kMounts),
                         test_names::ByName{});

TEST(MountedVolumes, RootFirstAndNoPseudoFileSystems) {
    const std::vector<Volume> volumes = mountedVolumes();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front().root, QStringLiteral("/"));
    for (const Volume& v : volumes) {
        EXPECT_FALSE(v.root.startsWith(QStringLiteral("/proc"))) << v.root.toStdString();
        EXPECT_NE(v.type, DriveType::Unknown) << v.root.toStdString();
    }
}

}  // namespace
}  // namespace tallimer
