#pragma once

#include <QString>

#include "engine/tape.h"
#include "platform/regional.h"

// What the window hands the printing library, which it loads on the first print so that
// start-up does not pay for Qt's printing support. Both sides are built together, so plain C++
// types cross; the entry points have C names only to be found by name.
namespace tallimer {

struct PrintJob {
    const Tape& tape;
    int decPlaces;
    QString totalText;
    RegionalSettings settings;
    QString docName;
    QString printerName;
};

// The default printer's name, empty when there is none.
using DefaultPrinterEntry = void (*)(QString* name);
// Prints on the printer named; false when the job could not be started or finished.
using PrintEntry = bool (*)(const PrintJob* job);

inline constexpr char kDefaultPrinterEntry[] = "tallimer_default_printer";
inline constexpr char kPrintEntry[] = "tallimer_print";

}  // namespace tallimer
