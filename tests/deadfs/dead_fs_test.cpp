// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window and the dialog over a real dead file system (run_dead_fs.sh mounts it): after
// each thing a user does with it, the window answers within a second.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <csignal>

#include "dialogs/file_commands.h"
#include "dialogs/load_save.h"
#include "platform/file_service.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

constexpr qint64 kAnswerMs = 1000;
const std::chrono::milliseconds kTimeLimit = FileService::timeLimit();

// How long `action` and the events it leaves take.
qint64 msFor(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return timer.elapsed();
}

void clickEntry(DriveControl& list, const QString& path) {
    const std::vector<DriveEntry>& rows = list.Entries();
    const auto at = std::find_if(rows.begin(), rows.end(),
                                 [&](const DriveEntry& row) { return row.path == path; });
    ASSERT_NE(at, rows.end()) << path.toStdString();
    const QPoint centre = list.entryRect(static_cast<int>(at - rows.begin())).center();
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, centre);
}

class DeadFileSystemTest : public WindowTest {
protected:
    void SetUp() override {
        if (dead.isEmpty()) {
            GTEST_SKIP() << "no dead file system mounted: run through run_dead_fs.sh";
        }
        FileService::setTimeLimit(std::chrono::milliseconds(2 * kAnswerMs));
        WindowTest::SetUp();
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QFile(home.filePath(QStringLiteral("kept.Clc"))).open(QIODevice::WriteOnly));
        prepare(*window);
    }
    void TearDown() override {
        // The server first: then every call waiting on the mount fails, and every job ends.
        if (const int server = qEnvironmentVariableIntValue("TALLIMER_DEAD_FS_SERVER")) {
            ::kill(server, SIGKILL);
            EXPECT_TRUE(waitUntil([] { return FileService::threadsRunning() == 0; }, 10000));
        }
        FileService::setTimeLimit(kTimeLimit);
    }
    // The dialog lists the dead mount as a drive, and a home folder of the test's own.
    void prepare(Rolling_Caculator& w) {
        FileCommands& files = w.fileCommands();
        files.dialogSources = {[this] {
                                   return std::vector<Volume>{
                                       {QStringLiteral("/"), {}, DriveType::Fixed, false},
                                       {dead, {}, DriveType::Network, false}};
                               },
                               [this] { return home.path(); }};
        files.showFailure = [this] { ++failures; };
    }
    void answersOnePlusTwo() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->calculator().Clear_Total_Click();
        row(0)->setFocus(Qt::OtherFocusReason);
        EXPECT_LT(msFor([this] { type(QStringLiteral("1+2")); }), kAnswerMs);
        EXPECT_EQ(total(), QStringLiteral("3"));
    }
    static void menu(Rolling_Caculator& w, int index) {
        w.partsAllRowsMade().menus.LD.at(static_cast<std::size_t>(index))->trigger();
    }

    const QString dead = qEnvironmentVariable("TALLIMER_DEAD_FS");
    QTemporaryDir home;
    int failures = 0;
};

TEST_F(DeadFileSystemTest, TheWindowAnswersWhateverTheMountDoes) {
    FileCommands& files = window->fileCommands();
    int shown = 0;
    files.showDialog = [&](LoadSave& dialog) {
        ++shown;
        EXPECT_LT(msFor([&] { dialog.show(); }), kAnswerMs) << "showing " << shown;
        DriveControl& list = dialog.DriveList();
        if (shown == 1) {
            EXPECT_LT(msFor([&] { clickEntry(list, dead); }), kAnswerMs) << "the dead drive";
            EXPECT_EQ(list.folder(), dead);
            EXPECT_TRUE(list.listingPending());  // dead indeed
        } else if (shown == 4) {
            EXPECT_LT(msFor([&] { clickEntry(list, home.path()); }), kAnswerMs) << "home";
            EXPECT_TRUE(waitUntil([&] { return list.listedFiles().size() == 1; }));
        }
        QTest::keyClick(&dialog.txtSearchSpec(), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    };
    for (int time = 0; time < 4; ++time) {
        EXPECT_LT(msFor([&] { menu(*window, 1); }), kAnswerMs) << "dialog " << time;
        answersOnePlusTwo();
    }
    EXPECT_EQ(shown, 4);

    // Saving into the dead folder, into home, opening from the dead one: none waits for another,
    // and each stuck one fails once by its time limit, the calculation as it was.
    const QString landed = home.filePath(QStringLiteral("b.Clc"));
    const std::pair<QString, int> commands[] = {
        {dead + "/a.Clc", 1}, {landed, 1}, {dead + "/a.Clc", 0}};
    for (const auto& [file, command] : commands) {
        files.showDialog = [path = file](LoadSave& dialog) { dialog.setCalcFilePath(path); };
        EXPECT_LT(msFor([&] { menu(*window, command); }), kAnswerMs) << file.toStdString();
        EXPECT_TRUE(files.busy());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        if (command == 0) {
            // The file would replace whatever is typed meanwhile.
            EXPECT_TRUE(files.opening());
            type(QStringLiteral("5"));
            EXPECT_EQ(total(), QStringLiteral("3"));
            continue;
        }
        answersOnePlusTwo();
        if (file == landed) {
            EXPECT_TRUE(waitUntil([&] { return QFile::exists(landed); }, kAnswerMs));
        }
    }
    EXPECT_TRUE(waitUntil([&] { return failures == 2; }, 10 * kAnswerMs));
    EXPECT_FALSE(files.busy());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(total(), QStringLiteral("3"));

    // Opening from it in a window of its own, and a window started with a file on it.
    for (const bool atStart : {false, true}) {
        Rolling_Caculator other(englishSettings());
        prepare(other);
        other.fileCommands().showDialog = files.showDialog;
        EXPECT_LT(msFor([&] {
                      other.show();
                      atStart ? other.fileCommands().openStartupFile({dead + "/a.Clc"})
                              : menu(other, 0);
                  }),
                  kAnswerMs)
            << "start-up " << atStart;
        EXPECT_TRUE(other.fileCommands().busy());
    }
    answersOnePlusTwo();
    EXPECT_EQ(failures, 2);
}

}  // namespace
}  // namespace tallimer
