// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "controls/super_button.h"
#include "dialogs/file_commands.h"
#include "dialogs/load_save.h"
#include "files/clc_format.h"
#include "test_names.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// The main window with the dialog's answer and the failure message in the test's hands.
class FileCommandsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        files().showFailure = [this] { ++failures; };
        files().showDialog = [this](LoadSave& dialog) {
            titles << dialog.windowTitle() + u'|' + dialog.Command1(1).Caption();
            dialog.setCalcFilePath(answer);
        };
    }
    FileCommands& files() { return window->fileCommands(); }
    QString at(const QString& name) const { return dir.path() + u'/' + name; }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(at(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(at(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The calculation as the window holds it: tape, first row, total.
    QByteArray state() {
        return writeClc(window->calculator().tape, englishSettings()) + "|" +
               row(0)->text().toUtf8() + "|" + total().toUtf8();
    }
    // Gives the command and lets its job end.
    void menu(int index) {
        window->partsAllRowsMade().menus.LD.at(static_cast<std::size_t>(index))->trigger();
        EXPECT_TRUE(waitUntil([this] { return !files().busy(); }));
    }

    QTemporaryDir dir;
    QString answer;
    QStringList titles;
    int failures = 0;
};

TEST_F(FileCommandsTest, SaveWritesHeaderAndTapeAndChangesNothing) {
    type("12+3");
    const QByteArray before = state();
    answer = at("day.Clc");
    menu(1);
    EXPECT_EQ(titles, QStringList{"Save Calculation...|Save"});
    EXPECT_TRUE(read("day.Clc").startsWith("Tallimer Calculator 6\r\n+12\r\n+3\r\n+0\r\n"));
    EXPECT_EQ(state(), before);
    // Over an existing file, without a question.
    type("+4");
    menu(1);
    EXPECT_TRUE(read("day.Clc").startsWith("Tallimer Calculator 6\r\n+12\r\n+3\r\n+4\r\n"));
    EXPECT_EQ(failures, 0);
}

TEST_F(FileCommandsTest, OpenReplacesTapeViewAndTotal) {
    write("in.Clc", "anything\r\n+5\r\nx3\r\n-1\r\n");
    answer = at("in.Clc");
    menu(0);
    EXPECT_EQ(titles, QStringList{"Open Calculation...|Open"});
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(total(), QStringLiteral("14"));
    EXPECT_EQ(row(0)->text(), QStringLiteral("5"));
    EXPECT_EQ(op(1)->Caption(), QStringLiteral("x"));
    EXPECT_EQ(window->calculator().tape.size(), window->lastRow() + 1);  // padded to the rows
    EXPECT_EQ(window->scrollValueMax(), 0);
}

TEST_F(FileCommandsTest, ASavedOpenedShortFileOpensAgain) {
    // Opening pads the tape with lines of no value, which a save writes as operators alone.
    write("short.Clc", "h\r\n+5\r\nx3\r\n");
    answer = at("short.Clc");
    menu(0);
    answer = at("again.Clc");
    menu(1);
    EXPECT_TRUE(read("again.Clc").contains("x3\r\n+\r\n+\r\n"));
    const QByteArray saved = state();
    window->calculator().Clear_Total_Click();
    menu(0);
    EXPECT_EQ(state(), saved);
    EXPECT_EQ(total(), QStringLiteral("15"));
    EXPECT_EQ(failures, 0);
}

TEST_F(FileCommandsTest, CancelAMissingOrHiddenFileDoNothing) {
    type("7");
    const QByteArray before = state();
    write(".hidden.Clc", "h\r\n+1\r\n");
    for (const QString& chosen : {QString(), at("none.Clc"), at(".hidden.Clc"), dir.path()}) {
        answer = chosen;
        menu(0);
        EXPECT_EQ(state(), before) << chosen.toStdString();
    }
    EXPECT_EQ(failures, 0);
}

struct FailCase {
    const char* name;
    QByteArray bytes;  // empty: no file is written
    int command;
};

class FileCommandsFailure : public FileCommandsTest,
                            public ::testing::WithParamInterface<FailCase> {};

TEST_P(FileCommandsFailure, OneMessageAndTheCalculationStays) {
    const FailCase& c = GetParam();
    type("12+3");
    const QByteArray before = state();
    if (c.command == 0) {
        write("bad.Clc", c.bytes);
        answer = at("bad.Clc");
    } else {
        answer = at("no such folder/bad.Clc");
    }
    menu(c.command);
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(state(), before);
}

QByteArray tooLong() {
    QByteArray bytes = "h\r\n";
    for (int i = 0; i <= kMaxTapeLines; ++i) {
        bytes += "+1\r\n";
    }
    return bytes;
}

const FailCase kFailures[] = {
    {"empty file", "", 0},
    {"header alone", "Tallimer Calculator 6\r\n", 0},
    {"letters half way", "h\r\n+5\r\n+abc\r\n+6\r\n", 0},
    {"binary junk", QByteArray("h\r\n+\x01\xff\x00", 8), 0},
    {"more lines than the tape holds", tooLong(), 0},
    {"save into a missing folder", "", 1},
};
INSTANTIATE_TEST_SUITE_P(Files, FileCommandsFailure, ::testing::ValuesIn(kFailures),
                         test_names::ByName{});

TEST_F(FileCommandsTest, StartupFileNeedsClcInThatCase) {
    QDir().mkpath(at("tax year"));
    write("tax year/a b.Clc", "h\r\n+2\r\n+3\r\n");
    write("tax year/low.clc", "h\r\n+9\r\n");
    const QString quoted = u'"' + at("tax year/a b.Clc") + u'"';
    struct Case {
        QStringList arguments;
        const char* total;
    };
    const Case cases[] = {
        {{u'"' + at("tax year/low.clc") + u'"'}, ""},  // lower case is not recognised
        {{at("tax year/none.Clc")}, ""},               // a missing file opens nothing
        {{quoted}, "5"},
        {{at("tax"), QStringLiteral("year/a b.Clc")}, "5"},  // arguments joined by blanks
    };
    for (const Case& c : cases) {
        window->calculator().Clear_Total_Click();
        files().openStartupFile(c.arguments);
        ASSERT_TRUE(waitUntil([this] { return !files().busy(); }));
        EXPECT_EQ(total(), QString::fromLatin1(c.total)) << c.arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(titles.isEmpty());  // no dialog
}

TEST_F(FileCommandsTest, DroppedClcFileOpens) {
    write("dropped.Clc", "h\r\n+8\r\n");
    write("other.txt", "h\r\n+8\r\n");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(at("other.txt"))});
    EXPECT_EQ(droppedClcFile(mime), QString());
    mime.setUrls({QUrl::fromLocalFile(at("dropped.Clc")), QUrl::fromLocalFile(at("other.txt"))});
    EXPECT_EQ(droppedClcFile(mime), QString());

    mime.setUrls({QUrl::fromLocalFile(at("dropped.Clc"))});
    EXPECT_FALSE(row(0)->acceptDrops());  // the window takes the drop
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(waitUntil([this] { return total() == QStringLiteral("8"); }));
    EXPECT_EQ(row(0)->text(), QStringLiteral("8"));
}

TEST_F(FileCommandsTest, DialogIsKeptUntilItsCloseBoxUnloadsIt) {
    files().showDialog = [this](LoadSave& dialog) {
        dialog.txtSearchSpec().setText(QStringLiteral("kept"));
        dialog.Command1(2).Click();
    };
    menu(0);
    LoadSave* first = files().dialog();
    ASSERT_NE(first, nullptr);
    menu(1);
    EXPECT_EQ(files().dialog(), first);
    files().showDialog = [](LoadSave& dialog) {
        dialog.show();
        dialog.close();
    };
    menu(0);
    EXPECT_EQ(files().dialog(), nullptr);
    EXPECT_EQ(files().CalcFilePath, QString());
    EXPECT_EQ(failures, 0);
}

TEST_F(WindowTest, AFailedOpenSaysSoInTheProgramsPlainBox) {
    QTemporaryDir dir;
    QFile bad(dir.filePath(QStringLiteral("bad.Clc")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write("h\r\n?abc\r\n") > 0 && bad.flush());
    // As desktop themes that put pictures on dialog buttons.
    qApp->setStyleSheet(
        QStringLiteral("QDialogButtonBox { dialogbuttonbox-buttons-have-icons: 1 }"));
    QString seen;  // the box comes once the file has been read
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, window.get(), [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = box->windowTitle() + u'|' + box->text() + u'|' +
                   (box->button(QMessageBox::Ok)->icon().isNull() ? "plain" : "picture");
            box->accept();
        }
    });
    poll.start(10);
    window->fileCommands().CalcFilePath = bad.fileName();
    window->fileCommands().LD_Click(5);
    EXPECT_TRUE(waitUntil([&seen] { return !seen.isEmpty(); }));
    qApp->setStyleSheet(QString());
    EXPECT_EQ(seen.toStdString(),
              "Tallimer Calculator|Cannot write to read only file or drive...|plain");
}

}  // namespace
}  // namespace tallimer
