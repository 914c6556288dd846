#include <QApplication>
#include <QtGlobal>

#include <cstdio>

#include <gtest/gtest.h>

#include "platform/regional.h"

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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
