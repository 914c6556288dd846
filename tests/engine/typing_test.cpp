// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "calculator_session.h"

namespace tallimer::test {
namespace {

TEST(Typing, FiveTimesThreeIsFifteen) {
    Session s;
    s.type(u"5");
    EXPECT_EQ(s.total(), "5");
    s.type(u"*");
    EXPECT_EQ(s.view.focused, 1);
    EXPECT_EQ(s.view.row(1).opCaption, "x");
    EXPECT_EQ(s.view.row(1).opColour, kGreenOp);
    s.type(u"3");
    EXPECT_EQ(s.total(), "15");
    EXPECT_EQ(s.op(1), u'x');
    EXPECT_EQ(s.text(0), "5");
    EXPECT_EQ(s.text(1), "3");
}

TEST(Typing, OperatorInLastRowAppendsLineAndScrolls) {
    Session s;
    s.view.focusRow(12);
    s.type(u"7*");
    EXPECT_EQ(s.view.valueMax, 1);
    EXPECT_EQ(s.view.value, 1);
    EXPECT_EQ(s.calc.tape.size(), 14);
    EXPECT_EQ(s.op(13), u'x');
    EXPECT_EQ(s.op(12), u'+');
    EXPECT_EQ(s.view.focused, 12);
    EXPECT_EQ(s.text(12), "");
    EXPECT_EQ(s.text(11), "7");
    EXPECT_EQ(s.view.row(12).opCaption, "x");
    EXPECT_EQ(s.view.row(12).opColour, kGreenOp);
    s.type(u"2");
    EXPECT_EQ(s.total(), "14");
}

TEST(Typing, OperatorInLastRowWithLinesBelowSetsTheirOperator) {
    Session s;
    s.lengthen(20);
    s.view.focusRow(12);
    s.type(u"6-");
    EXPECT_EQ(s.view.value, 1);
    EXPECT_EQ(s.calc.tape.size(), 20);
    EXPECT_EQ(s.op(12), u'+');
    EXPECT_EQ(s.op(13), u'-');
    EXPECT_EQ(s.value(12), "6");
    EXPECT_EQ(s.view.row(12).opCaption, "-");
}

TEST(Typing, EnterInLastRowMovesViewOneLineAndKeepsOperatorBelow) {
    Session s;
    s.lengthen(20);
    s.calc.tape.TapeOps[13] = u'-';
    s.view.focusRow(12);
    s.type(u"\r");
    EXPECT_EQ(s.view.value, 1);
    EXPECT_EQ(s.view.focused, 12);
    EXPECT_EQ(s.op(13), u'-');
    EXPECT_EQ(s.view.row(12).opCaption, "-");
    EXPECT_EQ(s.view.row(12).opColour, kRedOp);
}

TEST(Typing, EnterAtTapeEndAppendsLineWithOperatorOfLineLeft) {
    Session s;
    s.view.focusRow(12);
    s.calc.Op_Click(12);  // line 12 becomes "-"
    s.type(u"4\r");
    EXPECT_EQ(s.calc.tape.size(), 14);
    EXPECT_EQ(s.op(13), u'-');
    EXPECT_EQ(s.view.value, 1);
    EXPECT_EQ(s.total(), "-4");
}

TEST(Typing, EnterBelowLastRowMovesFocusOnly) {
    Session s;
    s.type(u"8\r");
    EXPECT_EQ(s.view.focused, 1);
    EXPECT_EQ(s.view.value, 0);
    EXPECT_EQ(s.text(0), "8");
}

TEST(Typing, ArrowKeys) {
    struct Case {
        int lines, offset, row, key, wantOffset, wantFocus;
    };
    const Case cases[] = {
        {13, 0, 0, kUp, 0, 0},     {13, 0, 12, kDown, 0, 12}, {20, 3, 0, kUp, 2, 0},
        {20, 3, 12, kDown, 4, 12}, {20, 7, 12, kDown, 7, 12}, {20, 3, 5, kUp, 3, 4},
        {20, 3, 5, kDown, 3, 6},   {20, 0, 0, kDown, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines << " lines, offset " << c.offset << ", row "
                                        << c.row << ", key " << c.key);
        Session s;
        s.lengthen(c.lines);
        s.view.setScrollValue(c.offset);
        s.view.focusRow(c.row);
        EXPECT_EQ(s.press(c.key), 0);  // always swallowed
        EXPECT_EQ(s.view.value, c.wantOffset);
        EXPECT_EQ(s.view.focused, c.wantFocus);
    }
}

TEST(Typing, CharacterFilter) {
    struct Case {
        const char16_t* keys;
        const char* wantText;
        const char* wantValue;
        bool german;
    };
    const Case cases[] = {
        {u"5A", "5", "5", false},
        {u"5H", "5H", "5", false},
        {u"5I", "5I", "5", false},
        {u"5 (x", "5", "5", false},
        {u"1,234", "1,234", "1234", false},
        {u"1.5", "1.5", "1.5", false},
        {u"1.234,5", "1.234,5", "1234.5", true},
        {u"2,5", "2,5", "2.5", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.keys).toStdString());
        Session s(12, c.german ? deDE() : enUS());
        s.type(c.keys);
        EXPECT_EQ(s.text(0), c.wantText);
        EXPECT_EQ(s.value(0), c.wantValue);
        EXPECT_EQ(s.view.focused, 0);
    }
}

TEST(Typing, BackspaceToEmptyStoresZero) {
    Session s;
    s.type(u"75");
    EXPECT_EQ(s.total(), "75");
    s.type(u"\b");
    EXPECT_EQ(s.total(), "7");
    s.type(u"\b");
    EXPECT_EQ(s.text(0), "");
    EXPECT_EQ(s.calc.tape.TapeNumbers[0].kind(), LineValue::Kind::Decimal);
    EXPECT_EQ(s.total(), "0");
}

TEST(Typing, NegativeRowsAreRed) {
    Session s;
    s.setTape({{u'+', "-5"}, {u'+', "3"}});
    EXPECT_EQ(s.text(0), "-5");
    EXPECT_EQ(s.view.row(0).textColour, kBlackText);
    s.calc.dp1_Click(2);
    EXPECT_EQ(s.text(0), "(5.00)");
    EXPECT_EQ(s.view.row(0).textColour, kRedText);
    EXPECT_EQ(s.text(1), "3.00");
    EXPECT_EQ(s.view.row(1).textColour, kBlackText);
}

TEST(Typing, RoundedRowStoresRoundedValueOnKeyRelease) {
    Session s;
    s.calc.dp1_Click(2);
    s.type(u"1.234*");
    EXPECT_EQ(s.text(0), "1.23");
    EXPECT_EQ(s.value(0), "1.234");
    s.press(kUp);  // released in row 0 again
    EXPECT_EQ(s.view.focused, 0);
    EXPECT_EQ(s.value(0), "1.23");
}

TEST(Typing, OperatorCountsAtOnceBelowLastRow) {
    Session s;
    s.setTape({{u'+', "5"}, {u'+', "3"}});
    EXPECT_EQ(s.total(), "8");
    int key = '*';
    s.calc.rowKeyPress(0, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(s.op(1), u'x');
    EXPECT_EQ(s.total(), "15");
    // A click elsewhere without typing in row 1 keeps the operator shown.
    s.view.focusRow(6);
    s.calc.ScrollNum_Change();
    EXPECT_EQ(s.view.row(1).opCaption, "x");
}

TEST(Typing, ColumnOfThirtyFiguresStaysInSight) {
    Session s;
    for (int k = 1; k <= 30; ++k) {
        s.type(QString::number(k) + u'\r');
        EXPECT_EQ(s.view.value + s.view.focused, k);
        EXPECT_LE(s.view.focused, s.calc.LastRow);
    }
    EXPECT_EQ(s.total(), "465");
    EXPECT_EQ(s.calc.tape.size(), 31);
}

TEST(Typing, FocusPaintsRowsAndRemembersCaret) {
    Session s;
    s.type(u"123");
    s.view.placeCaret(0, 1);
    s.view.focusRow(3);
    s.calc.totalGotFocus();
    EXPECT_EQ(s.calc.TotalFocused, 1);
    s.view.focusRow(0);
    EXPECT_EQ(s.calc.TotalFocused, 0);
    EXPECT_EQ(s.calc.CurrentRow, 0);
    EXPECT_EQ(s.calc.CaretPos, 1);
    for (int r = 0; r < s.view.rowPoolSize(); ++r) {
        EXPECT_EQ(s.view.row(r).background, r == 0 ? kFocusedRowColour : kWhite) << r;
    }
    s.view.placeCaret(0, 2);
    s.calc.rowMouseDown(0);
    EXPECT_EQ(s.calc.CaretPos, 2);
}

TEST(Typing, TapeLimitAddsNoLineAndKeepsValue) {
    for (const char16_t* keys : {u"9*", u"9\r", u"9/"}) {
        SCOPED_TRACE(QString::fromUtf16(keys).toStdString());
        Session s;
        s.lengthen(kMaxTapeLines);
        ASSERT_EQ(s.view.valueMax, kMaxTapeLines - 13);
        s.view.setScrollValue(s.view.valueMax);
        s.view.focusRow(12);
        s.type(keys);
        EXPECT_EQ(s.calc.tape.size(), kMaxTapeLines);
        EXPECT_EQ(s.view.valueMax, kMaxTapeLines - 13);
        EXPECT_EQ(s.view.value, kMaxTapeLines - 13);
        EXPECT_EQ(s.value(kMaxTapeLines - 1), "9");
        EXPECT_EQ(s.op(kMaxTapeLines - 1), u'+');
        EXPECT_EQ(s.view.row(12).opCaption, "+");
        EXPECT_EQ(s.total(), "9");
        // The next digit keeps the line's own operator.
        s.type(u"1");
        EXPECT_EQ(s.op(kMaxTapeLines - 1), u'+');
        EXPECT_EQ(s.value(kMaxTapeLines - 1), "91");
    }
}

}  // namespace
}  // namespace tallimer::test
