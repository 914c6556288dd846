// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <type_traits>

#include "probes.h"

namespace tallimer {
namespace {

using P = SuperButtonProbe;

// Records the button's events in the order they are raised.
struct Recorder {
    QStringList events;

    explicit Recorder(SuperButton& b) {
        QObject::connect(&b, &SuperButton::Click, [this] { events << "Click"; });
        QObject::connect(&b, &SuperButton::DblClick, [this] { events << "DblClick"; });
        QObject::connect(&b, &SuperButton::KeyDown, [this](std::int16_t& code, std::int16_t&) {
            events << QStringLiteral("KeyDown %1").arg(code);
        });
        QObject::connect(&b, &SuperButton::KeyPress, [this](std::int16_t& ascii) {
            events << QStringLiteral("KeyPress %1").arg(ascii);
        });
        QObject::connect(&b, &SuperButton::KeyUp, [this](std::int16_t& code, std::int16_t&) {
            events << QStringLiteral("KeyUp %1").arg(code);
        });
        QObject::connect(&b, &SuperButton::MouseDown,
                         [this](std::int16_t& button, std::int16_t&, float& x, float& y) {
                             events
                                 << QStringLiteral("MouseDown %1 %2 %3").arg(button).arg(x).arg(y);
                         });
        QObject::connect(
            &b, &SuperButton::MouseUp,
            [this](std::int16_t&, std::int16_t&, float&, float&) { events << "MouseUp"; });
        QObject::connect(&b, &SuperButton::MouseMove,
                         [this](std::int16_t& button, std::int16_t&, float&, float&) {
                             events << QStringLiteral("MouseMove %1").arg(button);
                         });
    }
};

std::unique_ptr<SuperButton> button() {
    auto b = std::make_unique<SuperButton>();
    sizeTo(*b, 100, 40);
    b->setRenderColor(0x00C0C0C0);
    b->setCaption(QStringLiteral("7"));
    return b;
}

void press(SuperButton& b, QPointF at) {
    sendMouse(b, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

void release(SuperButton& b, QPointF at) {
    sendMouse(b, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

TEST(SuperButtonInput, ClickInsideRaisesDownUpClick) {
    const auto b = button();
    Recorder record(*b);
    press(*b, {10, 12});
    release(*b, {20, 30});
    EXPECT_EQ(record.events, (QStringList{"MouseDown 1 10 12", "MouseUp", "Click"}));
    EXPECT_EQ(P::surface(*b).pixel(50, 3), P::litFace(*b).pixel(50, 3));
}

TEST(SuperButtonInput, ReleaseOutsideRaisesNothingAndKeepsThePressedLook) {
    struct Case {
        QPointF at;
    };
    for (const QPointF at : {QPointF(-1, 10), QPointF(100, 10), QPointF(50, 40), QPointF(50, -3)}) {
        const auto b = button();
        Recorder record(*b);
        press(*b, {10, 12});
        const QImage pressed = P::surface(*b);
        release(*b, at);
        EXPECT_EQ(record.events, QStringList{"MouseDown 1 10 12"}) << at.x() << "," << at.y();
        EXPECT_EQ(P::surface(*b), pressed);
    }
}

TEST(SuperButtonInput, ReleaseOnTheEdgeClicksWithoutMouseUp) {
    const auto b = button();
    Recorder record(*b);
    press(*b, {10, 12});
    release(*b, {0, 12});
    EXPECT_EQ(record.events, (QStringList{"MouseDown 1 10 12", "Click"}));
}

TEST(SuperButtonInput, DoubleClickOrder) {
    const auto b = button();
    Recorder record(*b);
    press(*b, {10, 12});
    release(*b, {10, 12});
    sendMouse(*b, QEvent::MouseButtonDblClick, {10, 12}, Qt::LeftButton, Qt::LeftButton);
    release(*b, {10, 12});
    EXPECT_EQ(record.events,
              (QStringList{"MouseDown 1 10 12", "MouseUp", "Click", "DblClick", "MouseUp"}));
}

TEST(SuperButtonInput, CharacterKeysClick) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QStringList events;
    };
    const Case cases[] = {
        {Qt::Key_5, Qt::NoModifier, "5", {"KeyDown 53", "KeyPress 53", "Click", "KeyUp 53"}},
        {Qt::Key_5, Qt::KeypadModifier, "5", {"KeyDown 101", "KeyPress 53", "Click", "KeyUp 101"}},
        {Qt::Key_Return, Qt::NoModifier, "\r", {"KeyDown 13", "KeyPress 13", "Click", "KeyUp 13"}},
        {Qt::Key_Shift, Qt::ShiftModifier, "", {"KeyDown 16", "KeyUp 16"}},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", {"KeyDown 46", "KeyUp 46"}},
        {Qt::Key_Up, Qt::NoModifier, "", {"KeyDown 38", "KeyUp 38"}},
    };
    for (const Case& c : cases) {
        const auto b = button();
        Recorder record(*b);
        QKeyEvent down(QEvent::KeyPress, c.key, c.modifiers, c.text);
        QCoreApplication::sendEvent(b.get(), &down);
        QKeyEvent up(QEvent::KeyRelease, c.key, c.modifiers, c.text);
        QCoreApplication::sendEvent(b.get(), &up);
        EXPECT_EQ(record.events, c.events) << c.text.toStdString();
    }
}

TEST(SuperButtonInput, HeldKeyRepeatsKeyDownButSendsOneKeyUp) {
    const auto b = button();
    Recorder record(*b);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", true);
    QCoreApplication::sendEvent(b.get(), &down);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
    QCoreApplication::sendEvent(b.get(), &repeatUp);
    EXPECT_EQ(record.events, (QStringList{"KeyDown 65", "KeyPress 97", "Click"}));
}

TEST(SuperButtonInput, HoverLightsUntilThePointerLeaves) {
    const auto b = button();
    Recorder record(*b);
    P::setWidgetUnderPointer(*b, b.get());
    sendMouse(*b, QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(P::hover(*b));
    EXPECT_TRUE(P::timerRunning(*b));
    EXPECT_EQ(P::surface(*b).pixel(3, 3), P::litFace(*b).pixel(3, 3));
    EXPECT_EQ(record.events, QStringList{"MouseMove 0"});

    P::tick(*b);  // still over the button
    EXPECT_TRUE(P::hover(*b));

    QWidget elsewhere;
    P::setWidgetUnderPointer(*b, &elsewhere);
    P::tick(*b);
    EXPECT_FALSE(P::hover(*b));
    EXPECT_FALSE(P::timerRunning(*b));
    EXPECT_EQ(P::surface(*b), P::face(*b));
}

TEST(SuperButtonInput, PressedLookEndsWhenThePointerIsElsewhere) {
    const auto b = button();
    sendMouse(*b, QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::NoButton);
    press(*b, {30, 20});
    release(*b, {300, 20});
    EXPECT_NE(P::surface(*b), P::face(*b));
    P::setWidgetUnderPointer(*b, nullptr);
    P::tick(*b);
    EXPECT_EQ(P::surface(*b), P::face(*b));
}

TEST(SuperButtonInput, MoveWithAButtonHeldDoesNotStartHovering) {
    const auto b = button();
    Recorder record(*b);
    sendMouse(*b, QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(P::hover(*b));
    EXPECT_FALSE(P::timerRunning(*b));
    EXPECT_EQ(record.events, QStringList{"MouseMove 1"});
}

TEST(SuperButtonInput, FocusLightsAndLosingItRestoresTheFace) {
    const auto b = button();
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(b.get(), &in);
    EXPECT_EQ(P::surface(*b).pixel(3, 3), P::litFace(*b).pixel(3, 3));
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(b.get(), &out);
    EXPECT_EQ(P::surface(*b), P::face(*b));

    // Hovering: focus does not redraw, losing it still restores the face.
    sendMouse(*b, QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::NoButton);
    press(*b, {30, 20});
    const QImage pressed = P::surface(*b);
    QCoreApplication::sendEvent(b.get(), &in);
    EXPECT_EQ(P::surface(*b), pressed);
    QCoreApplication::sendEvent(b.get(), &out);
    EXPECT_EQ(P::surface(*b), P::face(*b));
    EXPECT_TRUE(P::hover(*b));
}

TEST(SuperButtonInput, DeletedInItsClickHandler) {
    auto* b = new SuperButton;
    const QPointer<SuperButton> alive(b);
    int mouseUps = 0;
    int clicks = 0;
    QObject::connect(b, &SuperButton::MouseUp,
                     [b, &mouseUps](std::int16_t&, std::int16_t&, float&, float&) {
                         ++mouseUps;
                         delete b;
                     });
    QObject::connect(b, &SuperButton::Click, [&clicks] { ++clicks; });
    press(*b, {10, 10});
    release(*b, {10, 10});  // must not touch the deleted button
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(mouseUps, 1);
    EXPECT_EQ(clicks, 0);  // no Click from the deleted button
}

TEST(SuperButtonInput, BorderBeyondSixteenBitsIsRefused) {
    const auto b = button();
    b->setBorder(2);
    QStringList changed;
    QObject::connect(b.get(), &SuperButton::PropertyChanged,
                     [&](const QString& name) { changed << name; });
    EXPECT_FALSE(b->setBorder(70000));
    EXPECT_FALSE(b->setBorder(-40000));
    EXPECT_EQ(b->Border(), 2);
    EXPECT_TRUE(b->setBorder(-32768));
    EXPECT_EQ(b->Border(), -32768);
    EXPECT_EQ(changed, QStringList{"Border"});
}

// QWidget's setEnabled slot is not hidden: through a SuperButton it is the same function.
static_assert(std::is_same_v<decltype(&SuperButton::setEnabled), void (QWidget::*)(bool)>);

TEST(SuperButtonInput, PropertySetsNotifyTheContainer) {
    const auto b = button();
    QStringList changed;
    QObject::connect(b.get(), &SuperButton::PropertyChanged,
                     [&](const QString& name) { changed << name; });
    b->setCaption("x");
    b->setBackColor(0x00112233);
    b->setRenderColor(0x00445566);
    b->setEnabledProperty(false);
    b->setFontSize(12);
    b->setFontSize(0);  // refused
    EXPECT_EQ(changed, (QStringList{"Caption", "BackColor", "RenderColor", "Enabled", "Fontsize"}));
    EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(b->FontSize(), 12);
}

}  // namespace
}  // namespace tallimer
