// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include "files/strip_extension.h"
#include "fuzz_entries.h"
#include "fuzz_input.h"

// A name typed into the dialog's file-name box, a character at a time: the box keeps none of
// the characters it discards, and the name the dialog makes of what it holds always ends in
// ".Clc", however often the dialog strips and adds the extension again.
namespace tallimer::fuzz {

int fileNameEntry(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString stripped = StripExtension(text);
    FUZZ_ASSERT(text.startsWith(stripped));
    const QStringView extension = QStringView(text).sliced(stripped.size());
    FUZZ_ASSERT(extension.isEmpty() ? !text.contains(u'.')
                                    : extension.startsWith(u'.') && extension.count(u'.') == 1);

    QString box;
    for (const QChar c : text) {
        if (!discardedInFileName(c)) {
            box += c;
        }
    }
    for (const char16_t c : u"*/:<>?\\\"|") {
        FUZZ_ASSERT(c == 0 || !box.contains(QChar(c)));
    }
    const QString name = StripExtension(box) + QStringLiteral(".Clc");
    FUZZ_ASSERT(name.endsWith(QStringLiteral(".Clc")));
    FUZZ_ASSERT(StripExtension(name) + QStringLiteral(".Clc") == name);
    return 0;
}

}  // namespace tallimer::fuzz
