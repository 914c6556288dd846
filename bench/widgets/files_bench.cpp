// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The file browser and the open and save commands: listing a large folder, the hover repaint,
// and opening and saving a full tape through LD_Click on the offscreen window.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "bench_window.h"

#include "controls/drive_control.h"
#include "dialogs/file_commands.h"
#include "dialogs/load_save.h"
#include "engine/tape.h"
#include "window/rolling_caculator.h"

namespace tallimer {
namespace {

DriveControl::Sources benchSources() {
    return {[] {
                return std::vector<Volume>{{QStringLiteral("/"), {}, DriveType::Fixed, false}};
            },
            [] { return QDir::homePath(); }};
}

// The folder is read on a worker: its rows are drawn when the result arrives.
void waitForListing(const DriveControl& control) {
    while (control.listingPending()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// Lists a folder of 20,000 calculation files, from the request to the rows in sight drawn:
// enumeration with each file's read-only state and the filter and order on the worker, then
// the result's arrival, layout and drawing on the GUI thread.
void BM_DriveControlList20000Files(benchmark::State& state) {
    QTemporaryDir dir;
    for (int i = 0; i < 20000; ++i) {
        QFile file(dir.filePath(QStringLiteral("calc %1.Clc").arg(i)));
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("the folder could not be filled");
            return;
        }
    }
    DriveControl control(nullptr, benchSources());
    control.resize(457, 214);
    QString folder = dir.path();
    control.GetDir(folder);
    waitForListing(control);
    for (auto _ : state) {
        control.FileExtention(QStringLiteral(".Clc"));
        waitForListing(control);
        benchmark::DoNotOptimize(control.Entries().size());
    }
}
BENCHMARK(BM_DriveControlList20000Files)->Unit(benchmark::kMillisecond);

// The pointer moving from row to row: the repaint of every visible row and the widget's paint.
void BM_DriveControlHoverRepaint(benchmark::State& state) {
    DriveControl control(nullptr, benchSources());
    control.setAttribute(Qt::WA_DontShowOnScreen);
    control.show();
    control.resize(457, 214);
    QString root = QStringLiteral("/");
    control.GetDir(root);
    waitForListing(control);
    const int pitch = control.RowHeight() / 15;
    int row = 0;
    for (auto _ : state) {
        const QPointF at(150, row * pitch + pitch / 2);
        QMouseEvent move(QEvent::MouseMove, at, control.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &move);
        control.repaint();
        row = (row + 1) % 8;
    }
}
BENCHMARK(BM_DriveControlHoverRepaint)->Unit(benchmark::kMicrosecond);

// The window shown, its file commands answering the dialog with `path` and showing no message.
struct FileWindow {
    RegionalSettings settings;
    Rolling_Caculator window{settings};
    int failures = 0;

    explicit FileWindow(const QString& path) {
        window.move(100, 50);
        bench::showActive(window);
        FileCommands& files = window.fileCommands();
        files.showFailure = [this] { ++failures; };
        files.showDialog = [path](LoadSave& dialog) { dialog.setCalcFilePath(path); };
    }
    // Reading and writing are jobs: the command ends when the result has been taken in.
    void waitForJob() {
        while (window.fileCommands().busy()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
};

QByteArray fullTapeFile() {
    QByteArray bytes = "Tallimer Calculator 6\r\n";
    for (int line = 0; line < kMaxTapeLines; ++line) {
        bytes += (line % 4 == 0 ? "-" : "+") + QByteArray::number(line % 1000) + ".25\r\n";
    }
    return bytes;
}

// Opening a 32768-line file: the read (a job), the view refresh and the total.
void BM_LD_ClickOpenFullTape(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.Clc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(fullTapeFile()) < 0) {
        state.SkipWithError("the file could not be written");
        return;
    }
    file.close();
    FileWindow w(path);
    for (auto _ : state) {
        w.window.fileCommands().CalcFilePath = path;
        w.window.fileCommands().LD_Click(5);
        w.waitForJob();
    }
    if (w.failures > 0 || w.window.calculator().tape.size() != kMaxTapeLines) {
        state.SkipWithError("the file did not open");
    }
}
BENCHMARK(BM_LD_ClickOpenFullTape)->Unit(benchmark::kMillisecond);

// Saving that tape again through the dialog's answer and the atomic writer.
void BM_LD_ClickSaveFullTape(benchmark::State& state) {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("full.Clc"));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(fullTapeFile()) < 0) {
        state.SkipWithError("the file could not be written");
        return;
    }
    file.close();
    FileWindow w(dir.filePath(QStringLiteral("saved.Clc")));
    w.window.fileCommands().CalcFilePath = source;
    w.window.fileCommands().LD_Click(5);
    w.waitForJob();
    for (auto _ : state) {
        w.window.fileCommands().LD_Click(1);
        w.waitForJob();
    }
    if (w.failures > 0) {
        state.SkipWithError("the file did not save");
    }
}
BENCHMARK(BM_LD_ClickSaveFullTape)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer
