// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QScreen>

#include "window/layout_rules.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

TEST(LayoutRules, RowPoolFromTheLargerScreenDimension) {
    // 1920 x 1080 at 96 dpi: 74 rows, N = 73.
    EXPECT_EQ(layout::rowPoolLast(1920, 26), 73);
    EXPECT_EQ(layout::rowPoolLast(800, 26), 30);
    EXPECT_EQ(layout::rowPoolLast(30, 26), 0);
}

TEST(LayoutRules, OnlyRowsWhollyInsideTheClientAreaCount) {
    struct Case {
        int clientHeight;
        int poolLast;
        int expected;
    };
    const Case cases[] = {
        {419, 73, 12},   // designed size: row 12 ends at 417
        {416, 73, 11},   // row 12 would end 1 pixel below the edge
        {417, 73, 12},   // ends exactly on the edge
        {979, 73, 33},   // tall layout on a 1080-line screen
        {5000, 30, 30},  // never beyond the pool
        {60, 30, 0},     // not even row 0 fits: still row 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layout::visibleLastRow(c.clientHeight, 79, 26, c.poolLast), c.expected)
            << "client height " << c.clientHeight;
    }
}

TEST(LayoutRules, OuterTwipsMapThroughTheDesignedFrame) {
    const layout::ClientLimits at96 = layout::clientLimits(layout::twipsPerPixel(96));
    EXPECT_EQ(at96.minWidth, 259);
    EXPECT_EQ(at96.maxWidth, 509);
    EXPECT_EQ(at96.minHeight, 419);
    EXPECT_DOUBLE_EQ(layout::twipsPerPixel(120), 12.0);
    // A left edge far beyond 16 bits of twips.
    EXPECT_EQ(layout::outerTwipsForLeft(3000, 15.0), 45000);
}

TEST_F(WindowTest, DesignedSizeShowsRowsZeroToTwelve) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tallimer Calculator 6"));
    ASSERT_DOUBLE_EQ(window->twipsPerPixel(), 15.0);
    EXPECT_EQ(window->clientSize(), QSize(509, 419));
    EXPECT_EQ(window->partsAllRowsMade().client->size(), QSize(509, 419));
    EXPECT_EQ(window->lastRow(), 12);
    EXPECT_EQ(window->calculator().LastRow, 12);
    for (int r = 0; r <= 12; ++r) {
        EXPECT_TRUE(row(r)->isVisible()) << r;
        EXPECT_TRUE(op(r)->isVisible()) << r;
        EXPECT_EQ(row(r)->geometry(), QRect(30, 79 + 26 * r, 200, 26)) << r;
        EXPECT_EQ(op(r)->geometry(), QRect(3, 79 + 26 * r, 31, 26)) << r;
    }
    EXPECT_FALSE(row(13)->isVisible());
    EXPECT_FALSE(op(13)->isVisible());
    // The scroll bar spans exactly the visible rows.
    EXPECT_EQ(window->partsAllRowsMade().ScrollNum->geometry(), QRect(230, 78, 31, 338));
    EXPECT_EQ(window->calculator().tape.size(), window->rowPoolSize());
}

// The window tests run on the offscreen platform's one 800 x 800 screen: rows 26 high below
// row 0 up to the larger dimension, 800, make N = 30 (74 rows at 1920 x 1080, as above).
TEST_F(WindowTest, RowPoolFollowsTheScreen) {
    ASSERT_EQ(window->screen()->size(), QSize(800, 800));
    EXPECT_EQ(window->rowPoolSize(), 31);
}

TEST_F(WindowTest, SizesSnapBackToTheLimits) {
    struct Case {
        QSize asked;
        QSize expected;
        int lastRow;
    };
    const Case cases[] = {
        {{100, 100}, {259, 419}, 12},  // narrower and lower than allowed
        {{900, 419}, {509, 419}, 12},  // wider than the designed window
        {{300, 550}, {300, 550}, 17},  // within the limits: kept, more rows
        {{509, 600}, {509, 600}, 19},
    };
    for (const Case& c : cases) {
        window->resizeClient(c.asked);
        EXPECT_TRUE(waitUntil([&] { return window->clientSize() == c.expected; }))
            << "asked " << c.asked.width() << "x" << c.asked.height() << " got "
            << window->clientSize().width() << "x" << window->clientSize().height();
        EXPECT_EQ(window->lastRow(), c.lastRow);
        EXPECT_FALSE(row(c.lastRow + 1)->isVisible());
        EXPECT_TRUE(row(c.lastRow)->isVisible());
    }
}

TEST_F(WindowTest, GrowingLengthensTheTapeAndKeepsItsLines) {
    type("7*");
    window->resizeClient({509, 600});
    ASSERT_TRUE(waitUntil([&] { return window->lastRow() == 19; }));
    const Calculator& calc = window->calculator();
    EXPECT_GE(calc.tape.lastIndex(), 19);
    EXPECT_EQ(calc.tape.TapeOps[1], QChar(u'x'));
    EXPECT_EQ(row(0)->text(), QStringLiteral("7"));
    EXPECT_EQ(window->partsAllRowsMade().ScrollNum->height(), 26 * 20);
}

TEST_F(WindowTest, MaximizeGivesTheTallLayoutAndTheNextReturns) {
    ASSERT_DOUBLE_EQ(window->twipsPerPixel(), 15.0);
    const QRect screen = window->screen()->geometry();
    ASSERT_EQ(screen, QRect(0, 0, 800, 800));
    // 0.96 of the 800-line screen is 11520 twips outside, 768 pixels; less the designed frame's
    // 58, a client area 710 high.
    const int tallHeight = 710;
    const QPoint before = window->frameGeometry().topLeft();
    ASSERT_EQ(before, QPoint(100, 50));

    window->setWindowState(Qt::WindowMaximized);
    const bool tall = waitUntil([&] { return window->clientSize() == QSize(509, tallHeight); });
    ASSERT_TRUE(tall);
    ASSERT_TRUE(waitUntil([&] { return !window->layoutSettling(); }));
    settle();
    EXPECT_EQ(window->windowState() & Qt::WindowMaximized, 0);
    EXPECT_EQ(window->frameGeometry().topLeft(), screen.topLeft());
    EXPECT_EQ(window->savedLeft(), 1500);  // the left edge, 100 pixels, in twips
    EXPECT_EQ(window->lastRow(), 23);      // row 23 ends at 79 + 24 x 26 = 703, row 24 at 729

    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(waitUntil([&] { return window->clientSize() == QSize(509, 419); }));
    ASSERT_TRUE(waitUntil([&] { return !window->layoutSettling(); }));
    settle();
    EXPECT_EQ(window->windowState() & Qt::WindowMaximized, 0);
    EXPECT_EQ(window->frameGeometry().x(), before.x());
    EXPECT_EQ(window->savedLeft(), 0);
    EXPECT_EQ(window->lastRow(), 12);
}

TEST_F(WindowTest, FarRightLeftEdgeBeyondSixteenBits) {
    window->move(3000, 40);  // 45000 twips
    ASSERT_TRUE(waitUntil([&] { return window->frameGeometry().x() == 3000; }));
    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(waitUntil([&] { return window->savedLeft() == 45000; }));
    ASSERT_TRUE(waitUntil([&] { return window->clientSize().height() > 419; }));
    ASSERT_TRUE(waitUntil([&] { return !window->layoutSettling(); }));
    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(waitUntil([&] { return window->frameGeometry().x() == 3000; }));
    EXPECT_EQ(window->savedLeft(), 0);
}

TEST_F(WindowTest, LeftEdgeZeroEntersTheTallLayoutAgain) {
    window->move(0, 0);
    ASSERT_TRUE(waitUntil([&] { return window->frameGeometry().topLeft() == QPoint(0, 0); }));
    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(waitUntil([&] { return window->clientSize().height() > 419; }));
    ASSERT_TRUE(waitUntil([&] { return !window->layoutSettling(); }));
    const QSize tall = window->clientSize();
    EXPECT_EQ(window->savedLeft(), 0);  // 0 means nothing is remembered
    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(waitUntil([&] { return !window->layoutSettling(); }));
    settle();
    EXPECT_EQ(window->clientSize(), tall);  // the tall layout again, not the designed size
    EXPECT_EQ(window->windowState() & Qt::WindowMaximized, 0);
}

TEST_F(WindowTest, MinimizedRunsNoLayoutUntilRestored) {
    window->setWindowState(Qt::WindowMinimized);
    settle();
    window->resizeClient({100, 100});
    settle();
    EXPECT_EQ(window->clientSize(), QSize(100, 100));
    window->setWindowState(Qt::WindowNoState);
    ASSERT_TRUE(waitUntil([&] { return window->clientSize() == QSize(259, 419); }));
    EXPECT_EQ(window->lastRow(), 12);
}

TEST_F(WindowTest, ScrolledViewComesBackIntoRangeWhenTheWindowGrows) {
    for (int i = 1; i <= 20; ++i) {
        type(QString::number(i));
        press(Qt::Key_Return);
    }
    const Calculator& calc = window->calculator();
    ASSERT_EQ(window->scrollValue(), 8);  // 21 lines, 13 rows
    window->resizeClient({509, 700});
    ASSERT_TRUE(waitUntil([&] { return window->lastRow() == 22; }));
    EXPECT_LE(window->scrollValue() + window->lastRow(), calc.tape.lastIndex());
    EXPECT_EQ(row(0)->text(), QString::number(window->scrollValue() + 1));
}

}  // namespace
}  // namespace tallimer

namespace tallimer {
namespace {

TEST_F(WindowTest, ControlsSitAtTheirDesignedPlaces) {
    const WindowParts& p = window->partsAllRowsMade();
    EXPECT_EQ(p.total.TotalAmount->geometry(), QRect(30, 21, 458, 33));
    EXPECT_EQ(p.total.Dzx->geometry(), QRect(9, 9, 490, 58));
    EXPECT_EQ(p.total.Op11->pos(), QPoint(15, 27));
    // Sized to its caption: 12 x 24 by the design, Liberation Sans rounds the width up.
    EXPECT_NEAR(p.total.Op11->width(), 12, 1);
    EXPECT_EQ(p.total.Op11->height(), 24);
    EXPECT_EQ(p.keypad.M_Buff->geometry(), QRect(270, 351, 226, 65));
    EXPECT_EQ(p.keypad.MemoryRc[0]->geometry(), QRect(321, 372, 65, 40));
    EXPECT_EQ(p.keypad.MemoryRc[1]->geometry(), QRect(390, 372, 65, 40));
    struct Key {
        int index;
        QRect place;
        std::uint32_t render;
    };
    const Key keys[] = {
        {11, {270, 81, 50, 50}, 0x000000C8},  {16, {324, 81, 104, 50}, 0x000000C8},
        {17, {432, 81, 65, 50}, 0x000000C8},  {7, {270, 135, 50, 50}, 0x00CCCC99},
        {9, {378, 135, 50, 50}, 0x00CCCC99},  {12, {432, 135, 65, 50}, 0x0001B207},
        {5, {324, 189, 50, 50}, 0x00CCCC99},  {13, {432, 189, 65, 50}, 0x0001B207},
        {1, {270, 243, 50, 50}, 0x00CCCC99},  {14, {432, 243, 65, 50}, 0x0001B207},
        {0, {270, 297, 104, 50}, 0x00CCCC99}, {10, {378, 297, 50, 50}, 0x00CCCC99},
        {15, {432, 297, 65, 50}, 0x0001B207},
    };
    for (const Key& k : keys) {
        EXPECT_EQ(key(k.index)->geometry(), k.place) << "button " << k.index;
        EXPECT_EQ(key(k.index)->RenderColor(), k.render) << "button " << k.index;
    }
    // The keypad's indices as the design numbers them; the engine's and the window's
    // tests click the keys by these indices.
    const char* const captions[] = {"0", "1", "2",  "3", "4", "5", "6", "7", "8",
                                    "9", ".", "CA", "+", "-", "x", "/", "C", "DEL"};
    ASSERT_EQ(window->partsAllRowsMade().keypad.CalC_Button.size(), std::size(captions));
    for (std::size_t i = 0; i < std::size(captions); ++i) {
        EXPECT_EQ(key(static_cast<int>(i))->Caption(), QString::fromLatin1(captions[i]))
            << "button " << i;
    }
    // Stacking: the scroll bar in front of the total box, in front of the rows; each row in
    // front of its operator button.
    const QObjectList& order = p.client->children();
    const auto depth = [&](const QObject* w) { return order.indexOf(w); };
    EXPECT_GT(depth(p.ScrollNum), depth(p.total.TotalAmount));
    EXPECT_GT(depth(p.total.TotalAmount), depth(row(window->rowPoolSize() - 1)));
    EXPECT_GT(depth(row(5)), depth(op(5)));
    EXPECT_GT(depth(p.keypad.MemoryRc[0]), depth(p.keypad.M_Buff));
}

// The design's tab order, written as what each stop shows: the keypad's digits, then its
// other keys in their designed order, the memory keys, DEL, the scroll bar and the rows made
// at load, each before its operator button.
TEST_F(WindowTest, TabOrderFollowsTheDesign) {
    const WindowParts& p = window->partsAllRowsMade();
    const auto stop = [&](QWidget* w) -> QString {
        if (auto* entry = qobject_cast<EntryRow*>(w)) {
            return QStringLiteral("row %1").arg(entry->index());
        }
        if (w == p.total.TotalAmount) {
            return QStringLiteral("total");
        }
        if (w == p.ScrollNum) {
            return QStringLiteral("scroll");
        }
        for (int r = 0; r < window->rowPoolSize(); ++r) {
            if (w == op(r)) {
                return QStringLiteral("op %1").arg(r);
            }
        }
        if (auto* button = qobject_cast<SuperButton*>(w)) {
            return button->Caption();
        }
        return QStringLiteral("?");
    };
    QStringList stops;
    QWidget* w = row(0);
    for (int i = 0; i < 28; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus) {  // not a stop: the labels
            w = w->nextInFocusChain();
        }
        stops << stop(w);
    }
    EXPECT_EQ(stops.join(u' ').toStdString(),
              std::string("row 0 total op 0 0 1 2 3 4 5 6 7 8 9 C CA + - x / . M+ MR DEL "
                          "scroll row 1 op 1 row 2 op 2"));
}

TEST_F(WindowTest, RowsUseArialAsLiberationSans) {
    const QFontInfo info(row(0)->font());
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(row(0)->font().pointSizeF(), 14.25);
    EXPECT_EQ(row(0)->maxLength(), 40);
    EXPECT_EQ(row(0)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

}  // namespace
}  // namespace tallimer

namespace tallimer {
namespace {

// The controls call back into the calculator, a member of the window: on closing they go
// while the window is still whole (a Rolling_Caculator, not yet the QWidget that ~QWidget
// deletes the remaining children of), and no focus moves from one to another on the way.
TEST_F(WindowTest, ClosingDestroysTheControlsWhileTheCalculatorIsWhole) {
    type("5");
    press(Qt::Key_Return);
    ASSERT_EQ(focusedRow(), 1);
    const WindowParts& p = window->partsAllRowsMade();
    std::vector<QObject*> controls = {p.ScrollNum, p.total.TotalAmount, p.keypad.MemoryRc[0]};
    for (int r = 0; r < window->rowPoolSize(); ++r) {
        controls.push_back(row(r));
        controls.push_back(op(r));
    }
    for (int k = 0; k <= 17; ++k) {
        controls.push_back(key(k));
    }
    QObject counter;
    QWidget* const whole = window.get();
    int destroyed = 0;
    int whileWhole = 0;
    for (QObject* control : controls) {
        QObject::connect(control, &QObject::destroyed, &counter, [&] {
            ++destroyed;
            whileWhole += qobject_cast<Rolling_Caculator*>(whole) != nullptr ? 1 : 0;
        });
    }
    int arrivals = 0;
    QObject::connect(qApp, &QApplication::focusChanged, &counter,
                     [&](QWidget*, QWidget* now) { arrivals += now != nullptr ? 1 : 0; });
    window.reset();
    EXPECT_EQ(destroyed, static_cast<int>(controls.size()));
    EXPECT_EQ(whileWhole, destroyed);
    EXPECT_EQ(arrivals, 0);
}

}  // namespace
}  // namespace tallimer
