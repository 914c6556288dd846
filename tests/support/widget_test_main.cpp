// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QtGlobal>

#include <cstdio>

#include <gtest/gtest.h>

#include "platform/regional.h"
#include "platform/ui_translations.h"

// Every test program shares this main: widget tests need an application object, and the
// offscreen platform lets them run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The child process of the RegionalSystem tests: prints the number settings that this
    // process's environment gives and runs no test.
    if (!qEnvironmentVariableIsEmpty("TALLIMER_PRINT_REGIONAL")) {
        const tallimer::RegionalSettings s = tallimer::RegionalSettings::system();
        std::printf("REGIONAL[%s|%s|%d|%d]\n", QString(s.groupSymbol).toUtf8().constData(),
                    QString(s.decimalSymbol).toUtf8().constData(), s.primaryGroup,
                    s.secondaryGroup);
        return 0;
    }
    // English as the program shows it, with its plural forms (where the program's are linked).
    tallimer::installTranslations({QStringLiteral("en")}, QStringLiteral(":/i18n"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
