// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QClipboard>

#include "window_fixture.h"

namespace tallimer {
namespace {

TEST_F(WindowTest, FirstActivationClearsAndFocusesRowZero) {
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(total(), QString());  // "Total..." is gone
    EXPECT_EQ(window->calculator().CurrentRow, 0);
    EXPECT_EQ(row(0)->palette().color(QPalette::Base), QColor(249, 249, 249));
    EXPECT_EQ(row(1)->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(WindowTest, FiveTimesThreeShowsFifteen) {
    type("5");
    EXPECT_EQ(total(), QStringLiteral("5"));
    type("*");
    EXPECT_EQ(focusedRow(), 1);
    EXPECT_EQ(op(1)->Caption(), QStringLiteral("x"));
    EXPECT_EQ(op(1)->RenderColor(), kGreenOp);
    type("3");
    EXPECT_EQ(row(1)->text(), QStringLiteral("3"));
    EXPECT_EQ(total(), QStringLiteral("15"));
}

TEST_F(WindowTest, TheTotalFollowsEveryKey) {
    struct Step {
        const char* keys;
        const char* total;
    };
    const Step steps[] = {{"1", "1"},
                          {"2", "12"},
                          {"+", "12"},
                          {"4", "16"},
                          {"0", "52"},
                          {"-", "52"},
                          {"2", "50"},
                          // "/" counts at once: until a value follows it divides by nothing
                          {"/", "Error"},
                          {"5", "10"}};
    for (const Step& step : steps) {
        type(QString::fromLatin1(step.keys));
        EXPECT_EQ(total(), QString::fromLatin1(step.total)) << "after " << step.keys;
    }
    press(Qt::Key_Backspace);
    EXPECT_EQ(total(), QStringLiteral("Error"));  // "/" by a blank line
}

TEST_F(WindowTest, CharacterFilterReachesTheRow) {
    type("1a2H,3.5");
    EXPECT_EQ(row(0)->text(), QStringLiteral("12H,3.5"));
}

TEST_F(WindowTest, EveryKeyboardTypesTheNumberMeant) {
    // D, S: the numpad's KP_Decimal, KP_Separator; ^ Up; A, X, Z Ctrl+A, X, Z; R Ctrl+Shift+Z;
    // V Ctrl+V of an amount copied from an English statement.
    const QString special = QStringLiteral("DS^AXZRV");
    const Qt::Key keys[] = {Qt::Key_Period, Qt::Key_Comma, Qt::Key_Up, Qt::Key_A,
                            Qt::Key_X,      Qt::Key_Z,     Qt::Key_Z,  Qt::Key_V};
    const Qt::KeyboardModifiers pad = Qt::KeypadModifier, ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers mods[] = {pad, pad, {}, ctrl, ctrl, ctrl, ctrl | Qt::ShiftModifier,
                                          ctrl};
    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.50"));
    const std::array<const char16_t*, 4> cases[] = {
        {u"de_DE", u"V+1\r", u"1234,5", u"1235,5"},  // before Ctrl+X fills the clipboard
        {u"fr_FR es_ES it_IT pt_BR nl_NL de_DE", u"1234D5+1\r", u"1234,5", u"1235,5"},
        {u"de_DE", u"1234S5+1\r", u"1234,5", u"1235,5"},
        {u"de_CH en_US", u"1234D5+1\r", u"1234.5", u"1235.5"},
        {u"fa_IR", u"\u06F1\u06F2+\u06F3\r", u"12", u"15"},
        {u"ar_EG", u"\u0661\u0662.\u0665+\u0661\r", u"12\u066B5", u"13\u066B5"},
        {u"en_US", u"7\r^A9\r", u"9", u"9"},
        {u"en_US", u"12AXZ", u"12", u"12"},
        {u"en_US", u"12AXZR", u"", u"0"},
        {u"en_US", u"1.5,3.", u"1.53", u"1.53"}};
    for (const auto& [locales, typed, row0, sum] : cases) {
        for (const QString& locale : QString::fromUtf16(locales).split(u' ')) {
            open(RegionalSettings::fromLocale(QLocale(locale)));
            for (const QChar c : QString::fromUtf16(typed)) {
                const auto k = special.indexOf(c);
                const QString text = k < 0 ? QString(c) : QStringLiteral(".,").mid(k, 1);
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                    k < 0 ? Qt::Key(c.unicode()) : keys[k], text,
                                    k < 0 ? Qt::KeyboardModifiers() : mods[k]);
            }
            EXPECT_EQ(row(0)->text(), QString::fromUtf16(row0)) << locale.toStdString();
            EXPECT_EQ(total(), QString::fromUtf16(sum)) << locale.toStdString();
        }
    }
}

TEST_F(WindowTest, EnterAndArrowsMoveTheFocus) {
    press(Qt::Key_Return);
    EXPECT_EQ(focusedRow(), 1);
    press(Qt::Key_Down);
    EXPECT_EQ(focusedRow(), 2);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(focusedRow(), 0);
    press(Qt::Key_Up);  // top of the tape: nothing moves
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(window->scrollValue(), 0);
    EXPECT_EQ(window->calculator().CurrentRow, 0);
}

TEST_F(WindowTest, KeyUpAfterAFocusChangeGoesToTheNewRow) {
    type("5");
    press(Qt::Key_Return);
    type("7");
    ASSERT_EQ(total(), QStringLiteral("12"));
    // Row 0 changes behind the engine's back; only a key released in row 0 stores it.
    row(0)->setText(QStringLiteral("9"));
    // Up is pressed and released in row 1, but the release finds the focus in row 0.
    QTest::keyClick(row(1), Qt::Key_Up);
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(total(), QStringLiteral("16"));
}

TEST_F(WindowTest, ThirtyFiguresKeepTheTypedLineInSight) {
    for (int i = 1; i <= 30; ++i) {
        type(QString::number(i));
        const int focused = focusedRow();
        ASSERT_GE(focused, 0);
        ASSERT_LE(focused, window->lastRow());
        EXPECT_EQ(row(focused)->text(), QString::number(i));
        EXPECT_TRUE(row(focused)->isVisible());
        if (i < 30) {
            press(Qt::Key_Return);
        }
    }
    EXPECT_EQ(total(), QStringLiteral("465"));
    EXPECT_EQ(focusedRow(), 12);
    EXPECT_EQ(window->scrollValue(), 17);
}

TEST_F(WindowTest, BackspaceToEmptyStoresZero) {
    type("8+2");
    ASSERT_EQ(total(), QStringLiteral("10"));
    press(Qt::Key_Backspace);
    EXPECT_EQ(total(), QStringLiteral("8"));
}

TEST_F(WindowTest, MousePressRemembersTheCaret) {
    type("1234");
    QTest::mouseClick(row(0), Qt::LeftButton, {}, QPoint(2, 13));
    EXPECT_EQ(window->calculator().CaretPos, row(0)->cursorPosition());
    EXPECT_EQ(row(0)->cursorPosition(), 0);
}

TEST_F(WindowTest, TotalBoxFocusIsReported) {
    window->partsAllRowsMade().total.TotalAmount->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(window->calculator().TotalFocused, 1);
    row(0)->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(window->calculator().TotalFocused, 0);
}

TEST_F(WindowTest, KeyOnTheScrollBarFocusesRowZero) {
    type("1");
    press(Qt::Key_Return);
    window->partsAllRowsMade().ScrollNum->setFocus(Qt::TabFocusReason);
    settle();
    ASSERT_EQ(QApplication::focusWidget(), window->partsAllRowsMade().ScrollNum);
    QTest::keyClick(window->partsAllRowsMade().ScrollNum, Qt::Key_5);
    EXPECT_EQ(focusedRow(), 0);
    EXPECT_EQ(row(0)->text(), QStringLiteral("1"));
}

TEST_F(WindowTest, SelectionSurvivesTheFocusOut) {
    type("1234");
    row(0)->setSelection(1, 2);  // "23"
    window->partsAllRowsMade().total.TotalAmount->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_FALSE(row(0)->hasSelectedText());
    EXPECT_EQ(window->rowSelectionStart(0), 1);
    EXPECT_EQ(window->rowSelectionLength(0), 2);
}

TEST(WindowKeys, KeyCodesAndCharacters) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* text;
        int code;
        int character;
    };
    const Case cases[] = {
        {Qt::Key_Up, Qt::NoModifier, "", 38, 0},
        {Qt::Key_Down, Qt::NoModifier, "", 40, 0},
        {Qt::Key_PageUp, Qt::NoModifier, "", 33, 0},
        {Qt::Key_PageDown, Qt::NoModifier, "", 34, 0},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13, 13},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8, 8},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 46, 0},
        {Qt::Key_C, Qt::ControlModifier, "\x03", 67, 3},
        {Qt::Key_V, Qt::ControlModifier, "", 86, 22},
        {Qt::Key_5, Qt::NoModifier, "5", 53, '5'},
        {Qt::Key_5, Qt::KeypadModifier, "5", 101, '5'},
        {Qt::Key_Asterisk, Qt::ShiftModifier, "*", 56, '*'},
        {Qt::Key_Asterisk, Qt::KeypadModifier, "*", 106, '*'},
        {Qt::Key_Minus, Qt::NoModifier, "-", 189, '-'},
        {Qt::Key_H, Qt::ShiftModifier, "H", 72, 'H'},
        {Qt::Key_F, Qt::AltModifier, "f", 70, 0},
        {Qt::Key_Shift, Qt::ShiftModifier, "", 16, 0},
        {Qt::Key_unknown, Qt::NoModifier, "", 255, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.mods, QString::fromLatin1(c.text));
        EXPECT_EQ(keyCodeFor(event), c.code) << "key " << c.key;
        EXPECT_EQ(characterFor(event), c.character) << "key " << c.key;
    }
}

}  // namespace
}  // namespace tallimer
