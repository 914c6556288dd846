// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <ostream>

#include <gtest/gtest.h>

#include "engine/total.h"
#include "tape_values.h"
#include "test_names.h"

namespace tallimer {
namespace {

using test::deDE;
using test::enUS;
using test::tapeOf;
using test::val;

constexpr const char* kMax = "79228162514264337593543950335";

struct TotalCase {
    const char* name;
    Tape tape;
    int totalMode;
    int decPlaces;
    RegionalSettings settings;
    QString expected;
};

void PrintTo(const TotalCase& c, std::ostream* os) {
    *os << c.name;
}

class TotalTest : public ::testing::TestWithParam<TotalCase> {};

TEST_P(TotalTest, TotalBoxText) {
    const TotalCase& c = GetParam();
    EXPECT_EQ(MailCalc(c.tape, c.totalMode, c.decPlaces, c.settings, QStringLiteral("stale")),
              c.expected)
        << c.name;
}

QString thirds(QChar decimalSymbol) {
    return QStringLiteral("0") + decimalSymbol + QString(28, u'3');
}

std::vector<TotalCase> runningTotalCases() {
    return {
        {"fresh tape", tapeOf({{'+', ""}, {'+', ""}, {'+', ""}}), 0, 25, enUS(), "0"},
        {"fresh tape, 2 places", tapeOf({{'+', ""}, {'+', ""}}), 0, 2, enUS(), ".00"},
        {"no lines at all", Tape{}, 0, 25, enUS(), "0"},
        {"add then multiply", tapeOf({{'+', "5"}, {'x', "3"}}), 0, 25, enUS(), "15"},
        {"multiply applies to 0", tapeOf({{'x', "3"}, {'+', "5"}}), 0, 25, enUS(), "5"},
        {"no precedence", tapeOf({{'+', "2"}, {'+', "3"}, {'x', "4"}}), 0, 25, enUS(), "20"},
        {"divide by blank", tapeOf({{'+', "10"}, {'/', ""}}), 0, 25, enUS(), "Error"},
        {"divide by zero", tapeOf({{'+', "10"}, {'/', "0"}}), 0, 2, enUS(), "Error"},
        {"divide, 2 places", tapeOf({{'+', "10"}, {'/', "4"}}), 0, 2, enUS(), "2.50"},
        {"one third", tapeOf({{'+', "1"}, {'/', "3"}}), 0, 25, enUS(), thirds(u'.')},
        {"one third de_DE", tapeOf({{'+', "1"}, {'/', "3"}}), 0, 25, deDE(), thirds(u',')},
        {"near the top twice", tapeOf({{'+', kMax}, {'+', "79228162514264337593543950000"}}), 0, 25,
         enUS(), "Overflow"},
        {"overflow by multiply", tapeOf({{'+', kMax}, {'x', "2"}}), 0, 2, enUS(), "Overflow"},
        {"negative in parentheses", tapeOf({{'+', "2"}, {'-', "5"}}), 0, 2, enUS(), "(3.00)"},
        {"negative plain", tapeOf({{'+', "2"}, {'-', "5"}}), 0, 25, enUS(), "-3"},
        {"grouped", tapeOf({{'+', "1234567.891"}}), 0, 2, enUS(), "1,234,567.89"},
        {"grouped de_DE", tapeOf({{'+', "1234567.891"}}), 0, 2, deDE(), "1.234.567,89"},
        {"rounded half away", tapeOf({{'-', "2.5"}}), 0, 0, enUS(), "(3)"},
        {"no leading zero", tapeOf({{'+', "0.5"}}), 0, 2, enUS(), ".50"},
        {"trailing zeros dropped", tapeOf({{'+', "1.50"}, {'x', "2.00"}}), 0, 25, enUS(), "3"},
        {"other operators skipped",
         tapeOf({{'+', "4"}, {0, "100"}, {' ', "100"}, {'*', "100"}, {'X', "100"}, {'-', "1"}}), 0,
         25, enUS(), "3"},
        {"error then overflow: overflow",
         tapeOf({{'+', "1"}, {'/', "0"}, {'+', kMax}, {'+', kMax}}), 0, 25, enUS(), "Overflow"},
        {"overflow then error: error", tapeOf({{'+', kMax}, {'+', kMax}, {'/', ""}}), 0, 25, enUS(),
         "Error"},
        {"failed step skipped, later line still fails",
         tapeOf({{'+', kMax}, {'+', "1"}, {'-', "1"}}), 0, 25, enUS(), "Overflow"},
    };
}

INSTANTIATE_TEST_SUITE_P(RunningTotal, TotalTest, ::testing::ValuesIn(runningTotalCases()),
                         test_names::ByName{});

std::vector<TotalCase> statisticsCases() {
    return {
        {"average skips blanks", tapeOf({{'+', "2"}, {'+', ""}, {'x', "4"}}), 1, 2, enUS(),
         "Average : 3"},
        {"average keeps negatives", tapeOf({{'+', "2"}, {'-', "-4"}, {'+', "0"}}), 1, 25, enUS(),
         "Average : -1"},
        {"average with a fraction", tapeOf({{'+', "1"}, {'+', "2"}}), 1, 0, deDE(),
         "Average : 1,5"},
        {"average of thirds", tapeOf({{'+', "1"}, {'+', "1"}, {'+', "2"}}), 1, 25, enUS(),
         "Average : 1.3333333333333333333333333333"},
        {"average of nothing", tapeOf({{'+', ""}, {'+', "0"}}), 1, 25, enUS(), "Average : "},
        {"average whose sum overflows", tapeOf({{'+', kMax}, {'+', kMax}, {'+', "1"}}), 1, 25,
         enUS(), "Overflow"},
        {"average of the range top", tapeOf({{'+', kMax}, {'-', "-1"}, {'+', "-0"}}), 1, 25, enUS(),
         "Average : 39614081257132168796771975167"},
        {"mean even count", tapeOf({{'x', "3"}, {'/', "1"}, {'-', "4"}, {'+', "2"}}), 2, 0, enUS(),
         "Mean : 2.5"},
        {"mean odd count", tapeOf({{'+', "5"}, {'+', "1"}, {'+', "3"}}), 2, 25, enUS(), "Mean : 3"},
        {"mean ignores zero and negatives",
         tapeOf({{'+', "-5"}, {'+', "0"}, {'+', ""}, {'+', "4"}, {'+', "-9"}}), 2, 25, enUS(),
         "Mean : 4"},
        {"mean of nothing above zero", tapeOf({{'+', "-5"}, {'+', ""}}), 2, 25, enUS(), "Mean : "},
        {"mean de_DE", tapeOf({{'+', "1.25"}, {'+', "1.5"}}), 2, 25, deDE(), "Mean : 1,375"},
        // a + (b - a) / 2 never leaves the range where (a + b) / 2 would.
        {"mean at the range top", tapeOf({{'+', kMax}, {'+', kMax}}), 2, 25, enUS(),
         QStringLiteral("Mean : ") + kMax},
        {"mean keeps the sorted value's text", tapeOf({{'+', "2.50"}, {'+', "9"}, {'+', "1"}}), 2,
         25, enUS(), "Mean : 2.5"},
        {"mode smallest of equal runs", tapeOf({{'+', "3"}, {'+', "2"}, {'+', "3"}, {'+', "2"}}), 3,
         25, enUS(), "Mode : 2"},
        {"mode all different", tapeOf({{'+', "9"}, {'+', "7"}, {'+', "8"}}), 3, 25, enUS(),
         "Mode : 7"},
        {"mode of a blank tape", tapeOf({{'+', ""}, {'+', "0"}}), 3, 25, enUS(), "Mode : "},
        {"mode longest run", tapeOf({{'+', "1"}, {'+', "3"}, {'+', "3"}, {'+', "3"}}), 3, 25,
         enUS(), "Mode : 3"},
        {"mode last run wins when longer", tapeOf({{'+', "1"}, {'+', "5"}, {'+', "5"}}), 3, 25,
         enUS(), "Mode : 5"},
        {"mode equal values of other scale", tapeOf({{'+', "1.50"}, {'+', "2"}, {'+', "1.5"}}), 3,
         25, deDE(), "Mode : 1,5"},
        {"mode ignores negatives", tapeOf({{'+', "-1"}, {'+', "-1"}, {'+', "2"}}), 3, 25, enUS(),
         "Mode : 2"},
        {"unknown mode keeps the text", tapeOf({{'+', "1"}}), 4, 25, enUS(), "stale"},
        {"negative mode keeps the text", tapeOf({{'+', "1"}}), -1, 25, enUS(), "stale"},
    };
}

INSTANTIATE_TEST_SUITE_P(Statistics, TotalTest, ::testing::ValuesIn(statisticsCases()),
                         test_names::ByName{});

TEST(TotalDoubles, PastedDoublesTakePart) {
    Tape tape = tapeOf({{'+', "0.2"}});
    tape.TapeOps.push_back(u'+');
    tape.TapeNumbers.push_back(LineValue::fromDouble(0.1));
    EXPECT_EQ(MailCalc(tape, kTotalNumbers, 25, enUS(), {}), "0.3");
    EXPECT_EQ(MailCalc(tape, kTotalAverage, 25, enUS(), {}), "Average : 0.15");
    // A double beyond the range cannot join the exact total.
    tape.TapeOps.push_back(u'+');
    tape.TapeNumbers.push_back(LineValue::fromDouble(1e300));
    EXPECT_EQ(MailCalc(tape, kTotalNumbers, 25, enUS(), {}), "Overflow");
    EXPECT_EQ(MailCalc(tape, kTotalAverage, 25, enUS(), {}), "Overflow");
    EXPECT_EQ(MailCalc(tape, kTotalMode, 25, enUS(), {}), "Mode : 0.1");
    EXPECT_EQ(MailCalc(tape, kTotalMean, 25, enUS(), {}), "Mean : 0.2");
}

TEST(TotalDoubles, ClearedIntegerZeroIsBlank) {
    Tape tape;
    tape.resize(3, u'+');
    tape.TapeNumbers[0] = LineValue::integer(0);
    tape.TapeNumbers[1] = LineValue::integer(0);
    tape.TapeOps[2] = u'/';
    tape.TapeNumbers[2] = LineValue::integer(0);
    EXPECT_EQ(MailCalc(tape, kTotalNumbers, 25, enUS(), {}), "Error");
    EXPECT_EQ(MailCalc(tape, kTotalAverage, 25, enUS(), {}), "Average : ");
}

struct RowCase {
    const char* name;
    LineValue value;
    int decPlaces;
    RegionalSettings settings;
    QString expected;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class RowTextTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowTextTest, Formats) {
    const RowCase& c = GetParam();
    EXPECT_EQ(rowText(c.value, c.decPlaces, c.settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowTextTest,
    ::testing::Values(
        RowCase{"empty line", val(""), 2, enUS(), ""},
        RowCase{"zero, variable places", val("0.000"), 25, enUS(), ""},
        RowCase{"integer zero", LineValue::integer(0), 2, enUS(), ""},
        RowCase{"grouped", val("1234.5"), 2, enUS(), "1,234.50"},
        RowCase{"negative in parentheses", val("-1234.5"), 2, enUS(), "(1,234.50)"},
        RowCase{"negative in parentheses de_DE", val("-1234.5"), 2, deDE(), "(1.234,50)"},
        RowCase{"no leading zero", val("0.5"), 2, enUS(), ".50"},
        RowCase{"variable places, plain", val("1234.50"), 25, enUS(), "1234.5"},
        RowCase{"variable places, negative de_DE", val("-0.25"), 25, deDE(), "-0,25"},
        RowCase{"rounds to shown zero", val("0.004"), 2, enUS(), ".00"},
        RowCase{"negative integer", LineValue::integer(-7), 1, enUS(), "(7.0)"},
        RowCase{"double rounded half away", LineValue::fromDouble(2.5), 0, enUS(), "3"},
        RowCase{"double beyond the range, variable places", LineValue::fromDouble(1e300), 25,
                enUS(), "1E+300"},
        RowCase{"double beyond the range, fixed places", LineValue::fromDouble(1e300), 2, enUS(),
                ""}),
    test_names::ByName{});

}  // namespace
}  // namespace tallimer
