// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/print_library.h"

#include <QCoreApplication>
#include <QLibrary>

namespace tallimer {

PrintLibrary loadPrintLibrary(const QStringList& files) {
    PrintLibrary entries;
    for (const QString& file : files) {
        // Destroying a QLibrary leaves the library loaded, so the entries stay valid.
        QLibrary library(file);
        if (!library.load()) {
            entries.error = library.errorString();
            continue;
        }
        entries.defaultPrinter =
            reinterpret_cast<DefaultPrinterEntry>(library.resolve(kDefaultPrinterEntry));
        entries.print = reinterpret_cast<PrintEntry>(library.resolve(kPrintEntry));
        if (entries.defaultPrinter != nullptr && entries.print != nullptr) {
            entries.error.clear();
            return entries;
        }
        entries = PrintLibrary{nullptr, nullptr, library.errorString()};
    }
    return entries;
}

const PrintLibrary& printLibrary() {
    // Never destroyed: a print thread stuck in it may end after the static objects are gone.
    static const PrintLibrary* loaded = [] {
        const QString folder = QCoreApplication::applicationDirPath();
        return new PrintLibrary(
            loadPrintLibrary({folder + QStringLiteral("/" TALLIMER_PRINT_LIBRARY_INSTALLED),
                              folder + QStringLiteral("/" TALLIMER_PRINT_LIBRARY_NAME)}));
    }();
    return *loaded;
}

}  // namespace tallimer
