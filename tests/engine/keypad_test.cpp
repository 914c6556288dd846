// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "calculator_session.h"

namespace tallimer::test {
namespace {

// The keypad buttons by the design's indices; WindowTest.ControlsSitAtTheirDesignedPlaces checks
// that each index shows its designed caption.
constexpr int kDecimal = 10;
constexpr int kClearAll = 11;
constexpr int kPlus = 12;
constexpr int kMinus = 13;
constexpr int kTimes = 14;
constexpr int kDivide = 15;
constexpr int kClearEntry = 16;
constexpr int kDelete = 17;

TEST(Keypad, DigitsAndDecimalButtonBuildANumber) {
    struct Step {
        int button;
        const char* text;
        const char* total;
    };
    for (bool isGerman : {false, true}) {
        Session s(12, isGerman ? deDE() : enUS());
        const Step steps[] = {{1, "1", "1"},
                              {2, "12", "12"},
                              {kDecimal, isGerman ? "12," : "12.", "12"},
                              {5, isGerman ? "12,5" : "12.5", isGerman ? "12,5" : "12.5"},
                              // a second decimal symbol does nothing
                              {kDecimal, isGerman ? "12,5" : "12.5", isGerman ? "12,5" : "12.5"}};
        for (const Step& step : steps) {
            s.click(step.button);
            EXPECT_EQ(s.text(0), step.text);
            EXPECT_EQ(s.total(), step.total);
            EXPECT_EQ(s.view.focused, 0);
            EXPECT_EQ(s.view.row(0).caret, s.text(0).size());
            EXPECT_EQ(s.calc.CaretPos, s.text(0).size());
        }
        EXPECT_EQ(s.value(0), "12.5");
    }
}

TEST(Keypad, DigitGoesAtCaretOrReplacesSelection) {
    Session s;
    s.clickAll({1, 2, 3, 4});
    s.view.placeCaret(0, 2);
    s.calc.rowMouseDown(0);
    s.click(5);
    EXPECT_EQ(s.text(0), "12534");
    EXPECT_EQ(s.view.row(0).caret, 3);
    EXPECT_EQ(s.total(), "12534");
    s.click(6);
    EXPECT_EQ(s.text(0), "125634");
    s.view.select(0, 1, 3);
    s.view.focusRow(0);
    s.click(9);
    EXPECT_EQ(s.text(0), "1934");
    EXPECT_EQ(s.value(0), "1934");
}

TEST(Keypad, OperatorMovesToNextRowAndStoresOperator) {
    Session s;
    s.clickAll({5, kTimes});
    EXPECT_EQ(s.calc.CurrentRow, 1);
    EXPECT_EQ(s.view.focused, 1);
    EXPECT_EQ(s.view.row(1).opCaption, "x");
    EXPECT_EQ(s.view.row(1).opColour, kGreenOp);
    EXPECT_EQ(s.op(1), u'x');
    s.click(3);
    EXPECT_EQ(s.total(), "15");
    s.clickAll({kDivide, 4, kMinus, 1});
    EXPECT_EQ(s.view.row(2).opColour, kBlueOp);
    EXPECT_EQ(s.view.row(3).opColour, kRedOp);
    EXPECT_EQ(s.total(), "2.75");
}

TEST(Keypad, OperatorOnLineWithValueUpdatesTotal) {
    Session s;
    s.setTape({{u'+', "5"}, {u'+', "3"}});
    s.click(kTimes);
    EXPECT_EQ(s.op(1), u'x');
    EXPECT_EQ(s.total(), "15");
}

TEST(Keypad, AddsUpAColumn) {
    Session s;
    s.clickAll({1, 2, kPlus, 3, kTimes, 4});
    EXPECT_EQ(s.total(), "60");
}

TEST(Keypad, OperatorInLastRowAppendsLine) {
    Session s;
    s.view.focusRow(12);
    s.clickAll({8, kPlus});
    EXPECT_EQ(s.calc.tape.size(), 14);
    EXPECT_EQ(s.op(13), u'+');
    EXPECT_EQ(s.view.value, 1);
    EXPECT_EQ(s.view.focused, 12);
    EXPECT_EQ(s.text(11), "8");
    EXPECT_EQ(s.text(12), "");
    s.clickAll({kMinus});
    EXPECT_EQ(s.op(14), u'-');
    EXPECT_EQ(s.view.value, 2);
}

TEST(Keypad, OperatorInLastRowWithLinesBelowScrolls) {
    Session s;
    s.lengthen(20);
    s.calc.tape.TapeNumbers[13] = val("2");
    s.view.focusRow(12);
    s.clickAll({4, kTimes});
    EXPECT_EQ(s.op(13), u'x');
    EXPECT_EQ(s.view.value, 1);
    EXPECT_EQ(s.calc.tape.size(), 20);
    EXPECT_EQ(s.text(12), "2");
    EXPECT_EQ(s.total(), "8");
}

TEST(Keypad, OperatorAtTapeLimitAddsNoLine) {
    Session s;
    s.lengthen(kMaxTapeLines);
    s.view.setScrollValue(s.view.valueMax);
    s.view.focusRow(12);
    s.clickAll({7, kPlus});
    EXPECT_EQ(s.calc.tape.size(), kMaxTapeLines);
    EXPECT_EQ(s.view.value, s.view.valueMax);
    EXPECT_EQ(s.value(kMaxTapeLines - 1), "7");
    EXPECT_EQ(s.view.focused, 12);
    EXPECT_EQ(s.total(), "7");
}

TEST(Keypad, DeleteRemovesCharacterBeforeCaret) {
    struct Case {
        const char* text;
        int caret;
        const char* wantText;
        int wantCaret;  // the caret stays where it was, within the shorter text
        const char* wantValue;
    };
    const Case cases[] = {
        {"1234", 3, "124", 3, "124"}, {"1234", 0, "1234", 0, "1234"},
        {"1234", 4, "123", 3, "123"}, {"1,234", 2, "1234", 2, "1234"},
        {"5", 1, "", 0, "0"},         {"", 0, "", 0, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " caret " << c.caret);
        Session s;
        s.setTape({{u'+', "9"}});
        s.view.setRowText(0, QString::fromLatin1(c.text));
        s.view.placeCaret(0, c.caret);
        s.click(kDelete);
        EXPECT_EQ(s.text(0), c.wantText);
        EXPECT_EQ(s.view.row(0).caret, c.wantCaret);
        EXPECT_EQ(s.calc.CaretPos, c.wantCaret);
        EXPECT_EQ(s.value(0), c.wantValue);
        EXPECT_EQ(s.total(), c.wantValue);
        EXPECT_EQ(s.view.focused, 0);
    }
}

TEST(Keypad, ClearEntryEmptiesRow) {
    Session s;
    s.type(u"5+7");
    EXPECT_EQ(s.total(), "12");
    s.click(kClearEntry);
    EXPECT_EQ(s.text(1), "");
    EXPECT_EQ(s.value(1), "0");
    EXPECT_EQ(s.total(), "5");
    EXPECT_EQ(s.view.focused, 1);
}

TEST(Keypad, ClearAllResetsTape) {
    Session s;
    s.type(u"5+7");
    s.click(kClearAll);
    EXPECT_EQ(s.total(), "");
    EXPECT_EQ(s.text(0), "");
    EXPECT_EQ(s.value(0), "0");
    EXPECT_EQ(s.view.focused, 0);
}

TEST(OperatorButton, CyclesOperators) {
    struct Case {
        int line;
        const char* captions[4];
        std::uint32_t colours[4];
    };
    const Case cases[] = {
        {0, {"-", "x", "+", "-"}, {kRedOp, kGreenOp, kSilver, kRedOp}},
        {5, {"-", "x", "/", "+"}, {kRedOp, kGreenOp, kBlueOp, kSilver}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Session s;
        for (int k = 0; k < 4; ++k) {
            s.calc.Op_Click(c.line);
            EXPECT_EQ(s.view.row(c.line).opCaption, c.captions[k]);
            EXPECT_EQ(s.view.row(c.line).opColour, c.colours[k]);
            EXPECT_EQ(QString(s.op(c.line)), c.captions[k]);
        }
    }
}

TEST(OperatorButton, ActsOnLineShownAndReevaluates) {
    Session s;
    s.lengthen(30);
    s.calc.tape.TapeNumbers[12] = val("4");
    s.calc.tape.TapeNumbers[11] = val("10");
    s.view.setScrollValue(10);
    s.calc.Op_Click(2);
    EXPECT_EQ(s.op(12), u'-');
    EXPECT_EQ(s.total(), "6");
    s.calc.tape.TapeOps[13] = QChar();
    s.calc.Op_Click(3);
    EXPECT_EQ(s.op(13), QChar());
    EXPECT_EQ(s.view.row(3).opCaption, "");
}

}  // namespace
}  // namespace tallimer::test
