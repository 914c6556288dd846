// "Print Calculation...": the printing itself is in a library loaded on the first print.
#include "window/print_library.h"
#include "window/rolling_caculator.h"

namespace tallimer {

const PrintLibrary* Rolling_Caculator::printLibraryOrSay() {
    const PrintLibrary& library = printLibrary();
    if (library.print == nullptr) {
        // Only a damaged installation lacks it.
        message(tr("Printing is not available: the printing library could not be loaded."));
        return nullptr;
    }
    return &library;
}

void Rolling_Caculator::PrintCalc_Click() {
    if (const PrintLibrary* library = printLibraryOrSay()) {
        QString name;
        library->defaultPrinter(&name);
        printTo(name);
    }
}

void Rolling_Caculator::printTo(const QString& printerName) {
    if (printerName.isEmpty()) {
        message(
            tr("There is no printer: set up a default printer to print the "
               "calculation."));
        return;
    }
    const PrintLibrary* library = printLibraryOrSay();
    if (library == nullptr) {
        return;
    }
    const PrintJob job{m_calc.tape, m_calc.DecPlaces, totalText(),
                       m_settings,  windowTitle(),    printerName};
    if (!library->print(&job)) {
        message(tr("The calculation could not be printed on %1.").arg(printerName));
    }
}

}  // namespace tallimer
