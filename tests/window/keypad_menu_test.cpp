// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "window_fixture.h"

namespace tallimer {
namespace {

TEST_F(WindowTest, KeypadAddsUpAColumn) {
    struct Step {
        int button;
        const char* total;
    };
    // 1, 2, "+", 3, "x", 4: (12 + 3) x 4.
    const Step steps[] = {{1, "1"}, {2, "12"}, {12, "12"}, {3, "15"}, {14, "15"}, {4, "60"}};
    for (const Step& step : steps) {
        click(key(step.button));
        EXPECT_EQ(total(), QString::fromLatin1(step.total)) << "after button " << step.button;
    }
    EXPECT_EQ(row(0)->text(), QStringLiteral("12"));
    EXPECT_EQ(op(2)->Caption(), QStringLiteral("x"));
    EXPECT_EQ(focusedRow(), 2);
}

TEST_F(WindowTest, DecimalButtonShowsTheUserSymbol) {
    RegionalSettings german = englishSettings();
    german.decimalSymbol = u',';
    german.groupSymbol = u'.';
    open(german);
    EXPECT_EQ(key(10)->Caption(), QStringLiteral(","));
    for (int button : {1, 2, 10, 5}) {
        click(key(button));
    }
    EXPECT_EQ(row(0)->text(), QStringLiteral("12,5"));
    EXPECT_EQ(total(), QStringLiteral("12,5"));
}

TEST_F(WindowTest, DeleteUsesTheCaretAndClearAllEmptiesTheTape) {
    type("1234");
    row(0)->setCursorPosition(3);
    click(key(17));  // DEL
    EXPECT_EQ(row(0)->text(), QStringLiteral("124"));
    EXPECT_EQ(total(), QStringLiteral("124"));
    click(key(11));  // CA
    EXPECT_EQ(row(0)->text(), QString());
    EXPECT_EQ(total(), QString());
    EXPECT_EQ(focusedRow(), 0);
}

TEST_F(WindowTest, KeypadDigitReplacesTheSelectionKeptAtFocusOut) {
    type("1234");
    row(0)->setSelection(1, 2);  // "23"
    click(key(9));
    EXPECT_EQ(row(0)->text(), QStringLiteral("194"));
    EXPECT_EQ(total(), QStringLiteral("194"));
}

TEST_F(WindowTest, OperatorButtonCycles) {
    const char* const expected[] = {"-", "x", "+", "-"};  // the first line never divides
    for (const char* caption : expected) {
        click(op(0));
        EXPECT_EQ(op(0)->Caption(), QString::fromLatin1(caption));
    }
    EXPECT_EQ(window->calculator().tape.TapeOps[0], QChar(u'-'));
}

TEST_F(WindowTest, MenusStartWithVariableAndNumbersTicked) {
    const MenuParts& menus = window->partsAllRowsMade().menus;
    EXPECT_EQ(menus.E_m->title(), QStringLiteral("Options"));
    EXPECT_EQ(menus.dp->title(), QStringLiteral("Decimals"));
    EXPECT_EQ(menus.OtherFeatures->title(), QStringLiteral("Total"));
    QStringList options;
    for (const QAction* item : menus.E_m->actions()) {
        options << (item->isSeparator() ? QStringLiteral("-") : item->text());
        EXPECT_TRUE(item->isEnabled());
    }
    EXPECT_EQ(options.join(u'|'),
              QStringLiteral("Clear All...|-|Open Calculation...|Save Calculation...|-|"
                             "Copy Numbers...|Paste Numbers...|-|Sort Numbers...|-|"
                             "Print Calculation..."));
    for (std::size_t k = 0; k < menus.dp1.size(); ++k) {
        EXPECT_TRUE(menus.dp1[k]->isCheckable());
        EXPECT_EQ(menus.dp1[k]->isChecked(), k == 7) << k;
    }
    EXPECT_EQ(menus.dp1[7]->text(), QStringLiteral("Variable"));
    for (std::size_t k = 0; k < menus.CalcFuntions.size(); ++k) {
        EXPECT_EQ(menus.CalcFuntions[k]->isChecked(), k == 0) << k;
    }
}

TEST_F(WindowTest, DecimalsMenuTicksOneItemAndFormatsEveryRow) {
    type("5+2.5+");
    const MenuParts& menus = window->partsAllRowsMade().menus;
    menus.dp1[2]->trigger();  // "0.00"
    EXPECT_EQ(row(0)->text(), QStringLiteral("5.00"));
    EXPECT_EQ(row(1)->text(), QStringLiteral("2.50"));
    EXPECT_EQ(row(2)->text(), QString());
    EXPECT_EQ(window->calculator().DecPlaces, 2);
    for (std::size_t k = 0; k < menus.dp1.size(); ++k) {
        EXPECT_EQ(menus.dp1[k]->isChecked(), k == 2) << k;
    }
    menus.dp1[2]->trigger();  // choosing the ticked item again keeps it ticked
    EXPECT_TRUE(menus.dp1[2]->isChecked());
    menus.dp1[7]->trigger();
    EXPECT_EQ(window->calculator().DecPlaces, 25);
    EXPECT_EQ(row(1)->text(), QStringLiteral("2.5"));
    EXPECT_FALSE(menus.dp1[2]->isChecked());
}

TEST_F(WindowTest, TotalMenuShowsTheMode) {
    type("4+7+4+");
    const MenuParts& menus = window->partsAllRowsMade().menus;
    menus.CalcFuntions[3]->trigger();  // "Mode..."
    EXPECT_EQ(total(), QStringLiteral("Mode : 4"));
    EXPECT_TRUE(menus.CalcFuntions[3]->isChecked());
    EXPECT_FALSE(menus.CalcFuntions[0]->isChecked());
    menus.CalcFuntions[0]->trigger();
    EXPECT_EQ(total(), QStringLiteral("15"));
}

TEST_F(WindowTest, ClearAllAndSortFromTheMenu) {
    type("5+3+1");
    const MenuParts& menus = window->partsAllRowsMade().menus;
    menus.SortNm->trigger();
    EXPECT_EQ(row(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(row(2)->text(), QStringLiteral("5"));
    menus.Clear_Total->trigger();
    EXPECT_EQ(row(0)->text(), QString());
    EXPECT_EQ(total(), QString());
}

TEST_F(WindowTest, MemoryStoreRecallAndFocusOut) {
    type("7");
    click(window->partsAllRowsMade().keypad.MemoryRc[0]);  // M+ from row 0, the current row
    EXPECT_EQ(window->partsAllRowsMade().keypad.M_Buff->text(), QStringLiteral("7"));
    EXPECT_EQ(focusedRow(), -1);  // the button took the focus
    row(1)->setFocus(Qt::MouseFocusReason);
    settle();
    click(window->partsAllRowsMade().keypad.MemoryRc[1]);  // MR into row 1
    EXPECT_EQ(row(1)->text(), QStringLiteral("7"));
    EXPECT_EQ(total(), QStringLiteral("14"));

    QLineEdit* totalBox = window->partsAllRowsMade().total.TotalAmount;
    totalBox->setFocus(Qt::MouseFocusReason);
    settle();
    click(window->partsAllRowsMade().keypad.MemoryRc[0]);  // M+ from the total box
    EXPECT_EQ(window->partsAllRowsMade().keypad.M_Buff->text(), QStringLiteral("14"));
    EXPECT_EQ(totalBox->palette().color(QPalette::Base), toQColor(kMemoryColour));
    row(0)->setFocus(Qt::MouseFocusReason);  // the memory button loses the focus
    settle();
    EXPECT_EQ(totalBox->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(WindowTest, CloseEndsWithoutAsking) {
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tallimer
