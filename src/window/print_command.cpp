// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Print Calculation...": the printing itself is in a library loaded on the first print. Loading
// it, finding the default printer and printing all run as jobs: a print server that does not
// answer holds up none of the window.
#include <mutex>

#include "platform/file_service.h"
#include "window/print_library.h"
#include "window/rolling_caculator.h"

namespace tallimer {

namespace {

// A print server that has not answered by then will not.
constexpr std::chrono::seconds kPrintTimeLimit{5};

// One print call at a time: Qt's printing support is not made for several threads at once.
std::mutex g_printing;

const PrintLibrary& libraryOrInstalled(const PrintLibrary* chosen) {
    return chosen != nullptr ? *chosen : printLibrary();
}

struct DefaultPrinter {
    bool loaded = false;
    QString name;
};

}  // namespace

void Rolling_Caculator::setPrintLibrary(const PrintLibrary* library) {
    m_printLibrary = library;
}

void Rolling_Caculator::sayNoPrintLibrary() {
    // Only a damaged installation lacks it.
    message(tr("Printing is not available: the printing library could not be loaded."));
}

void Rolling_Caculator::PrintCalc_Click() {
    FileService::instance().run(
        this, {},
        [chosen = m_printLibrary] {
            const std::lock_guard lock(g_printing);
            DefaultPrinter found;
            const PrintLibrary& library = libraryOrInstalled(chosen);
            found.loaded = library.print != nullptr;
            if (found.loaded) {
                library.defaultPrinter(&found.name);
            }
            return found;
        },
        [this](const DefaultPrinter& found) {
            found.loaded ? printTo(found.name) : sayNoPrintLibrary();
        },
        JobLimits{kPrintTimeLimit, [this] { notPrinted(QString()); }});
}

void Rolling_Caculator::printTo(const QString& printerName) {
    if (printerName.isEmpty()) {
        message(
            tr("There is no printer: set up a default printer to print the "
               "calculation."));
        return;
    }
    enum class Printed { Yes, No, NoLibrary };
    FileService::instance().run(
        this, {},
        [chosen = m_printLibrary, tape = m_calc.tape, decPlaces = m_calc.DecPlaces,
         total = totalText(), settings = m_settings, title = windowTitle(), printerName] {
            const std::lock_guard lock(g_printing);
            const PrintLibrary& library = libraryOrInstalled(chosen);
            if (library.print == nullptr) {
                return Printed::NoLibrary;
            }
            const PrintJob job{tape, decPlaces, total, settings, title, printerName};
            return library.print(&job) ? Printed::Yes : Printed::No;
        },
        [this, printerName](Printed printed) {
            if (printed == Printed::NoLibrary) {
                sayNoPrintLibrary();
            } else if (printed == Printed::No) {
                notPrinted(printerName);
            }
        },
        JobLimits{kPrintTimeLimit, [this, printerName] { notPrinted(printerName); }});
}

void Rolling_Caculator::notPrinted(const QString& printerName) {
    // An empty name: the print server did not even say which printer is the default.
    message(printerName.isEmpty()
                ? tr("The calculation could not be printed: the printer does not answer.")
                : tr("The calculation could not be printed on %1.").arg(printerName));
}

}  // namespace tallimer
