// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>

#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "files/clc_format.h"
#include "files/ordered_save.h"
#include "files/save_steps.h"
#include "test_names.h"

namespace tallimer {
namespace {

constexpr char kOldBytes[] = "Tallimer Calculator 6\r\n+1\r\n-2\r\n";

// Fails one step of a save. The faults come from the steps, not from permissions, so they
// hold when the tests run as root too.
class FaultySteps : public SaveSteps {
public:
    // Bytes the disk takes before it is full; -1: no limit.
    qint64 diskSpace = -1;
    // Runs just before the temporary file would be put in place.
    std::function<void()> beforeCommit;
    bool refuseRename = false;

    qint64 write(QSaveFile& file, const QByteArray& bytes) override {
        if (diskSpace < 0 || diskSpace >= bytes.size()) {
            return file.write(bytes);
        }
        file.write(bytes.first(diskSpace));
        return -1;
    }
    bool commit(QSaveFile& file) override {
        if (beforeCommit) {
            beforeCommit();
        }
        if (refuseRename) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }
};

Tape newTape() {
    Tape tape;
    tape.resize(400, u'x');
    for (int i = 0; i < tape.size(); ++i) {
        tape.TapeNumbers[static_cast<std::size_t>(i)] = Decimal::fromInt(i * 1001);
    }
    return tape;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct FaultCase {
    const char* name;
    qint64 diskSpace;
    bool refuseRename;
};

class SaveFaultTest : public ::testing::TestWithParam<FaultCase> {};

// The file that was there stays byte for byte, the failure is reported, and nothing is left
// beside it.
TEST_P(SaveFaultTest, KeepsTheFileThatWasThere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("keep.Clc"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kOldBytes);
    }
    FaultySteps steps;
    steps.diskSpace = GetParam().diskSpace;
    steps.refuseRename = GetParam().refuseRename;
    ClcError error;
    EXPECT_FALSE(saveClc(path, newTape(), RegionalSettings{}, &error, steps));
    EXPECT_FALSE(error.reason.isEmpty());
    EXPECT_EQ(bytesOf(path), QByteArray(kOldBytes));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("keep.Clc")});
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest,
                         ::testing::Values(FaultCase{"disk full at once", 0, false},
                                           FaultCase{"disk full in the header", 10, false},
                                           FaultCase{"disk full in a line", 1000, false},
                                           FaultCase{"disk full near the end", 3000, false},
                                           FaultCase{"rename refused", -1, true}),
                         test_names::ByName());

// Real failures of the last step, not imitated: the folder removed, or a folder put where the
// file goes, after the temporary file was written.
TEST(SaveFaultTest, FailedRenameIsReported) {
    struct Case {
        const char* name;
        std::function<void(const QString& folder, const QString& path)> fault;
    };
    const Case cases[] = {
        {"folder removed",
         [](const QString& folder, const QString&) { QDir(folder).removeRecursively(); }},
        {"folder in the file's place",
         [](const QString&, const QString& path) {
             QFile::remove(path);
             QDir().mkpath(path + QStringLiteral("/inside"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("sums"));
        const QString path = folder + QStringLiteral("/new.Clc");
        ASSERT_TRUE(QDir().mkpath(folder));
        FaultySteps steps;
        steps.beforeCommit = [&] { c.fault(folder, path); };
        ClcError error;
        EXPECT_FALSE(saveClc(path, newTape(), RegionalSettings{}, &error, steps));
        EXPECT_FALSE(error.reason.isEmpty());
        EXPECT_FALSE(QFileInfo(path).isFile());
    }
}

// A save whose write answers late, as on a share that hiccups: it waits to be let through.
class LateSave : public OrderedSave {
public:
    using OrderedSave::OrderedSave;
    QSemaphore writing, gate;

    qint64 write(QSaveFile& file, const QByteArray& bytes) override {
        writing.release();
        gate.tryAcquire(1, 10000);
        return OrderedSave::write(file, bytes);
    }
};

// An earlier save of a path whose write answers late never replaces a newer one, nor, once
// abandoned (its failure told), the file that was there; its temporary file goes.
TEST(OrderedSaveTest, ALateSaveNeverLandsOverANewerOneNorOnceAbandoned) {
    struct Case {
        bool abandoned;
        bool newerSave;
    };
    for (const Case c : {Case{false, true}, Case{true, true}, Case{true, false}}) {
        SCOPED_TRACE(testing::Message() << c.abandoned << c.newerSave);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.Clc"));
        Tape newer = newTape();
        newer.resize(401, u'+');
        LateSave first(path);
        OrderedSave second(path);
        std::thread late([&] { saveClc(path, newTape(), RegionalSettings{}, nullptr, first); });
        first.writing.acquire();
        if (c.abandoned) {
            EXPECT_TRUE(first.abandon());
        }
        if (c.newerSave) {
            EXPECT_TRUE(saveClc(path, newer, RegionalSettings{}, nullptr, second));
            EXPECT_FALSE(second.abandon());  // too late: in place
        }
        first.gate.release();
        late.join();
        if (c.newerSave) {
            EXPECT_EQ(bytesOf(path), writeClc(newer, RegionalSettings{}));
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  c.newerSave ? QStringList{QStringLiteral("t.Clc")} : QStringList{});
    }
}

}  // namespace
}  // namespace tallimer
