// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <atomic>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "dialogs/load_save.h"
#include "files/strip_extension.h"
#include "platform/file_service.h"
#include "test_names.h"

namespace tallimer {
namespace {

struct StripCase {
    const char* text;
    const char* stripped;
};

class StripExtensionTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripExtensionTest, CutsAtTheLastDot) {
    EXPECT_EQ(StripExtension(QString::fromUtf8(GetParam().text)),
              QString::fromUtf8(GetParam().stripped));
}

const StripCase kStrips[] = {
    {"notes.Clc.bak", "notes.Clc"},
    {"plan.txt", "plan"},
    {"plan", "plan"},
    {"", ""},
    {".Clc", ""},
    {"a.b/c", "a"},
    {"über.Clc", "über"},
};
INSTANTIATE_TEST_SUITE_P(Texts, StripExtensionTest, ::testing::ValuesIn(kStrips),
                         [](const auto& info) { return test_names::fromInput(info.param.text); });

// The dialog shown over a temporary folder with a fixed, empty drive list and no home entry,
// so its list is "..", then the folder's ".Clc" files.
class LoadSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"notes.Clc.bak", "plan.Clc"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        show(DriveControl::Sources{[] { return std::vector<Volume>{}; }, {}});
    }
    void show(DriveControl::Sources sources) {
        dialog = std::make_unique<LoadSave>(nullptr, std::move(sources));
        QString start = dir.path();
        dialog->DriveList().GetDir(start);
        dialog->setWindowTitle(QStringLiteral("Save Calculation..."));
        dialog->Command1(1).setCaption(QStringLiteral("Save"));
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        ASSERT_TRUE(listed());
    }
    bool listed() {
        return QTest::qWaitFor([this] { return !dialog->DriveList().listingPending(); });
    }
    void TearDown() override { dialog.reset(); }
    QLineEdit& box() const { return dialog->txtSearchSpec(); }
    QString path() const { return dialog->calcFilePath(); }
    void typeKeys(const QString& text) {
        for (QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
    void clickEntry(int index, bool twice = false) {
        DriveControl& list = dialog->DriveList();
        const int pitch = list.RowHeight() / 15;
        const QPoint at(100, (index - 1) * pitch + pitch / 2);
        QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, at);
        if (twice) {
            // As the window system delivers the second click of a double click.
            QTest::mousePress(&list, Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(&list, Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseRelease(&list, Qt::LeftButton, Qt::NoModifier, at);
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<LoadSave> dialog;
};

TEST_F(LoadSaveTest, OpensWithTheExtensionAndTheCaretInFrontOfIt) {
    EXPECT_EQ(box().text(), QStringLiteral(".Clc"));
    EXPECT_EQ(box().cursorPosition(), 0);
    EXPECT_EQ(QApplication::focusWidget(), &box());
    EXPECT_EQ(dialog->DriveList().Entries().size(), 4u);  // "", "..", and the two files
    typeKeys(QStringLiteral("budget"));
    EXPECT_EQ(box().text(), QStringLiteral("budget.Clc"));
    EXPECT_EQ(path(), QStringLiteral("budget.Clc"));  // follows the box
}

TEST_F(LoadSaveTest, DiscardedCharactersNeverReachTheBox) {
    box().clear();
    typeKeys(QStringLiteral("a*/:<>?\\\"|b"));
    EXPECT_EQ(box().text(), QStringLiteral("ab"));
}

TEST_F(LoadSaveTest, EnterGoesToTheConfirmButtonAndASecondEnterConfirms) {
    box().clear();
    typeKeys(QStringLiteral("plan.txt"));
    QTest::keyClick(&box(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), &dialog->Command1(1));
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(&dialog->Command1(1), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path(), QStringLiteral("plan.Clc"));
    EXPECT_FALSE(dialog->unloaded());
}

TEST_F(LoadSaveTest, ConfirmWithoutANameDoesNothing) {
    for (const char* text : {"", ".Clc"}) {
        box().setText(QString::fromLatin1(text));
        QTest::mouseClick(&dialog->Command1(1), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible()) << text;
    }
}

TEST_F(LoadSaveTest, CancelEscapeAndCloseBoxLeaveNoPath) {
    QTest::mouseClick(&dialog->Command1(2), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path(), QString());
    EXPECT_FALSE(dialog->unloaded());

    dialog->show();
    EXPECT_EQ(box().text(), QStringLiteral(".Clc"));  // kept, and normalised again
    box().setText(QStringLiteral("x"));
    QTest::keyClick(&box(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path(), QString());

    dialog->show();
    box().setText(QStringLiteral("x"));
    dialog->close();
    EXPECT_EQ(path(), QString());
    EXPECT_TRUE(dialog->unloaded());
}

TEST_F(LoadSaveTest, ClickOnAFileNamesItAndADoubleClickConfirms) {
    ASSERT_EQ(dialog->DriveList().Entries()[2].name, QStringLiteral("notes.Clc.bak"));
    clickEntry(2);
    EXPECT_EQ(box().text(), QStringLiteral("notes.Clc.Clc"));
    EXPECT_EQ(box().cursorPosition(), 0);
    EXPECT_TRUE(dialog->isVisible());
    clickEntry(3, true);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path(), QStringLiteral("plan.Clc"));
}

TEST_F(LoadSaveTest, AFileInAnotherLetterCaseIsTheFileNamed) {
    QFile(dir.path() + QStringLiteral("/b.CLC")).open(QIODevice::WriteOnly);
    dialog->DriveList().FileExtention(QStringLiteral(".Clc"));
    ASSERT_TRUE(listed());
    for (bool picked : {true, false}) {
        dialog->show();
        ASSERT_TRUE(listed());
        box().clear();
        picked ? clickEntry(2) : QTest::keyClicks(&box(), QStringLiteral("b"));
        QTest::mouseClick(&dialog->Command1(1), Qt::LeftButton);
        EXPECT_EQ(path(), QStringLiteral("b.CLC")) << picked;
    }
}

TEST_F(LoadSaveTest, ANameIsMatchedAgainstTheListingThatHasArrived) {
    QFile(dir.path() + QStringLiteral("/b.CLC")).open(QIODevice::WriteOnly);
    auto gate = std::make_shared<QSemaphore>();
    auto hold = std::make_shared<std::atomic<bool>>(false);
    show({[] { return std::vector<Volume>{}; },
          {},
          [=](const QString& folder, const std::function<bool(QStringView)>& wanted) {
              if (*hold) {
                  gate->tryAcquire(1, 5000);
              }
              return listFolder(folder, wanted);
          }});
    *hold = true;
    dialog->DriveList().FileExtention(QStringLiteral(".Clc"));  // read again, slowly
    ASSERT_TRUE(dialog->DriveList().listingPending());
    box().clear();
    QTest::keyClicks(&box(), QStringLiteral("b"));
    QTest::mouseClick(&dialog->Command1(1), Qt::LeftButton);
    EXPECT_EQ(path(), QStringLiteral("b.CLC"));
    gate->release();
}

TEST_F(LoadSaveTest, DoubleClickOnAFolderOrBelowTheRowsOnlyOpensIt) {
    clickEntry(3);        // plan.Clc
    clickEntry(5, true);  // below the last row
    EXPECT_TRUE(dialog->isVisible());
    clickEntry(1, true);  // ".."
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->DriveList().folder(), QDir::cleanPath(dir.path() + QStringLiteral("/..")));
}

// A drive that never answers: the dialog answers meanwhile, and its listing, superseded by the
// home folder's, is never drawn when it does come.
TEST_F(LoadSaveTest, AHungDriveFreezesNothingAndIsNotDrawnLate) {
    const QString hung = dir.path() + QStringLiteral("/hung");
    ASSERT_TRUE(QDir().mkdir(hung));
    QFile(hung + QStringLiteral("/late.Clc")).open(QIODevice::WriteOnly);
    auto gate = std::make_shared<QSemaphore>();
    auto done = std::make_shared<QSemaphore>();
    auto stuck = std::make_shared<QSemaphore>();  // the test could not run to open the gate
    show({[hung] {
              return std::vector<Volume>{{hung, {}, DriveType::Network, false}};
          },
          [this] { return dir.path(); },
          [=](const QString& folder, const std::function<bool(QStringView)>& wanted) {
              if (folder != hung) {
                  return listFolder(folder, wanted);
              }
              if (!gate->tryAcquire(1, 3000)) {
                  stuck->release();
              }
              auto found = listFolder(folder, wanted);
              done->release();
              return found;
          }});
    clickEntry(1);  // the hung drive
    EXPECT_TRUE(dialog->DriveList().listingPending());
    EXPECT_EQ(dialog->DriveList().Entries().size(), 3u);  // the drive and home, clickable
    clickEntry(2);                                        // home
    ASSERT_TRUE(listed());
    gate->release();
    ASSERT_TRUE(done->tryAcquire(1, 5000));
    ASSERT_TRUE(QTest::qWaitFor([] { return FileService::threadsRunning() == 0; }));
    QCoreApplication::processEvents();  // the late listing, posted before its thread ended
    const std::vector<DriveEntry>& rows = dialog->DriveList().Entries();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const DriveEntry& row) {
        return row.name == QStringLiteral("plan.Clc");
    }));

    clickEntry(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // the list's, once clicked
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(path(), QString());
    gate->release();
    EXPECT_EQ(stuck->available(), 0);
}

TEST_F(LoadSaveTest, PagingKeysInTheBoxGoToTheList) {
    QTest::keyClick(&box(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), &dialog->DriveList());
    EXPECT_EQ(dialog->DriveList().sFiles().Value(), 1);  // the key only moved the focus
}

}  // namespace
}  // namespace tallimer
