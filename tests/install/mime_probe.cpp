// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the MIME type of each file named on the command line, one a line, as a desktop
// program would see it: from the shared MIME database found through XDG_DATA_DIRS.
// With --content first, the files' names are ignored and only their bytes decide.
#include <QCoreApplication>
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList files = QCoreApplication::arguments().mid(1);
    QMimeDatabase::MatchMode mode = QMimeDatabase::MatchDefault;
    if (!files.isEmpty() && files.front() == u"--content") {
        mode = QMimeDatabase::MatchContent;
        files.removeFirst();
    }
    const QMimeDatabase database;
    for (const QString& path : files) {
        std::printf("%s\n", qPrintable(database.mimeTypeForFile(path, mode).name()));
    }
    return 0;
}
