// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "controls/drive_control.h"
#include "controls/vyn_vertical_scroll.h"
#include "probes.h"
#include "test_names.h"

namespace tallimer {
namespace {

std::vector<Volume> fixedVolumes() {
    return {{"/", "", DriveType::Fixed, false},
            {"/media/stick", "STICK", DriveType::Removable, false},
            {"/mnt/cd", "", DriveType::Optical, false},
            {"/run", "", DriveType::RamDisk, false},
            {"/mnt/floppy", "", DriveType::Removable, true},
            {"/mnt/odd", "", DriveType::Unknown, false}};
}

// A control over a temporary folder, with a fixed volume list and home folder.
class DriveControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        root = QDir(dir.path()).canonicalPath();
    }
    void TearDown() override { control.reset(); }
    void make(std::vector<Volume> volumes, QString home, int width = 457, int height = 214) {
        DriveControl::Sources sources{[volumes] { return volumes; }, [home] { return home; }};
        control = std::make_unique<DriveControl>(nullptr, sources);
        sizeTo(*control, width, height);
        QString start = root;
        control->GetDir(start);
        listed();
    }
    // Lets the listing asked for arrive.
    void listed() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !control->listingPending(); }));
    }
    void file(const QString& name, bool readOnly = false) {
        QFile f(root + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        if (readOnly) {
            f.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    void folder(const QString& name) { ASSERT_TRUE(QDir(root).mkdir(name)); }
    // Clicks the middle of visible row `row` (0 is the top row).
    void clickRow(int row) {
        const int pitch = control->RowHeight() / 15;
        QTest::mouseClick(control.get(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(100, row * pitch + pitch / 2));
        listed();
    }
    QStringList names() const {
        QStringList out;
        for (const DriveEntry& entry : control->Entries()) {
            out << entry.name;
        }
        return out;
    }

    std::vector<std::int32_t> types() const {
        std::vector<std::int32_t> out;
        for (const DriveEntry& entry : control->Entries()) {
            out.push_back(entry.type);
        }
        return out;
    }

    QTemporaryDir dir;
    QString root;
    std::unique_ptr<DriveControl> control;
};

TEST_F(DriveControlTest, ListsDrivesHomeParentFoldersThenFilteredFiles) {
    folder("beta");
    folder("Alpha");
    folder(".hidden");
    for (const char* name : {"b.CLC", "a.clc", "c.clc.txt", "d.txt", ".h.Clc"}) {
        file(name);
    }
    file("r.Clc", true);
    make(fixedVolumes(), "/home/ann/");
    control->FileExtention(".Clc");
    listed();
    EXPECT_EQ(names(),
              (QStringList{"", "/", "/media/stick <STICK>", "/mnt/cd", "/run", "/mnt/floppy", "ann",
                           "..", "Alpha", "beta", "a.clc", "b.CLC", "c.clc.txt", "r.Clc"}));
    EXPECT_EQ(types(),
              (std::vector<std::int32_t>{0, 13, 12, 15, 16, 100, 110, 1, 1, 1, 2, 2, 2, 3}));
    EXPECT_EQ(control->SelectedEntry(), -1);
}

TEST_F(DriveControlTest, FilterOfEveryFileOrNone) {
    file("d.txt");
    file("e.Clc");
    for (const char* pattern : {".*", ""}) {
        make({}, "");
        control->FileExtention(pattern);
        listed();
        EXPECT_EQ(names(), (QStringList{"", "..", "d.txt", "e.Clc"})) << pattern;
    }
    control->FileExtention(".xyz");
    listed();
    EXPECT_EQ(names(), (QStringList{"", ".."}));
}

TEST_F(DriveControlTest, NoParentAtTheRootAndNoHomeEntryForAShortHome) {
    make({{"/", "", DriveType::Fixed, false}}, "/");
    QString top = QStringLiteral("/");
    control->GetDir(top);
    listed();
    EXPECT_EQ(control->folder(), QStringLiteral("/"));
    EXPECT_EQ(names()[1], QStringLiteral("/"));
    EXPECT_NE(names()[2], QStringLiteral(".."));
    const std::vector<std::int32_t> kinds = types();
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), kEntryHome), 0);
}

TEST_F(DriveControlTest, ClicksOnAFileAFolderAndTheEmptyArea) {
    folder("sub");
    file("plan.Clc");
    make({}, "");
    control->FileExtention(".Clc");
    listed();
    ASSERT_EQ(names(), (QStringList{"", "..", "sub", "plan.Clc"}));
    int mouseUps = 0;
    QObject::connect(control.get(), &DriveControl::MouseUp,
                     [&](std::int16_t&, std::int16_t&, float&, float&) { ++mouseUps; });

    clickRow(2);  // plan.Clc
    EXPECT_EQ(mouseUps, 1);
    EXPECT_EQ(control->FileName(), QStringLiteral("plan.Clc"));
    EXPECT_EQ(control->DrivePathFile(), root + QStringLiteral("/plan.Clc"));
    EXPECT_EQ(control->SelectPath(), QString());
    EXPECT_EQ(control->SelectedEntry(), 3);

    clickRow(5);  // below the last entry
    EXPECT_EQ(mouseUps, 1);

    clickRow(1);  // sub
    EXPECT_EQ(mouseUps, 2);
    EXPECT_EQ(control->folder(), root + QStringLiteral("/sub"));
    EXPECT_EQ(control->SelectPath(), root + QStringLiteral("/sub"));
    EXPECT_EQ(control->FileName(), QStringLiteral("plan.Clc"));  // kept
    EXPECT_EQ(control->SelectedEntry(), -1);
    EXPECT_EQ(names(), (QStringList{"", ".."}));

    clickRow(0);  // ".." leads back
    EXPECT_EQ(control->folder(), root);
}

TEST_F(DriveControlTest, DriveAndHomeEntriesListTheirFolders) {
    folder("home");
    make({{root + "/home", "LABEL", DriveType::Fixed, false}}, root);
    clickRow(0);  // the drive, shown with its label
    EXPECT_EQ(control->folder(), root + QStringLiteral("/home"));
    EXPECT_EQ(control->DrivePathFile(), root + QStringLiteral("/home <LABEL>"));
    clickRow(1);  // the home entry
    EXPECT_EQ(control->folder(), root);
}

TEST_F(DriveControlTest, DriveLabelsAndKindsArriveFromAWorker) {
    DriveControl::Sources sources{
        [] {
            return std::vector<Volume>{{"/media/stick", "", DriveType::Fixed, false}};
        },
        [] { return QString(); },
        {},
        [] {
            return std::vector<Volume>{{"/media/stick", "STICK", DriveType::Removable, false}};
        }};
    control = std::make_unique<DriveControl>(nullptr, sources);
    QString start = root;
    control->GetDir(start);
    ASSERT_TRUE(QTest::qWaitFor([this] { return names()[1] == "/media/stick <STICK>"; }));
    listed();
    EXPECT_EQ(types()[1], kEntryDriveBase + static_cast<std::int32_t>(DriveType::Removable));
}

struct RangeCase {
    const char* name;
    int entries;
    int valueMax;
    int rowsVisible;
    bool scrollShown;
};

class DriveControlRange : public DriveControlTest,
                          public ::testing::WithParamInterface<RangeCase> {};

TEST_P(DriveControlRange, ScrollRangeFollowsTheEntries) {
    const RangeCase& c = GetParam();
    for (int i = 1; i < c.entries; ++i) {  // ".." is the first entry
        file(QStringLiteral("f%1").arg(i, 3, 10, QChar(u'0')));
    }
    make({}, "");
    const int pitch = control->RowHeight() / 15;
    sizeTo(*control, 300, 20 * pitch);  // 20 whole rows
    ASSERT_EQ(control->Entries().size(), static_cast<std::size_t>(c.entries) + 1);
    EXPECT_EQ(control->RowsVisible(), c.rowsVisible);
    EXPECT_EQ(control->sFiles().ValueMax(), c.valueMax);
    EXPECT_EQ(control->sFiles().Value(), 1);
    EXPECT_EQ(control->sFiles().isVisibleTo(control.get()), c.scrollShown);
}

const RangeCase kRanges[] = {
    {"30 entries 20 fit", 30, 21, 20, true},
    {"100 entries 20 fit", 100, 81, 20, true},
    {"all fit", 5, 2, 6, false},
};
INSTANTIATE_TEST_SUITE_P(Rows, DriveControlRange, ::testing::ValuesIn(kRanges),
                         test_names::ByName{});

// One walk by keys through a list five rows high: each key's current entry, folder listed,
// top row and the click (MouseUp) and double click (DblClick) it raised.
TEST_F(DriveControlTest, KeysMoveAndOpenTheCurrentEntry) {
    folder("books");
    file("books/in.Clc");
    for (int i = 0; i < 40; ++i) {
        file(QStringLiteral("f%1").arg(i, 2, 10, QChar(u'0')));
    }
    make({}, "");
    sizeTo(*control, 300, 5 * (control->RowHeight() / 15));
    ASSERT_EQ(control->RowsVisible(), 5);
    int keyDowns = 0;
    int mouseUps = 0;
    int dblClicks = 0;
    QObject::connect(control.get(), &DriveControl::KeyDown,
                     [&](std::int16_t&, std::int16_t&) { ++keyDowns; });
    QObject::connect(control.get(), &DriveControl::MouseUp,
                     [&](std::int16_t&, std::int16_t&, float&, float&) { ++mouseUps; });
    QObject::connect(control.get(), &DriveControl::DblClick, [&] { ++dblClicks; });
    const struct {
        Qt::Key key;
        const char* current;
        const char* folder;
        int top;
        int mouseUps;
        int dblClicks;
    } steps[] = {
        {Qt::Key_Down, "books", "", 1, 0, 0},
        {Qt::Key_PageDown, "f04", "", 6, 0, 0},
        {Qt::Key_End, "f39", "", 38, 0, 0},
        {Qt::Key_Home, "..", "", 1, 0, 0},
        {Qt::Key_F, "f00", "", 1, 0, 0},
        {Qt::Key_F, "f01", "", 1, 0, 0},
        {Qt::Key_B, "books", "", 1, 0, 0},
        {Qt::Key_Space, "books", "", 1, 0, 0},
        {Qt::Key_Return, "..", "/books", 1, 1, 0},
        {Qt::Key_End, "in.Clc", "/books", 1, 0, 0},
        {Qt::Key_Space, "in.Clc", "/books", 1, 1, 0},
        {Qt::Key_Return, "in.Clc", "/books", 1, 1, 1},
        {Qt::Key_Backspace, "..", "", 1, 1, 0},
    };
    for (const auto& step : steps) {
        mouseUps = dblClicks = 0;
        const int before = keyDowns;
        QTest::keyClick(control.get(), step.key);
        listed();
        const int current = control->currentEntry();
        ASSERT_GT(current, 0) << step.key;
        EXPECT_EQ(control->Entries()[static_cast<std::size_t>(current)].name, step.current)
            << step.key;
        EXPECT_EQ(control->folder(), root + step.folder) << step.key;
        EXPECT_EQ(control->sFiles().Value(), step.top) << step.key;
        EXPECT_EQ(mouseUps, step.mouseUps) << step.key;
        EXPECT_EQ(dblClicks, step.dblClicks) << step.key;
        EXPECT_EQ(keyDowns, before + 1) << step.key;  // every key is raised
    }
}

TEST_F(DriveControlTest, RowPixelsStripAndHover) {
    folder("sub");
    file("plan.Clc");
    make({{"/", "", DriveType::Fixed, false}}, "");
    control->FileExtention(".Clc");
    listed();
    const QImage look = control->grab().toImage();
    const int pitch = control->RowHeight() / 15;
    // The grey strip at the right edge, under no scroll bar.
    EXPECT_EQ(look.pixel(control->width() - 2, control->height() - 2), qRgb(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(look.pixel(control->width() - 6, control->height() - 2), qRgb(0xFF, 0xFF, 0xFF));
    // Drive text in green, folder text in blue: the darkest pixel of each row's text.
    auto inkOf = [&](int row) {
        QRgb ink = qRgb(255, 255, 255);
        for (int y = row * pitch; y < (row + 1) * pitch; ++y) {
            for (int x = 34; x < 200; ++x) {
                const QRgb p = look.pixel(x, y);
                if (qRed(p) + qGreen(p) + qBlue(p) < qRed(ink) + qGreen(ink) + qBlue(ink)) {
                    ink = p;
                }
            }
        }
        return ink;
    };
    EXPECT_EQ(inkOf(0), qRgb(0, 0x80, 0));
    EXPECT_EQ(inkOf(2), qRgb(0, 0, 0xFF));
    EXPECT_EQ(inkOf(3), qRgb(0, 0, 0));
    // The folder icon is yellow.
    const QRgb icon = look.pixel(16, 2 * pitch + 1 + 10);
    EXPECT_GT(qRed(icon), 200);
    EXPECT_LT(qBlue(icon), 120);

    // Hovering the second row lights its band in lavender, from the text to the strip.
    sendMouse(*control, QEvent::MouseMove, QPointF(150, pitch + pitch / 2), Qt::NoButton);
    const QImage lit = control->grab().toImage();
    const QRgb lavender = qRgb(0xED, 0xED, 0xFF);
    EXPECT_EQ(lit.pixel(control->width() - 8, pitch + 1), lavender);
    EXPECT_EQ(lit.pixel(control->width() - 8, 2 * pitch + 1), qRgb(255, 255, 255));
    EXPECT_EQ(lit.pixel(20, pitch + 1), look.pixel(20, pitch + 1));  // the icon column stays
}

}  // namespace
}  // namespace tallimer
