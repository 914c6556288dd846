#include "controls/drive_entries.h"

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace tallimer {

namespace {

struct Found {
    QString name;
    std::int32_t type;
};

void add(DriveEntries& entries, const QString& name, std::int32_t type, const QString& path = {}) {
    entries.names.push_back(name);
    entries.types.push_back(type);
    entries.paths.push_back(path);
}

bool isReadOnly(const QFileInfo& info) {
    // The owner's write bit as well as access(): a superuser may write anything, yet a file
    // marked read-only is still shown as such.
    return !info.isWritable() || !info.permission(QFileDevice::WriteOwner);
}

}  // namespace

bool passesFilter(const QString& fileName, const QString& filter) {
    return filter == QStringLiteral(".*") || fileName.contains(filter, Qt::CaseInsensitive);
}

QString driveText(const Volume& volume) {
    if (volume.label.isEmpty()) {
        return volume.root;
    }
    return volume.root + QStringLiteral(" <") + volume.label + u'>';
}

std::int32_t driveCode(const Volume& volume) {
    if (volume.floppy) {
        return kEntryFloppy;
    }
    return kEntryDriveBase + static_cast<std::int32_t>(volume.type);
}

DriveEntries collectEntries(const QString& folder, const std::vector<Volume>& volumes,
                            const QString& home, const QString& filter) {
    DriveEntries entries;
    for (const Volume& volume : volumes) {
        const std::int32_t code = driveCode(volume);
        if (code != kEntryDriveBase) {
            add(entries, driveText(volume), code, volume.root);
        }
    }
    if (home.size() > 1) {
        add(entries, QFileInfo(QDir::cleanPath(home)).fileName(), kEntryHome, home);
    }
    if (QDir::cleanPath(folder) != QStringLiteral("/")) {
        add(entries, QStringLiteral(".."), kEntryFolder);
    }

    std::vector<Found> folders;
    std::vector<Found> files;
    // Hidden entries, sockets, devices and dangling links are left out by the filters.
    QDirIterator it(folder, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (info.isDir()) {
            folders.push_back({name, kEntryFolder});
        } else if (passesFilter(name, filter)) {
            files.push_back({name, isReadOnly(info) ? kEntryReadOnlyFile : kEntryFile});
        }
    }
    const auto byName = [](const Found& a, const Found& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    for (const auto* group : {&folders, &files}) {
        for (const Found& found : *group) {
            add(entries, found.name, found.type);
        }
    }
    return entries;
}

}  // namespace tallimer
