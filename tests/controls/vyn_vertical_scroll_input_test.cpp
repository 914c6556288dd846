// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPointer>

#include <type_traits>

#include "probes.h"

namespace tallimer {
namespace {

using P = VynVerticalScrollProbe;

struct Bar {
    std::unique_ptr<VynVerticalScroll> s = std::make_unique<VynVerticalScroll>();
    int changes = 0;
    QStringList notified;

    explicit Bar(int height = 240) {
        P::holdTimer(*s);  // the tests tick by hand
        sizeTo(*s, 30, height);
        QObject::connect(s.get(), &VynVerticalScroll::Change, [this] { ++changes; });
        QObject::connect(s.get(), &VynVerticalScroll::PropertyChanged,
                         [this](const QString& name) { notified << name; });
    }
};

TEST(VynVerticalScrollValue, SetClampsAndAlwaysRaisesChange) {
    Bar bar;
    EXPECT_TRUE(bar.s->setValue(150));
    EXPECT_EQ(bar.s->Value(), 100);
    EXPECT_EQ(bar.changes, 1);
    EXPECT_TRUE(bar.s->setValue(100));
    EXPECT_EQ(bar.changes, 2);
    EXPECT_TRUE(bar.s->setValue(-4));
    EXPECT_EQ(bar.s->Value(), 0);
    EXPECT_EQ(bar.notified, (QStringList{"Value", "Value", "Value"}));
}

// QWidget's setEnabled slot is not hidden; the Enabled property tells the container.
static_assert(std::is_same_v<decltype(&VynVerticalScroll::setEnabled), void (QWidget::*)(bool)>);

TEST(VynVerticalScrollValue, EnabledPropertyNotifies) {
    Bar bar;
    bar.s->setEnabledProperty(false);
    EXPECT_FALSE(bar.s->Enabled());
    EXPECT_EQ(bar.notified, QStringList{"Enabled"});
    bar.s->setEnabled(true);  // QWidget's own: no notification
    EXPECT_TRUE(bar.s->Enabled());
    EXPECT_EQ(bar.notified, QStringList{"Enabled"});
}

TEST(VynVerticalScrollValue, MinimumAboveMaximumWins) {
    Bar bar;
    bar.s->setValueMax(10);
    bar.s->setValueMin(50);
    EXPECT_TRUE(bar.s->setValue(30));
    EXPECT_EQ(bar.s->Value(), 50);
}

TEST(VynVerticalScrollValue, EmptyPositiveRangeIsReportedWithoutChange) {
    Bar bar;
    bar.s->setValueMax(5);
    bar.s->setValueMin(5);
    bar.notified.clear();
    EXPECT_FALSE(bar.s->setValue(3));
    EXPECT_EQ(bar.s->Value(), 5);
    EXPECT_EQ(bar.changes, 0);
    EXPECT_TRUE(bar.notified.isEmpty());
}

TEST(VynVerticalScrollValue, ZeroMaximumOnlyClampsTheThumb) {
    Bar bar;
    bar.s->setValue(100);
    bar.s->setValueMax(0);
    EXPECT_EQ(P::thumbTop(*bar.s), 197);
    EXPECT_TRUE(bar.s->setValue(7));
    EXPECT_EQ(bar.s->Value(), 0);
    EXPECT_EQ(P::thumbTop(*bar.s), 197);
    EXPECT_EQ(bar.changes, 2);
}

TEST(VynVerticalScrollValue, FieldWriteIsSilentAndResizePlacesTheThumb) {
    Bar bar;
    bar.s->m_Value = 500;
    EXPECT_EQ(bar.s->Value(), 500);
    EXPECT_EQ(bar.changes, 0);
    EXPECT_EQ(P::thumbTop(*bar.s), 22);
    bar.s->Refresh();
    EXPECT_EQ(P::thumbTop(*bar.s), 198);  // 985 clamped to the track
}

TEST(VynVerticalScrollValue, ResizeKeepsTheThumbOnAnEmptyRange) {
    Bar bar;
    bar.s->setValue(50);
    bar.s->setValueMax(0);
    sizeTo(*bar.s, 30, 300);
    EXPECT_EQ(P::thumbTop(*bar.s), 98);
}

TEST(VynVerticalScrollRepeat, QuickClickMovesNothingButReleaseRaisesChange) {
    Bar bar;
    bar.s->setValue(40);
    bar.changes = 0;
    ASSERT_TRUE(P::press(*bar.s, 8));  // top arrow
    EXPECT_TRUE(P::timerRunning(*bar.s));
    EXPECT_EQ(P::pressY(*bar.s), 8);
    P::release(*bar.s);
    EXPECT_FALSE(P::timerRunning(*bar.s));
    EXPECT_EQ(bar.s->Value(), 40);
    EXPECT_EQ(bar.changes, 1);
}

struct Step {
    std::int32_t value;
    int top;
    int changes;  // total so far
    bool running;
};

void expectSteps(Bar& bar, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        ASSERT_TRUE(P::tick(*bar.s));
        EXPECT_EQ(bar.s->Value(), steps[i].value) << "tick " << i;
        EXPECT_EQ(P::thumbTop(*bar.s), steps[i].top) << "tick " << i;
        EXPECT_EQ(bar.changes, steps[i].changes) << "tick " << i;
        EXPECT_EQ(P::timerRunning(*bar.s), steps[i].running) << "tick " << i;
    }
}

TEST(VynVerticalScrollRepeat, BottomArrowStepsThenKeepsRaisingChangeAtTheEnd) {
    Bar bar;
    bar.s->setValue(98);
    bar.changes = 0;
    P::press(*bar.s, 230);
    // Downward steps place the thumb 22 rows lower, clamped at 198; a tick that does not
    // step places it without the offset.
    expectSteps(
        bar, {{99, 198, 1, true}, {100, 198, 2, true}, {100, 197, 3, true}, {100, 197, 4, true}});
}

TEST(VynVerticalScrollRepeat, TopArrowStopsAtTheMinimum) {
    Bar bar;
    bar.s->setValue(2);
    bar.s->setValueSmallChange(1);
    bar.changes = 0;
    P::press(*bar.s, 10);
    expectSteps(bar, {{1, 22, 1, true}, {0, 22, 2, true}, {0, 22, 3, true}});
}

TEST(VynVerticalScrollRepeat, PageDownUntilTheThumbReachesThePressPoint) {
    Bar bar;
    P::press(*bar.s, 150);
    std::vector<Step> steps;
    const int tops[] = {32, 42, 52, 61, 71, 81, 91, 101, 111, 120, 130};
    for (int i = 0; i < 11; ++i) {
        steps.push_back({5 * (i + 1), tops[i], i + 1, true});
    }
    // Rows 127 .. 156 now cover the press point: the ticks do nothing at all.
    steps.push_back({55, 130, 11, true});
    steps.push_back({55, 130, 11, true});
    expectSteps(bar, steps);
}

TEST(VynVerticalScrollRepeat, PageDownStopsOnceThePressPointIsAboveTheThumb) {
    Bar bar;
    bar.s->setValueLargeChange(50);
    P::press(*bar.s, 60);
    expectSteps(bar, {{50, 120, 1, false}});
}

TEST(VynVerticalScrollRepeat, PageUpThenCloseInOnThePressPoint) {
    Bar bar;
    bar.s->setValue(100);
    bar.changes = 0;
    P::press(*bar.s, 100);
    std::vector<Step> steps;
    const int tops[] = {187, 177, 167, 158, 148, 138, 128, 118};
    for (int i = 0; i < 8; ++i) {
        steps.push_back({100 - 5 * (i + 1), tops[i], i + 1, true});
    }
    // Just above the thumb: 60 - 18 / 240 x 100 = 52.5, a tie going to 52.
    steps.push_back({52, 102, 9, true});
    steps.push_back({52, 102, 9, true});
    expectSteps(bar, steps);
}

TEST(VynVerticalScrollRepeat, StepOverflowIsReported) {
    Bar bar;
    bar.s->setValueMax(2147483647);
    bar.s->setValue(2147483600);
    bar.s->setValueSmallChange(2147483647);
    bar.changes = 0;
    P::press(*bar.s, 230);
    EXPECT_FALSE(P::tick(*bar.s));
    EXPECT_EQ(bar.s->Value(), 2147483600);
    EXPECT_EQ(bar.changes, 0);
}

TEST(VynVerticalScrollDrag, ValueFollowsThePointer) {
    struct Case {
        float y;
        std::int32_t value;
        int top;
    };
    // v / 208 x 100 with v = nearest(Y - 22), the thumb kept between rows 22 and 198.
    const Case cases[] = {{34, 0, 22},    {35, 6, 22},     {100, 38, 87},
                          {211, 91, 198}, {212, 100, 198}, {400, 100, 198}};
    Bar bar;
    ASSERT_TRUE(P::press(*bar.s, 30));
    ASSERT_TRUE(P::dragging(*bar.s));
    EXPECT_FALSE(P::timerRunning(*bar.s));
    int changes = 0;
    for (const Case& c : cases) {
        ASSERT_TRUE(P::drag(*bar.s, c.y));
        EXPECT_EQ(bar.s->Value(), c.value) << c.y;
        EXPECT_EQ(P::thumbTop(*bar.s), c.top) << c.y;
        EXPECT_EQ(bar.changes, ++changes) << c.y;
        EXPECT_EQ(P::changePending(*bar.s), 0);
    }
    P::drag(*bar.s, 400);  // same row: nothing
    EXPECT_EQ(bar.changes, changes);
}

TEST(VynVerticalScrollDrag, ReleaseKeepsTheThumbHeldUntilAButtonlessMove) {
    Bar bar;
    P::press(*bar.s, 30);
    P::drag(*bar.s, 120);
    P::release(*bar.s);
    EXPECT_EQ(bar.changes, 2);
    EXPECT_TRUE(P::dragging(*bar.s));
    P::drag(*bar.s, 125, false);
    EXPECT_FALSE(P::dragging(*bar.s));
    EXPECT_EQ(bar.changes, 2);
}

TEST(VynVerticalScrollDrag, ReleaseHandledInsideAMoveRaisesTheOnlyChange) {
    Bar bar;
    P::press(*bar.s, 30);
    QCoreApplication::postEvent(
        bar.s.get(), new QMouseEvent(QEvent::MouseButtonRelease, QPointF(15, 90), QPointF(15, 90),
                                     Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    ASSERT_TRUE(P::drag(*bar.s, 90));
    EXPECT_EQ(bar.s->Value(), 33);
    EXPECT_EQ(bar.changes, 1);
    EXPECT_EQ(P::changePending(*bar.s), 0);
}

TEST(VynVerticalScrollInput, PressIgnoredOnAnEmptyRange) {
    Bar bar;
    bar.s->setValueMax(0);
    P::press(*bar.s, 230);
    P::press(*bar.s, 30);
    EXPECT_FALSE(P::timerRunning(*bar.s));
    EXPECT_FALSE(P::dragging(*bar.s));
    P::release(*bar.s);
    EXPECT_EQ(bar.changes, 1);
}

TEST(VynVerticalScrollInput, MouseEventsReachTheHandlers) {
    Bar bar;
    sendMouse(*bar.s, QEvent::MouseButtonPress, {15, 150}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(P::timerRunning(*bar.s));
    sendMouse(*bar.s, QEvent::MouseButtonRelease, {15, 150}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(P::timerRunning(*bar.s));
    sendMouse(*bar.s, QEvent::MouseButtonPress, {15, 30}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(*bar.s, QEvent::MouseMove, {15, 35}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(bar.s->Value(), 6);
    EXPECT_EQ(bar.changes, 2);
}

TEST(VynVerticalScrollInput, KeysArePassedOn) {
    Bar bar;
    QStringList keys;
    QObject::connect(bar.s.get(), &VynVerticalScroll::KeyDown,
                     [&](std::int16_t& code, std::int16_t& shift) {
                         keys << QStringLiteral("down %1 %2").arg(code).arg(shift);
                     });
    QObject::connect(
        bar.s.get(), &VynVerticalScroll::KeyUp,
        [&](std::int16_t& code, std::int16_t&) { keys << QStringLiteral("up %1").arg(code); });
    QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::ShiftModifier);
    QCoreApplication::sendEvent(bar.s.get(), &down);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_PageDown, Qt::ShiftModifier);
    QCoreApplication::sendEvent(bar.s.get(), &up);
    EXPECT_EQ(keys, (QStringList{"down 34 1", "up 34"}));
}

TEST(VynVerticalScrollInput, DeletedInItsChangeHandler) {
    for (int route = 0; route < 3; ++route) {
        SCOPED_TRACE(route == 0 ? "setValue" : route == 1 ? "tick" : "release");
        auto* s = new VynVerticalScroll;
        P::holdTimer(*s);
        const QPointer<VynVerticalScroll> alive(s);
        int changes = 0;
        int notified = 0;
        QObject::connect(s, &VynVerticalScroll::Change, [s, &changes] {
            ++changes;
            delete s;
        });
        QObject::connect(s, &VynVerticalScroll::PropertyChanged, [&notified] { ++notified; });
        if (route == 0) {
            EXPECT_TRUE(s->setValue(5));
        } else if (route == 1) {
            P::press(*s, 230);
            EXPECT_TRUE(P::tick(*s));
        } else {
            P::release(*s);
        }
        EXPECT_TRUE(alive.isNull());
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(notified, 0);  // nothing more from the deleted bar
    }
}

}  // namespace
}  // namespace tallimer
