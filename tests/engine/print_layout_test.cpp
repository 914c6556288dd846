// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "engine/print_layout.h"
#include "tape_values.h"

namespace tallimer::test {
namespace {

// 100 twips a character, 120 in bold: wide enough to tell every position apart.
double fakeWidth(const QString& text, bool bold) {
    return static_cast<double>(text.size()) * (bold ? 120 : 100);
}

PrintLayout layoutOf(const Tape& tape, int decPlaces, const char* total,
                     const RegionalSettings& settings = enUS(), int linesPerPage = 60) {
    return layoutPrint(tape, decPlaces, QString::fromLatin1(total), settings, fakeWidth,
                       linesPerPage);
}

TEST(PrintLayout, OperatorsLeftValuesAndTotalRightAligned) {
    const PrintLayout layout = layoutOf(tapeOf({{u'+', "12.5"}, {u'-', "3"}}), 2, "9.50");
    EXPECT_EQ(layout.rightEdge, 7 * 120);  // "WWW9.50" in bold
    const PrintedPage expected = {
        {"+", 0, 0, false},      {"12.50", 340, 0, false}, {"-", 0, 1, false},
        {"3.00", 440, 1, false}, {"=", 0, 2, true},        {"9.50", 360, 2, true},
    };
    ASSERT_EQ(layout.pages.size(), 1u);
    EXPECT_EQ(layout.pages[0], expected);
}

TEST(PrintLayout, OnlyValuesAboveZeroPrint) {
    struct Case {
        const char* name;
        Tape tape;
        int decPlaces;
        RegionalSettings settings;
        const char* total;
        const char* texts;  // the page's texts in order
    };
    Tape withDouble = tapeOf({{u'x', "1.5"}, {0, "4"}});
    withDouble.TapeNumbers.push_back(LineValue::fromDouble(0.25));
    withDouble.TapeOps.push_back(u'+');
    // Doubles are read back from their text: a tiny one shows as 0, a huge one keeps its
    // exponent and, under a comma, reads as its first digit.
    Tape doubles;
    for (const double d : {1e-30, 1.5e300}) {
        doubles.TapeNumbers.push_back(LineValue::fromDouble(d));
        doubles.TapeOps.push_back(u'+');
    }
    const Case cases[] = {
        {"cleared tape prints only =", tapeOf({{u'+', ""}, {u'+', "0"}}), 25, enUS(), "", "="},
        {"negative and zero left out", tapeOf({{u'+', "-5"}, {u'+', "0"}, {u'+', "2"}}), 25, enUS(),
         "-3", "+ 2 = -3"},
        {"comma setting: 0,5 reads 0, 2,5 reads 2", tapeOf({{u'+', "0.5"}, {u'+', "2.5"}}), 25,
         deDE(), "3", "+ 2,5 = 3"},
        {"fixed places, grouped", tapeOf({{u'/', "1234.5"}}), 0, enUS(), "0", "/ 1,235 = 0"},
        {"no operator, a double", withDouble, 25, enUS(),
         "Average : 1.9166666666666666666666666667",
         "x 1.5 4 + 0.25 = Average : 1.9166666666666666666666666667"},
        {"pasted doubles, comma setting", doubles, 25, deDE(), "", "+ 1,5E+300 ="},
    };
    for (const Case& c : cases) {
        const PrintLayout layout = layoutOf(c.tape, c.decPlaces, c.total, c.settings);
        QStringList texts;
        for (const PrintedText& item : layout.pages.at(0)) {
            texts << item.text;
        }
        EXPECT_EQ(texts.join(u' '), QString::fromLatin1(c.texts)) << c.name;
    }
}

TEST(PrintLayout, LongTapeGoesOnToTheNextPage) {
    const PrintLayout layout =
        layoutOf(tapeOf({{u'+', "1"}, {u'+', "2"}, {u'+', "3"}}), 25, "6", enUS(), 2);
    ASSERT_EQ(layout.pages.size(), 2u);
    const PrintedPage second = {
        {"+", 0, 0, false}, {"3", 380, 0, false}, {"=", 0, 1, true}, {"6", 360, 1, true}};
    EXPECT_EQ(layout.pages[1], second);
    EXPECT_EQ(layout.pages[0].back(), (PrintedText{"2", 380, 1, false}));

    // A full last page sends the "=" line alone onto a new page.
    EXPECT_EQ(layoutOf(tapeOf({{u'+', "1"}, {u'+', "2"}}), 25, "3", enUS(), 2).pages.at(1),
              (PrintedPage{{"=", 0, 0, true}, {"3", 360, 0, true}}));
}

TEST(PrintLayout, ValueWiderThanTheTotalKeepsClearOfTheOperator) {
    // 1000000 - 999999 = 1: "WWW1" is narrower than the values.
    const PrintLayout layout = layoutOf(tapeOf({{u'+', "1000000"}, {u'-', "999999"}}), 25, "1");
    EXPECT_EQ(layout.rightEdge, 800);  // the widest value and one "W"
    EXPECT_EQ(layout.pages[0][1], (PrintedText{"1000000", 100, 0, false}));
    EXPECT_EQ(layout.pages[0].back(), (PrintedText{"1", 680, 2, true}));
}

}  // namespace
}  // namespace tallimer::test
