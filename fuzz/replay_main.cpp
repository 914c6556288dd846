// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

#include "fuzz_entries.h"

// Runs every input of a target's corpus through its entry, as the fuzzer once did: an input
// that crashed once and was fixed must never crash again.
// Usage: fuzz_replay TARGET CORPUS_FOLDER
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_replay TARGET CORPUS_FOLDER\n");
        return 2;
    }
    tallimer::fuzz::Entry entry = nullptr;
    for (const tallimer::fuzz::Target& target : tallimer::fuzz::targets()) {
        if (std::strcmp(target.name, argv[1]) == 0) {
            entry = target.entry;
        }
    }
    // Absolute: an entry may change the current folder.
    const QDir corpus(QFileInfo(QFile::decodeName(argv[2])).absoluteFilePath());
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    if (entry == nullptr || names.isEmpty()) {
        std::fprintf(stderr, "fuzz_replay: no target '%s' or no inputs in %s\n", argv[1], argv[2]);
        return 2;
    }
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "fuzz_replay: cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
              static_cast<std::size_t>(bytes.size()));
    }
    std::printf("%s: %lld inputs replayed\n", argv[1], static_cast<long long>(names.size()));
    return 0;
}
