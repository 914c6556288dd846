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

bool isOneOf(const QByteArray& type, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(), [&type](std::string_view name) {
        return type == QByteArrayView(name.data(), static_cast<qsizetype>(name.size()));
    });
}

bool isPseudo(const QByteArray& type) {
    return isOneOf(type,
                   {"proc",       "sysfs",   "devtmpfs",  "devpts",   "cgroup",      "cgroup2",
                    "securityfs", "debugfs", "tracefs",   "configfs", "fusectl",     "mqueue",
                    "pstore",     "bpf",     "hugetlbfs", "autofs",   "binfmt_misc", "efivarfs",
                    "rpc_pipefs", "nsfs",    "selinuxfs", "rootfs"});
}

bool isNetwork(const QByteArray& type) {
    return isOneOf(type, {"nfs", "nfs4", "cifs", "smbfs", "smb3", "ncpfs", "afs", "ceph",
                          "glusterfs", "9p", "fuse.sshfs", "fuse.davfs2", "davfs", "fuse.rclone"});
}

bool readsOne(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1) == "1";
}

// Device node to volume label, from the links udev keeps in /dev/disk/by-label.
QHash<QString, QString> deviceLabels() {
    QHash<QString, QString> labels;
    const QDir folder(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files)) {
        QByteArray name = link.fileName().toLocal8Bit();
        name.replace("\\x20", " ");
        labels.insert(link.canonicalFilePath(), QString::fromLocal8Bit(name));
    }
    return labels;
}

}  // namespace

bool isRemovableDevice(const QByteArray& device, const QString& sysRoot) {
    if (!device.startsWith('/')) {
        return false;
    }
    // /dev/disk/by-label/... and /dev/mapper/... are links to the device proper.
    const QFileInfo node(QString::fromLocal8Bit(device));
    const QString resolved = node.isSymLink() ? node.canonicalFilePath() : node.filePath();
    const QString name = QFileInfo(resolved).fileName();
    if (name.isEmpty()) {
        return false;
    }
    if (readsOne(sysRoot + QStringLiteral("/block/") + name + QStringLiteral("/removable"))) {
        return true;
    }
    // A partition: its class entry sits inside the disk's folder, which holds the flag.
    const QFileInfo entry(sysRoot + QStringLiteral("/class/block/") + name);
    const QString real = entry.canonicalFilePath();
    if (real.isEmpty() || !QFileInfo::exists(real + QStringLiteral("/partition"))) {
        return false;
    }
    return readsOne(QFileInfo(real).path() + QStringLiteral("/removable"));
}

std::optional<Volume> volumeFromMount(const MountFacts& mount, const QString& sysRoot) {
    const QByteArray& type = mount.fileSystemType;
    if (mount.root.isEmpty() || isPseudo(type)) {
        return std::nullopt;
    }
    Volume volume;
    volume.root = mount.root;
    volume.floppy = mount.device.startsWith("/dev/fd");
    if (!mount.ready) {
        volume.type = DriveType::NoRoot;
        return volume;
    }
    volume.label = mount.label;
    if (isOneOf(type, {"tmpfs", "ramfs"})) {
        volume.type = DriveType::RamDisk;
    } else if (isNetwork(type)) {
        volume.type = DriveType::Network;
    } else if (isOneOf(type, {"iso9660", "udf"})) {
        volume.type = DriveType::Optical;
    } else if (isRemovableDevice(mount.device, sysRoot)) {
        volume.type = DriveType::Removable;
    } else {
        volume.type = DriveType::Fixed;
    }
    return volume;
}

std::vector<Volume> mountedVolumes() {
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
    const QHash<QString, QString> labels = deviceLabels();
    for (MountFacts& mount : mounts) {
        mount.label =
            labels.value(QFileInfo(QString::fromLocal8Bit(mount.device)).canonicalFilePath());
        if (auto volume = volumeFromMount(mount); volume && volume->root != volumes.back().root) {
            volumes.push_back(*volume);
        }
    }
    return volumes;
}

}  // namespace tallimer
