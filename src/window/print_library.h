// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include "print/print_job.h"

namespace tallimer {

// The printing library's entry points; both null, with the reason in `error`, when it could
// not be loaded.
struct PrintLibrary {
    DefaultPrinterEntry defaultPrinter = nullptr;
    PrintEntry print = nullptr;
    QString error;
};

// Loads the first of `files` that is a printing library. It stays loaded.
PrintLibrary loadPrintLibrary(const QStringList& files);

// The installed one (beside the program in a build), loaded on the first call.
const PrintLibrary& printLibrary();

}  // namespace tallimer
