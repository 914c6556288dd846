// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QLineEdit>
#include <QScreen>

#include <cstdint>
#include <random>

#include "engine/total.h"
#include "window/layout_rules.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// Under the sanitizers every event costs several times as much; fewer keep the test short.
#ifdef __SANITIZE_ADDRESS__
constexpr int kEvents = 25000;
#else
constexpr int kEvents = 100000;
#endif

// Keys a person may press in a row: digits, the symbols, operators, Enter, Backspace, arrows,
// letters the rows take and refuse, copy and paste chords.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};
const Key kKeys[] = {
    {Qt::Key_0, {}, "0"},
    {Qt::Key_1, {}, "1"},
    {Qt::Key_2, {}, "2"},
    {Qt::Key_5, {}, "5"},
    {Qt::Key_9, {}, "9"},
    {Qt::Key_7, {}, "7"},
    {Qt::Key_Period, {}, "."},
    {Qt::Key_Comma, {}, ","},
    {Qt::Key_Plus, {}, "+"},
    {Qt::Key_Minus, {}, "-"},
    {Qt::Key_Asterisk, {}, "*"},
    {Qt::Key_Slash, {}, "/"},
    {Qt::Key_Return, {}, "\r"},
    {Qt::Key_Backspace, {}, "\b"},
    {Qt::Key_Up, {}, ""},
    {Qt::Key_Down, {}, ""},
    {Qt::Key_PageUp, {}, ""},
    {Qt::Key_PageDown, {}, ""},
    {Qt::Key_H, {}, "H"},
    {Qt::Key_A, {}, "a"},
    {Qt::Key_ParenLeft, {}, "("},
    {Qt::Key_C, Qt::ControlModifier, "\x03"},
    {Qt::Key_V, Qt::ControlModifier, "\x16"},
};

class RandomSessionTest : public WindowTest {
protected:
    int pick(int count) { return static_cast<int>(m_random() % static_cast<unsigned>(count)); }

    void checkInvariants(int event) {
        const Calculator& calc = window->calculator();
        const int lines = calc.tape.size();
        const int valueMax = window->scrollValueMax();
        const int value = window->scrollValue();
        ASSERT_EQ(calc.tape.TapeOps.size(), calc.tape.TapeNumbers.size()) << "event " << event;
        ASSERT_TRUE(calc.LastRow >= 0 && calc.LastRow < window->rowPoolSize()) << "event " << event;
        ASSERT_GE(lines, valueMax + calc.LastRow + 1) << "event " << event;
        ASSERT_LE(lines, kMaxTapeLines) << "event " << event;
        ASSERT_TRUE(value >= 0 && value <= valueMax) << "event " << event;
        ASSERT_LT(value + window->lastRow(), lines) << "event " << event;
    }

    // The total box shows what MailCalc computes from the tape as it is now.
    void checkTotal(int event) {
        const Calculator& calc = window->calculator();
        const QString expected = MailCalc(calc.tape, calc.TotalMode, calc.DecPlaces,
                                          englishSettings(), window->totalText());
        ASSERT_EQ(window->totalText(), expected) << "event " << event;
    }

    QWidget* visibleRow() { return row(pick(window->lastRow() + 1)); }

    // A key down and up in the row that has the focus (a row is clicked first when none has
    // it); the release goes to whatever has the focus then. True when it ended in a row.
    bool pressKey() {
        if (qobject_cast<EntryRow*>(QApplication::focusWidget()) == nullptr) {
            click(visibleRow());
        }
        const Key& key = kKeys[pick(std::size(kKeys))];
        const QString text = QString::fromLatin1(key.text);
        QTest::sendKeyEvent(QTest::KeyAction::Press, QApplication::focusWidget(), key.key, text,
                            key.modifiers);
        QWidget* releaseTo = QApplication::focusWidget();
        QTest::sendKeyEvent(QTest::KeyAction::Release, releaseTo, key.key, text, key.modifiers);
        return qobject_cast<EntryRow*>(releaseTo) != nullptr;
    }

    void resizeBetweenTheLimits() {
        const layout::ClientLimits limits = layout::clientLimits(window->twipsPerPixel());
        const QSize size(limits.minWidth + pick(limits.maxWidth - limits.minWidth + 1),
                         limits.minHeight + pick(m_tallHeight - limits.minHeight + 1));
        window->resizeClient(size);
        if (!waitUntil([&] { return window->clientSize() == size; }, 200)) {
            fprintf(stderr, "timeout %dx%d got %dx%d tall %d\n", size.width(), size.height(),
                    window->clientSize().width(), window->clientSize().height(), m_tallHeight);
        }
    }

    std::mt19937 m_random{20261209};
    int m_tallHeight = 0;
};

TEST_F(RandomSessionTest, EveryEventKeepsTapeViewAndTotalTogether) {
    const double tpp = window->twipsPerPixel();
    m_tallHeight = layout::clientHeightForOuter(
        layout::kTallHeightShare * window->screen()->geometry().height() * tpp, tpp);
    const MenuParts& menus = window->partsAllRowsMade().menus;
    window->setMessageFunction([](const QString&) {});
    bool opClicked = false;
    for (SuperButton* op : window->partsAllRowsMade().rows.Op) {
        QObject::connect(op, &SuperButton::Click, [&] { opClicked = true; });
    }

    for (int event = 0; event < kEvents; ++event) {
        bool totalComputed = false;
        // Mostly typing, as a person works; commands that redraw every row less often.
        const int kind = pick(1000);
        if (kind < 660) {
            totalComputed = pressKey();
        } else if (kind < 800) {
            click(key(pick(18)));
        } else if (kind < 850) {
            opClicked = false;
            click(op(pick(window->lastRow() + 1)));
            totalComputed = opClicked;
        } else if (kind < 870) {
            menus.dp1[static_cast<std::size_t>(pick(8))]->trigger();
        } else if (kind < 900) {
            menus.CalcFuntions[static_cast<std::size_t>(pick(4))]->trigger();
            totalComputed = true;
        } else if (kind < 920) {
            click(window->partsAllRowsMade().keypad.MemoryRc[static_cast<std::size_t>(pick(2))]);
        } else if (kind < 930) {
            click(window->partsAllRowsMade().total.TotalAmount);
        } else if (kind < 940) {
            menus.SortNm->trigger();
        } else if (kind < 960) {
            menus.Clear_Total->trigger();
        } else if (kind < 967) {
            menus.C_m->trigger();
        } else if (kind < 974) {
            // Through the offscreen platform's clipboard: the tape's last copy.
            menus.P_m->trigger();
            totalComputed = true;
        } else if (kind < 997) {
            click(visibleRow());
        } else {
            resizeBetweenTheLimits();
        }
        checkInvariants(event);
        if (totalComputed) {
            checkTotal(event);
        }
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace tallimer
