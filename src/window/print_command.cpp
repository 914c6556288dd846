// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Print Calculation...": the printing itself is in a library loaded on the first print. Loading
// it, finding the default printer and printing all run as jobs: a print server that does not
// answer holds up none of the window, and no print waits for another.
#include <atomic>
#include <memory>

#include "platform/file_service.h"
#include "window/print_library.h"
#include "window/rolling_caculator.h"

namespace tallimer {

namespace {

const QString kLookupKey = QStringLiteral("default printer");

// From a lookup's start until its thread returns, even after every Print waiting for it has
// given up: while one lookup waits on the print server, no other is started.
std::atomic<bool> g_lookupRunning{false};
struct LookupRunning {
    LookupRunning() { g_lookupRunning = true; }
    ~LookupRunning() { g_lookupRunning = false; }
    LookupRunning(const LookupRunning&) = delete;
    LookupRunning& operator=(const LookupRunning&) = delete;
};

// A print's document, shared with its thread: once sent to the printer it can no longer be
// called back; once abandoned it is never sent.
enum Stage : int { kPreparing, kSent, kAbandoned };
bool advance(std::atomic<int>& stage, Stage to) {
    int from = kPreparing;
    return stage.compare_exchange_strong(from, to) || from == to;
}

const PrintLibrary& libraryOrInstalled(const PrintLibrary* chosen) {
    return chosen != nullptr ? *chosen : printLibrary();
}

struct DefaultPrinter {
    bool loaded = false;
    QString name;
};

// Runs a print job for a requester of its own, so that every Print ends in its own outcome;
// the program's end waits for it.
template <class Work, class Done>
void runPrintJob(QObject& window, const QString& key, Work work, Done done,
                 std::function<void()> failed, std::function<bool()> abandon = {}) {
    auto* own = new QObject(&window);
    FileService::instance().run(
        own, key, std::move(work),
        [own, done = std::move(done)](auto& result) mutable {
            own->deleteLater();
            done(result);
        },
        JobLimits{.timeLimit = FileService::timeLimit(),
                  .failed =
                      [own, failed = std::move(failed)] {
                          own->deleteLater();
                          failed();
                      },
                  .abandon = std::move(abandon),
                  .heldAtQuit = true});
}

}  // namespace

void Rolling_Caculator::setPrintLibrary(const PrintLibrary* library) {
    m_printLibrary = library;
}

void Rolling_Caculator::sayNoPrintLibrary() {
    // Only a damaged installation lacks it.
    message(tr("Printing is not available: the printing library could not be loaded."));
}

void Rolling_Caculator::PrintCalc_Click() {
    // A Print while a lookup is waited for shares its answer.
    const bool joins = FileService::instance().waitedFor(kLookupKey);
    if (!joins && g_lookupRunning) {
        notPrinted(QString());  // the last one still waits on the print server
        return;
    }
    runPrintJob(
        *this, kLookupKey,
        [chosen = m_printLibrary, running = joins ? nullptr : std::make_shared<LookupRunning>()] {
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
        [this] { notPrinted(QString()); });
}

void Rolling_Caculator::printTo(const QString& printerName) {
    if (printerName.isEmpty()) {
        message(
            tr("There is no printer: set up a default printer to print the "
               "calculation."));
        return;
    }
    enum class Printed { Yes, No, NoLibrary };
    auto stage = std::make_shared<std::atomic<int>>(kPreparing);
    runPrintJob(
        *this, {},
        [chosen = m_printLibrary, tape = m_calc.tape, decPlaces = m_calc.DecPlaces,
         total = totalText(), settings = m_settings, title = windowTitle(), printerName, stage] {
            const PrintLibrary& library = libraryOrInstalled(chosen);
            if (library.print == nullptr) {
                return Printed::NoLibrary;
            }
            const PrintJob job{.tape = tape,
                               .decPlaces = decPlaces,
                               .totalText = total,
                               .settings = settings,
                               .docName = title,
                               .printerName = printerName,
                               .send = [stage] { return advance(*stage, kSent); }};
            return library.print(&job) ? Printed::Yes : Printed::No;
        },
        [this, printerName](Printed printed) {
            if (printed == Printed::NoLibrary) {
                sayNoPrintLibrary();
            } else if (printed == Printed::No) {
                notPrinted(printerName);
            }
        },
        [this, printerName] { notPrinted(printerName); },
        [stage] { return advance(*stage, kAbandoned); });
}

void Rolling_Caculator::notPrinted(const QString& printerName) {
    // An empty name: the print server did not even say which printer is the default.
    message(printerName.isEmpty()
                ? tr("The calculation could not be printed: the printer does not answer.")
                : tr("The calculation could not be printed on %1.").arg(printerName));
}

}  // namespace tallimer
