// The window and the dialog over a real dead file system (run_dead_fs.sh mounts it): after
// each thing a user does with it, the window answers within a second.
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <csignal>

#include "controls/drive_control.h"
#include "dialogs/file_commands.h"
#include "dialogs/load_save.h"
#include "platform/file_service.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

constexpr qint64 kAnswerMs = 1000;

class DeadFileSystemTest : public WindowTest {
protected:
    void SetUp() override {
        if (dead.isEmpty()) {
            GTEST_SKIP() << "no dead file system mounted: run through run_dead_fs.sh";
        }
        WindowTest::SetUp();
        ASSERT_TRUE(home.isValid());
        QFile file(home.filePath(QStringLiteral("kept.Clc")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        prepare(*window);
    }
    void TearDown() override {
        // The server first: then every call waiting on the mount fails, and every job ends.
        if (const int server = qEnvironmentVariableIntValue("TALLIMER_DEAD_FS_SERVER")) {
            ::kill(server, SIGKILL);
        }
        if (!dead.isEmpty()) {
            EXPECT_TRUE(waitUntil([] { return FileService::threadsRunning() == 0; }, 10000));
        }
    }
    // The dialog lists the dead mount as a drive and a home folder of the test's own.
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
    // How long `action` and the events it leaves take.
    static qint64 msFor(const std::function<void()>& action) {
        QElapsedTimer timer;
        timer.start();
        action();
        QCoreApplication::processEvents();
        return timer.elapsed();
    }
    void clickEntry(DriveControl& list, const QString& path) {
        const std::vector<DriveEntry>& rows = list.Entries();
        for (int i = 1; i < static_cast<int>(rows.size()); ++i) {
            if (rows[static_cast<std::size_t>(i)].path == path) {
                QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier,
                                  list.entryRect(i).center());
                return;
            }
        }
        ADD_FAILURE() << "no entry for " << path.toStdString();
    }
    bool lists(const DriveControl& list, const QString& name) {
        return waitUntil([&] {
            const std::vector<DriveEntry>& rows = list.Entries();
            return std::any_of(rows.begin(), rows.end(),
                               [&](const DriveEntry& row) { return row.name == name; });
        });
    }
    void answersOnePlusTwo() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->calculator().Clear_Total_Click();
        focusRowZero();
        const qint64 ms = msFor([this] { type(QStringLiteral("1+2")); });
        EXPECT_EQ(total(), QStringLiteral("3"));
        EXPECT_LT(ms, kAnswerMs);
    }
    void focusRowZero() { row(0)->setFocus(Qt::OtherFocusReason); }
    void menu(Rolling_Caculator& w, int index) {
        w.parts().menus.LD.at(static_cast<std::size_t>(index))->trigger();
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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        DriveControl& list = dialog.DriveList();
        if (shown == 1) {
            EXPECT_LT(msFor([&] { clickEntry(list, dead); }), kAnswerMs) << "the dead drive";
            EXPECT_EQ(list.folder(), dead);
            EXPECT_TRUE(list.listingPending());  // dead indeed
        }
        if (shown == 4) {
            EXPECT_LT(msFor([&] { clickEntry(list, home.path()); }), kAnswerMs) << "home";
            EXPECT_TRUE(lists(list, QStringLiteral("kept.Clc")));
        }
        EXPECT_LT(msFor([&] { QTest::keyClick(&dialog.txtSearchSpec(), Qt::Key_Escape); }),
                  kAnswerMs);
        EXPECT_FALSE(dialog.isVisible());
    };
    menu(*window, 1);
    answersOnePlusTwo();
    for (int again = 0; again < 3; ++again) {
        EXPECT_LT(msFor([&] { menu(*window, 1); }), kAnswerMs) << "again " << again;
    }
    EXPECT_EQ(shown, 4);
    answersOnePlusTwo();

    // Saving into the dead folder, then opening from it: the second waits for the first.
    files.showDialog = [&](LoadSave& dialog) {
        dialog.setCalcFilePath(dead + QStringLiteral("/a.Clc"));
    };
    EXPECT_LT(msFor([&] { menu(*window, 1); }), kAnswerMs) << "save";
    EXPECT_TRUE(files.busy());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    answersOnePlusTwo();
    EXPECT_LT(msFor([&] { menu(*window, 0); }), kAnswerMs) << "open while saving";
    answersOnePlusTwo();

    // Opening from it in a window of its own, and a window started with a file on it.
    for (const bool atStart : {false, true}) {
        Rolling_Caculator other(englishSettings());
        prepare(other);
        other.fileCommands().showDialog = files.showDialog;
        const qint64 ms = msFor([&] {
            other.show();
            atStart ? other.fileCommands().openStartupFile({dead + QStringLiteral("/a.Clc")})
                    : menu(other, 0);
        });
        EXPECT_LT(ms, kAnswerMs) << "start-up " << atStart;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&other));
        EXPECT_TRUE(other.fileCommands().busy());
    }
    answersOnePlusTwo();
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace tallimer
