// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <malloc.h>

#include <QAccessible>
#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>

#include "cli/help_text.h"
#include "cli/total_command.h"
#include "controls/controls_accessible.h"
#include "controls/controls_gallery.h"
#include "platform/file_service.h"
#include "platform/ui_translations.h"
#include "window/rolling_caculator.h"
#include "window/startup_warm_up.h"

namespace {

bool hasArgument(int argc, char** argv, const char* wanted) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before any Qt object exists, so it works without a display.
    if (hasArgument(argc, argv, "--version")) {
        std::fputs(tallimer::versionText().constData(), stdout);
        return 0;
    }
    if (hasArgument(argc, argv, "--help")) {
        std::fputs(tallimer::helpText().constData(), stdout);
        return 0;
    }

    // The headless total, likewise before any Qt application object.
    if (tallimer::isTotalCommand(argc, argv)) {
        return tallimer::runTotalCommand(argc, argv);
    }

    // One heap for every thread: an arena of its own would grow the warm-up thread's heap a few
    // pages at a time while the main thread starts, and each change of the address space
    // interrupts the other processor. It also keeps the memory of a small program small.
    mallopt(M_ARENA_MAX, 1);
    tallimer::StartupWarmUp warmUp;  // begins before the application: its first part needs no Qt
    QApplication app(argc, argv);
    warmUp.applicationReady();
    QAccessible::installFactory(tallimer::controlsAccessibleFactory);
    QApplication::setApplicationName(QStringLiteral("Tallimer Calculator"));
    tallimer::installTranslations(QLocale::system().uiLanguages(), QStringLiteral(":/i18n"));
    if (hasArgument(argc, argv, "--controls-gallery")) {
        warmUp.finish();
        const auto gallery = tallimer::showControlsGallery();
        return QApplication::exec();
    }
    // While the session bus connects and the image format plugins load.
    warmUp.waitForFontconfig();
    tallimer::Rolling_Caculator::loadFonts();
    tallimer::Rolling_Caculator::loadStyleIcons();
    // Before any control asks for the bus, so that which thread opens it never depends on timing.
    warmUp.finish();
    // Closing the window ends the program: nothing is asked and nothing is saved.
    tallimer::Rolling_Caculator window;
    window.show();
    window.activateWindow();  // a program just started takes the keyboard
    const int status = QApplication::exec();
    // Saves and prints still running end first; one stuck beyond the time limit is left behind.
    tallimer::FileService::endProgram(status);
    return status;
}
