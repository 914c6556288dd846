// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QString>

#include "engine/tape.h"
#include "platform/regional.h"

// What the window hands the printing library, which it loads on the first print so that
// start-up does not pay for Qt's printing support. Plain C++ types cross; the entry points have
// C names only to be found by name.

// An entry point's name carries the version of PrintJob and of the entries' signatures: raise it
// with any change to either, and a library built before has none of the names looked for, so it
// is refused as missing instead of being called with what it does not know.
#define TALLIMER_PRINT_ENTRY(name) tallimer_##name##_v2
#define TALLIMER_PRINT_ENTRY_NAME(name) TALLIMER_PRINT_QUOTE(TALLIMER_PRINT_ENTRY(name))
#define TALLIMER_PRINT_QUOTE(symbol) TALLIMER_PRINT_QUOTE_TEXT(symbol)
#define TALLIMER_PRINT_QUOTE_TEXT(symbol) #symbol

namespace tallimer {

struct PrintJob {
    const Tape& tape;
    int decPlaces;
    QString totalText;
    RegionalSettings settings;
    QString docName;
    QString printerName;
    // Asked just before the document goes to the printer: false when the print has been
    // abandoned, and then it never goes.
    std::function<bool()> send;
};

// The default printer's name, empty when there is none.
using DefaultPrinterEntry = void (*)(QString* name);
// Prints on the printer named; false when the job could not be started or finished.
using PrintEntry = bool (*)(const PrintJob* job);

inline constexpr char kDefaultPrinterEntry[] = TALLIMER_PRINT_ENTRY_NAME(default_printer);
inline constexpr char kPrintEntry[] = TALLIMER_PRINT_ENTRY_NAME(print);

}  // namespace tallimer
