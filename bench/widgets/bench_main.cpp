// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace {

// A 1920 x 1080 screen at 96 dots per inch, so that window sizes (the row pool, the tall
// layout) come out as on a common desktop.
QByteArray offscreenWithCommonScreen() {
    const QString path = QDir::temp().filePath(QStringLiteral("tallimer-bench-screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return QByteArrayLiteral("offscreen");
    }
    file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    return QByteArrayLiteral("offscreen:configfile=") + QFile::encodeName(path);
}

}  // namespace

// Widget benchmarks need an application object; the offscreen platform runs them without a
// display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", offscreenWithCommonScreen());
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
