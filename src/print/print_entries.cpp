// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printing library's entry points, found by name once it is loaded: all it exports.
#include <QPrinter>
#include <QPrinterInfo>

#include "print/print_calc.h"
#include "print/print_job.h"

extern "C" {

Q_DECL_EXPORT void TALLIMER_PRINT_ENTRY(default_printer)(QString* name) {
    *name = QPrinterInfo::defaultPrinterName();
}

Q_DECL_EXPORT bool TALLIMER_PRINT_ENTRY(print)(const tallimer::PrintJob* job) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(job->printerName);
    if (info.isNull()) {
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(job->docName);
    return tallimer::printCalculation(printer, job->tape, job->decPlaces, job->totalText,
                                      job->settings, job->send);
}

}  // extern "C"
