// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "engine/total.h"

namespace tallimer::test {
namespace {

constexpr int kStore = 0;
constexpr int kRecall = 1;

// A view without rows: the load still keeps row 0 and one tape line.
TEST(Load, AnEmptyRowPoolKeepsRowZero) {
    FakeView view(0);
    Calculator calc(view, enUS());
    calc.load(5);
    EXPECT_EQ(calc.LastRow, 0);
    EXPECT_EQ(calc.tape.size(), 1);
}

TEST(Decimals, TicksItemAndReformatsRowsButNotTotal) {
    Session s;
    s.setTape({{u'+', "1234.5"}, {u'+', "0.5"}, {u'+', ""}});
    EXPECT_EQ(s.total(), "1235");
    s.calc.dp1_Click(2);
    EXPECT_EQ(s.calc.DecPlaces, 2);
    EXPECT_FALSE(s.view.decimalsChecked[25]);
    EXPECT_TRUE(s.view.decimalsChecked[2]);
    EXPECT_EQ(s.text(0), "1,234.50");
    EXPECT_EQ(s.text(1), ".50");
    EXPECT_EQ(s.text(2), "");
    EXPECT_EQ(s.total(), "1235");
    s.calc.dp1_Click(0);
    EXPECT_FALSE(s.view.decimalsChecked[2]);
    EXPECT_TRUE(s.view.decimalsChecked[0]);
    EXPECT_EQ(s.text(0), "1,235");
}

TEST(Functions, TicksItemAndReevaluates) {
    struct Case {
        int mode;
        const char* total;
    };
    const Case cases[] = {{1, "Average : 3"}, {2, "Mean : 3"}, {3, "Mode : 2"}, {0, "9"}};
    Session s;
    s.setTape({{u'+', "2"}, {u'+', ""}, {u'+', "2"}, {u'+', "3"}, {u'+', "5"}, {u'-', "3"}});
    int previous = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        s.calc.CalcFuntions_Click(c.mode);
        EXPECT_EQ(s.calc.TotalMode, c.mode);
        EXPECT_EQ(s.total(), c.total);
        EXPECT_TRUE(s.view.functionChecked[c.mode]);
        if (previous != c.mode) {
            EXPECT_FALSE(s.view.functionChecked[previous]);
        }
        previous = c.mode;
    }
}

TEST(Memory, StoreFromScrolledRowAndRecallIntoAnother) {
    Session s;
    s.lengthen(40);
    s.calc.tape.TapeNumbers[12] = val("7.25");
    s.calc.tape.TapeNumbers[10] = val("1");
    s.view.setScrollValue(10);
    s.view.focusRow(2);
    s.calc.MemoryRc_Click(kStore);
    EXPECT_EQ(s.view.memory, "7.25");
    EXPECT_EQ(s.view.row(2).background, kMemoryColour);
    s.view.focusRow(0);
    EXPECT_EQ(s.view.row(2).background, kWhite);
    s.calc.MemoryRc_Click(kRecall);
    EXPECT_EQ(s.value(10), "7.25");
    EXPECT_EQ(s.text(0), "7.25");
    EXPECT_EQ(s.op(10), u'+');
    EXPECT_EQ(s.total(), "14.5");
}

TEST(Memory, StoreFromTotalBox) {
    // The total box shows `total` for the tape (two lines at most; none: after Clear All).
    struct Case {
        const char* total;
        int decPlaces;
        int totalMode;
        const char* lines[2];
        const char* wantMemory;
        char16_t secondOp = u'+';
    };
    constexpr const char* kMax = "79228162514264337593543950335";
    // The memory holds 9 before each store.
    const Case cases[] = {
        {"1,234.50", 2, kTotalNumbers, {"1234.5"}, "1,234.50"},
        {"(3.00)", 2, kTotalNumbers, {"-3"}, "(3.00)"},
        {".50", 2, kTotalNumbers, {"0.5"}, ".50"},
        {"-3", 25, kTotalNumbers, {"-3"}, "-3"},
        {"Average : 3", 25, kTotalAverage, {"2", "4"}, "3"},
        {"Mean : 2.5", 25, kTotalMean, {"2", "3"}, "2.5"},
        {"Mode : ", 25, kTotalMode, {"-1"}, "9"},
        {"Overflow", 25, kTotalNumbers, {kMax, kMax}, "9"},
        {"Error", 2, kTotalNumbers, {"5", "0"}, "9.00", u'/'},
        {"", 25, kTotalNumbers, {}, "0"},
        {"", 2, kTotalNumbers, {}, ".00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        Session s;
        s.setTape({{u'+', "9"}});
        s.calc.MemoryRc_Click(kStore);
        s.calc.dp1_Click(c.decPlaces);
        s.calc.CalcFuntions_Click(c.totalMode);
        if (c.lines[0] == nullptr) {
            s.calc.Clear_Total_Click();
        } else {
            s.calc.tape.TapeNumbers[0] = val(c.lines[0]);
            if (c.lines[1] != nullptr) {
                s.calc.tape.TapeOps[1] = QChar(c.secondOp);
                s.calc.tape.TapeNumbers[1] = val(c.lines[1]);
            }
            s.calc.MailCalc();
        }
        ASSERT_EQ(s.total(), c.total);
        s.calc.totalGotFocus();
        s.calc.MemoryRc_Click(kStore);
        EXPECT_EQ(s.view.memory, c.wantMemory);
        EXPECT_EQ(s.view.totalBackground, kMemoryColour);
        s.calc.MemoryRc_LostFocus(kStore);
        EXPECT_EQ(s.view.totalBackground, kWhite);
    }
}

TEST(Memory, RecallOfEmptyMemoryBlanksLine) {
    Session s;
    s.type(u"5+6");
    s.calc.MemoryRc_Click(kRecall);
    EXPECT_TRUE(s.calc.tape.TapeNumbers[1].isEmpty());
    EXPECT_EQ(s.text(1), "");
    EXPECT_EQ(s.total(), "5");
}

TEST(Memory, RecalledNegativeIsRed) {
    Session s;
    s.setTape({{u'+', "-4"}});
    s.calc.dp1_Click(2);
    s.calc.MemoryRc_Click(kStore);
    EXPECT_EQ(s.view.memory, "(4.00)");
    s.view.focusRow(3);
    s.calc.MemoryRc_Click(kRecall);
    EXPECT_EQ(s.text(3), "(4.00)");
    EXPECT_EQ(s.view.row(3).textColour, kRedText);
    EXPECT_EQ(s.total(), "(8.00)");
}

TEST(Sort, SortsValuesAndKeepsOperators) {
    struct Case {
        std::vector<const char*> values;
        std::vector<const char*> sorted;
    };
    const Case cases[] = {
        {{"5", "3", "1"}, {"1", "3", "5"}},
        {{"4", "-2", "0", "7"}, {"4", "7", "0", "0"}},
        {{"", "", ""}, {"0", "0", "0"}},
    };
    const QChar ops[] = {u'+', u'-', u'+', u'x'};
    for (const Case& c : cases) {
        Session s;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            s.calc.tape.TapeOps[i] = ops[i];
            s.calc.tape.TapeNumbers[i] = val(c.values[i]);
        }
        s.calc.MailCalc();
        const QString before = s.total();
        s.calc.SortNm_Click();
        for (std::size_t i = 0; i < c.sorted.size(); ++i) {
            EXPECT_EQ(s.value(int(i)), c.sorted[i]) << i;
            EXPECT_EQ(s.op(int(i)), ops[i]) << i;
        }
        EXPECT_EQ(s.text(0), c.sorted[0] == QStringLiteral("0") ? "" : c.sorted[0]);
        EXPECT_EQ(s.total(), before);  // evaluated only at the next change
        EXPECT_EQ(s.view.valueMax, 0);
    }
}

TEST(Clear, ResetsTapeViewAndTotalButKeepsLength) {
    Session s;
    for (int k = 1; k <= 20; ++k) {
        s.type(QString::number(k) + u'*');
    }
    s.calc.dp1_Click(2);
    s.calc.CalcFuntions_Click(1);
    s.calc.MemoryRc_Click(kStore);
    const QString memory = s.view.memory;
    const int length = s.calc.tape.size();
    s.view.focusRow(5);
    s.calc.Clear_Total_Click();
    EXPECT_EQ(s.calc.tape.size(), length);
    for (int i = 0; i < length; ++i) {
        EXPECT_EQ(s.op(i), u'+');
        EXPECT_EQ(s.calc.tape.TapeNumbers[i].kind(), LineValue::Kind::Integer);
        EXPECT_EQ(s.value(i), "0");
    }
    for (int r = 0; r < s.view.rowPoolSize(); ++r) {
        EXPECT_EQ(s.view.row(r).text, "");
        EXPECT_EQ(s.view.row(r).opCaption, "+");
        EXPECT_EQ(s.view.row(r).opColour, kSilver);
    }
    EXPECT_EQ(s.view.value, 0);
    EXPECT_EQ(s.view.valueMax, 0);
    EXPECT_EQ(s.total(), "");
    EXPECT_EQ(s.view.focused, 0);
    EXPECT_EQ(s.calc.DecPlaces, 2);
    EXPECT_EQ(s.calc.TotalMode, 1);
    EXPECT_EQ(s.view.memory, memory);
}

TEST(Clear, HiddenWindowKeepsFocus) {
    Session s;
    s.view.focusRow(4);
    s.view.visible = false;
    s.calc.Clear_Total_Click();
    EXPECT_EQ(s.view.focused, 4);
}

TEST(Load, CreatesBlankTapeForWholePool) {
    FakeView view(74);
    Calculator calc(view, enUS());
    view.calculator = &calc;
    calc.DecPlaces = 3;
    calc.load(73);
    EXPECT_EQ(calc.DecPlaces, 25);
    EXPECT_EQ(calc.LastRow, 73);
    EXPECT_EQ(calc.tape.size(), 74);
    EXPECT_EQ(calc.tape.TapeOps[73], u'+');
    EXPECT_EQ(view.value, 0);
    EXPECT_EQ(view.valueMax, 0);
    EXPECT_EQ(view.total, "");
}

TEST(Layout, SetsRangeLengthensTapeAndKeepsOffsetInRange) {
    Session s(12);
    EXPECT_EQ(s.calc.tape.size(), 74);  // the load made one line per pool row
    s.calc.applyLayout(12);
    EXPECT_EQ(s.view.valueMax, 74 - 13);
    s.calc.tape.resize(40);
    s.calc.tape.TapeOps[39] = u'-';
    s.calc.tape.TapeNumbers[39] = val("3");
    s.calc.applyLayout(12);
    s.view.setScrollValue(27);
    EXPECT_EQ(s.view.value, 27);
    EXPECT_EQ(s.text(12), "3");
    // Taller: the range falls and the view follows so every row shows a line.
    s.calc.applyLayout(30);
    EXPECT_EQ(s.view.valueMax, 9);
    EXPECT_EQ(s.view.value, 9);
    EXPECT_EQ(s.text(30), "3");
    EXPECT_EQ(s.view.row(30).opCaption, "-");
    // Taller than the tape: "+" lines are added, existing lines keep their values.
    s.calc.applyLayout(50);
    EXPECT_EQ(s.calc.tape.size(), 51);
    EXPECT_EQ(s.op(50), u'+');
    EXPECT_TRUE(s.calc.tape.TapeNumbers[50].isEmpty());
    EXPECT_EQ(s.op(39), u'-');
    EXPECT_EQ(s.view.valueMax, 0);
    EXPECT_EQ(s.view.value, 0);
    // Never beyond the row pool.
    s.calc.applyLayout(500);
    EXPECT_EQ(s.calc.LastRow, 73);
}

TEST(Layout, ShrinkingBringsCurrentRowIntoView) {
    Session s(30);
    s.view.focusRow(25);
    s.calc.applyLayout(12);
    EXPECT_EQ(s.calc.CurrentRow, 12);
}

}  // namespace
}  // namespace tallimer::test
