#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

// Every test program shares this main: widget tests need an application object, and the
// offscreen platform lets them run without a display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
