// Widget benchmarks run on Qt's offscreen platform, on a 1920 x 1080 screen at 96 dots per inch
// so that window sizes come out as on a common desktop.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace {

QString writeScreenConfig() {
    const QString path = QDir::temp().filePath(QStringLiteral("tallimer-bench-screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString config = writeScreenConfig();
        const QByteArray platform =
            config.isEmpty() ? QByteArray("offscreen")
                             : QByteArray("offscreen:configfile=") + QFile::encodeName(config);
        qputenv("QT_QPA_PLATFORM", platform);
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
