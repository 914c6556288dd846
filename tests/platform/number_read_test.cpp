// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "decimal_test_support.h"
#include "locales.h"
#include "platform/number_reader.h"
#include "test_names.h"

namespace tallimer {
namespace {

using testing::settingsFor;
using testing::str;

enum class Way : std::uint8_t { Typed, Pasted, File };

struct ReadCase {
    const char* locale;
    const char16_t* text;
    ReadStatus status;
    const char* value;  // every digit of the scale read, for Ok
    Way way = Way::Typed;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.locale << ' ' << test_names::quoted(QStringView(c.text));
}

std::string readName(const ::testing::TestParamInfo<ReadCase>& info) {
    const char* const ways[] = {"typed_", "pasted_", "file_"};
    return ways[static_cast<int>(info.param.way)] + std::string(info.param.locale) + '_' +
           test_names::fromInput(QStringView(info.param.text));
}

const char* statusName(ReadStatus s) {
    return s == ReadStatus::Ok ? "Ok" : (s == ReadStatus::Overflow ? "Overflow" : "Invalid");
}

ReadStatus readThe(Way way, const QString& text, const RegionalSettings& settings, Decimal& out) {
    switch (way) {
        case Way::Typed:
            return readTyped(text, settings, out);
        case Way::Pasted:
            return readPasted(text, settings, out);
        case Way::File:
            break;
    }
    return readFileValue(text.toLatin1(), settings, out);
}

// Locale x text x way in: the one number the text is, or none.
class ReadNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, IsTheOneNumberTheTextCanBe) {
    const ReadCase& c = GetParam();
    Decimal out = Decimal::fromInt(-7);
    const ReadStatus status =
        readThe(c.way, QString::fromUtf16(c.text), settingsFor(c.locale), out);
    EXPECT_EQ(status, c.status) << statusName(status);
    EXPECT_EQ(str(out), c.status == ReadStatus::Ok ? c.value : "-7");
}

constexpr auto Ok = ReadStatus::Ok;
constexpr auto Overflow = ReadStatus::Overflow;
constexpr auto Invalid = ReadStatus::Invalid;

INSTANTIATE_TEST_SUITE_P(
    Typed, ReadNumber,
    ::testing::Values(
        ReadCase{"en_US", u"1234.5", Ok, "1234.5"}, ReadCase{"en_US", u" 12 ", Ok, "12"},
        ReadCase{"en_US", u"\t-3\t", Ok, "-3"}, ReadCase{"en_US", u"+3", Ok, "3"},
        ReadCase{"en_US", u"3-", Ok, "-3"}, ReadCase{"en_US", u"3 +", Ok, "3"},
        ReadCase{"en_US", u"- 3", Ok, "-3"}, ReadCase{"en_US", u"(3)", Ok, "-3"},
        ReadCase{"en_US", u" ( 3.5 ) ", Ok, "-3.5"}, ReadCase{"en_US", u"1,234.50", Ok, "1234.5"},
        ReadCase{"en_US", u"1,2,3", Ok, "123"}, ReadCase{"en_US", u"1,,000", Ok, "1000"},
        ReadCase{"en_US", u"1,.5", Ok, "1.5"}, ReadCase{"en_US", u".5", Ok, "0.5"},
        ReadCase{"en_US", u"5.", Ok, "5"}, ReadCase{"en_US", u"00012", Ok, "12"},
        ReadCase{"en_US", u"0.000", Ok, "0"}, ReadCase{"en_US", u"-0", Ok, "0"},
        ReadCase{"en_US", u"1E3", Ok, "1000"}, ReadCase{"en_US", u"2.5e-2", Ok, "0.025"},
        ReadCase{"en_US", u"1e+2", Ok, "100"}, ReadCase{"en_US", u"(1.5E2)", Ok, "-150"},
        ReadCase{"en_US", u"1e3-", Ok, "-1000"}, ReadCase{"en_US", u"0e99999999999", Ok, "0"},
        ReadCase{"en_US", u"1e-99999999999", Ok, "0"},
        ReadCase{"en_US", u"79228162514264337593543950335", Ok, "79228162514264337593543950335"},
        ReadCase{"en_US", u"-79,228,162,514,264,337,593,543,950,335.4", Ok,
                 "-79228162514264337593543950335"},
        ReadCase{"en_US", u"7922816251426433759354395033.55", Ok, "7922816251426433759354395034"},
        ReadCase{"en_US", u"0.00000000000000000000000000005", Ok, "0"},
        ReadCase{"en_US", u"0.00000000000000000000000000015", Ok, "0.0000000000000000000000000002"},
        ReadCase{"en_US", u"0.000000000000000000000000000049999", Ok, "0"},
        ReadCase{"en_US", u"0.0000000000000000000000000000500000000000000000000000000001", Ok,
                 "0.0000000000000000000000000001"},
        ReadCase{"en_US", u"1.23456789012345678901234567890123", Ok,
                 "1.2345678901234567890123456789"},
        ReadCase{"en_US", u"12345678901234567890.123456789012345678901234567890", Ok,
                 "12345678901234567890.123456789"},
        ReadCase{"en_US", u"2.50000000000000000000000000000000000000000000000001", Ok, "2.5"},
        ReadCase{"en_US", u"0.33333333333333333333333333335000000000000000000000000000001", Ok,
                 "0.3333333333333333333333333334"},
        ReadCase{"en_US", u"123456789012345678901234567890123456789012e-20", Ok,
                 "1234567890123456789012.3456789"},
        ReadCase{"de_DE", u"1.234,5", Ok, "1234.5"}, ReadCase{"de_DE", u"1,5", Ok, "1.5"},
        ReadCase{"de_DE", u"1.5", Ok, "15"}, ReadCase{"de_DE", u"(1.234,50)", Ok, "-1234.5"},
        ReadCase{"fr_FR", u"1\u202f234,5", Ok, "1234.5"},
        ReadCase{"de_CH", u"1\u2019234.5", Ok, "1234.5"},
        ReadCase{"en_IN", u"12,34,567.25", Ok, "1234567.25"},
        ReadCase{"fa_IR", u"\u06F1\u06F2\u066B\u06F5", Ok, "12.5"},
        ReadCase{"en_US", u"\uff11e\u0662", Ok, "100"}),
    readName);

INSTANTIATE_TEST_SUITE_P(
    TypedRefused, ReadNumber,
    ::testing::Values(
        ReadCase{"en_US", u"", Invalid, ""}, ReadCase{"en_US", u"  ", Invalid, ""},
        ReadCase{"en_US", u"-", Invalid, ""}, ReadCase{"en_US", u"+", Invalid, ""},
        ReadCase{"en_US", u".", Invalid, ""}, ReadCase{"en_US", u"1.2.3", Invalid, ""},
        ReadCase{"en_US", u"abc", Invalid, ""}, ReadCase{"en_US", u"H", Invalid, ""},
        ReadCase{"en_US", u"I", Invalid, ""}, ReadCase{"en_US", u"1e", Invalid, ""},
        ReadCase{"en_US", u"1e+", Invalid, ""}, ReadCase{"en_US", u"e5", Invalid, ""},
        ReadCase{"en_US", u"1e3.5", Invalid, ""}, ReadCase{"en_US", u"1 e5", Invalid, ""},
        ReadCase{"en_US", u"((1)", Invalid, ""}, ReadCase{"en_US", u"(1", Invalid, ""},
        ReadCase{"en_US", u"1)", Invalid, ""}, ReadCase{"en_US", u"(1))", Invalid, ""},
        ReadCase{"en_US", u"-(1)", Invalid, ""}, ReadCase{"en_US", u"(-1)", Invalid, ""},
        ReadCase{"en_US", u"(1)-", Invalid, ""}, ReadCase{"en_US", u"+-1", Invalid, ""},
        ReadCase{"en_US", u"--1", Invalid, ""}, ReadCase{"en_US", u"-1-", Invalid, ""},
        ReadCase{"en_US", u",5", Ok, "5"}, ReadCase{"en_US", u"1,000.5,0", Invalid, ""},
        ReadCase{"en_US", u"1 2", Invalid, ""}, ReadCase{"en_US", u"$5", Invalid, ""},
        ReadCase{"en_US", u"0x10", Invalid, ""}, ReadCase{"en_US", u"\u00b2", Invalid, ""},
        ReadCase{"en_US", u"5\n", Invalid, ""}, ReadCase{"fr_FR", u"1 234,5", Invalid, ""},
        ReadCase{"de_DE", u"1,2,3", Invalid, ""}, ReadCase{"de_DE", u"1,234.50", Invalid, ""},
        ReadCase{"en_US", u"1.5,3", Invalid, ""}, ReadCase{"en_US", u"1.5\u066C3", Invalid, ""}),
    readName);

INSTANTIATE_TEST_SUITE_P(
    TypedOverflowing, ReadNumber,
    ::testing::Values(
        ReadCase{"en_US", u"79228162514264337593543950336", Overflow, ""},
        ReadCase{"en_US", u"79228162514264337593543950335.5", Overflow, ""},
        ReadCase{"en_US", u"(79228162514264337593543950336)", Overflow, ""},
        ReadCase{"en_US", u"1e29", Overflow, ""}, ReadCase{"en_US", u"8e28", Overflow, ""},
        ReadCase{"en_US", u"1E99999999", Overflow, ""},
        ReadCase{"en_US",
                 u"1000000000000000000000000000000000000000000000000000000000000000000000000",
                 Overflow, ""}),
    readName);

constexpr auto Pasted = Way::Pasted;
constexpr auto File = Way::File;

INSTANTIATE_TEST_SUITE_P(
    Pasted, ReadNumber,
    ::testing::Values(ReadCase{"de_DE", u"1.234", Ok, "1234", Pasted},
                      ReadCase{"de_DE", u"1.5", Ok, "1.5", Pasted},
                      ReadCase{"de_DE", u"1,234.50", Ok, "1234.5", Pasted},
                      ReadCase{"de_DE", u"1,234,567", Ok, "1234567", Pasted},
                      ReadCase{"de_DE", u"1.234,5", Ok, "1234.5", Pasted},
                      ReadCase{"de_DE", u"2.5", Ok, "2.5", Pasted},
                      ReadCase{"en_US", u"1.234,50", Ok, "1234.5", Pasted},
                      ReadCase{"en_US", u"1.234.567", Ok, "1234567", Pasted},
                      ReadCase{"en_US", u"\u06F1\u066B\u06F5", Ok, "1.5", Pasted},
                      ReadCase{"en_US", u"\u0661\u066C\u0662\u0663\u0664\u066B\u0665", Ok, "1234.5",
                               Pasted},
                      ReadCase{"en_US", u" (1,234.50) ", Ok, "-1234.5", Pasted},
                      ReadCase{"en_US", u"-1,5", Ok, "-1.5", Pasted},
                      ReadCase{"en_US", u"1E3", Ok, "1000", Pasted},
                      ReadCase{"en_IN", u"12,34,567.25", Ok, "1234567.25", Pasted},
                      ReadCase{"en_IN", u"1,234,567", Ok, "1234567", Pasted},
                      ReadCase{"fr_FR", u"1 234,5", Ok, "1234.5", Pasted},
                      ReadCase{"fr_FR", u"1\u202f234 ", Ok, "1234", Pasted},
                      ReadCase{"de_CH", u"1'234.5", Ok, "1234.5", Pasted},
                      ReadCase{"en_US", u"1,234.5,6", Invalid, "", Pasted},
                      ReadCase{"en_US", u"1,,234", Invalid, "", Pasted},
                      ReadCase{"en_US", u"12,34", Ok, "12.34", Pasted},
                      ReadCase{"de_DE", u"1.2.3", Invalid, "", Pasted},
                      ReadCase{"en_US", u"7x", Invalid, "", Pasted},
                      ReadCase{"en_US", u"abc", Invalid, "", Pasted},
                      ReadCase{"en_US", u"5\r3", Invalid, "", Pasted},
                      ReadCase{"en_US", u",5", Ok, "0.5", Pasted},
                      ReadCase{"en_US", u"", Invalid, "", Pasted},
                      ReadCase{"en_US", u"1e29", Overflow, "", Pasted}),
    readName);

// Files hold no grouping: a lone "." or "," is the decimal point under every setting.
INSTANTIATE_TEST_SUITE_P(
    File, ReadNumber,
    ::testing::Values(
        ReadCase{"en_US", u"12,5", Ok, "12.5", File}, ReadCase{"de_DE", u"12.5", Ok, "12.5", File},
        ReadCase{"de_DE", u"12,5", Ok, "12.5", File}, ReadCase{"ar_EG", u"12.5", Ok, "12.5", File},
        ReadCase{"de_DE", u"-1.234,75", Ok, "-1234.75", File},
        ReadCase{"en_US", u"1,000.5", Ok, "1000.5", File}, ReadCase{"en_US", u" 7", Ok, "7", File},
        ReadCase{"en_US", u"1E3", Ok, "1000", File}, ReadCase{"en_US", u"(2.5)", Ok, "-2.5", File},
        ReadCase{"en_US", u"79228162514264337593543950335", Ok, "79228162514264337593543950335",
                 File},
        ReadCase{"en_US", u"1.2.3", Invalid, "", File},
        ReadCase{"en_US", u"abc", Invalid, "", File},
        ReadCase{"en_US", u"79228162514264337593543950336", Overflow, "", File}),
    readName);

struct PointCase {
    const char16_t* text;
    double value;
};

void PrintTo(const PointCase& c, std::ostream* os) {
    *os << test_names::quoted(QStringView(c.text));
}

class ReadPoint : public ::testing::TestWithParam<PointCase> {};

TEST_P(ReadPoint, ReadsTheLeadingNumber) {
    const PointCase& c = GetParam();
    const double value = readPoint(QString::fromUtf16(c.text));
    EXPECT_EQ(value, c.value) << QString::fromUtf16(c.text).toStdString();
    EXPECT_FALSE(std::signbit(value) && value == 0) << "no negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadPoint,
    ::testing::Values(PointCase{u"1,234.50", 1}, PointCase{u"7x", 7}, PointCase{u"(5)", 0},
                      PointCase{u"5\n3", 53}, PointCase{u" 1 2 . 5", 12.5}, PointCase{u"abc", 0},
                      PointCase{u"", 0}, PointCase{u"-2.5", -2.5}, PointCase{u"+4", 4},
                      PointCase{u"- 4", -4}, PointCase{u"-0", 0}, PointCase{u".5", 0.5},
                      PointCase{u"5.", 5}, PointCase{u".", 0}, PointCase{u"-", 0},
                      PointCase{u"--5", 0}, PointCase{u"1.2.3", 1.2}, PointCase{u"1e3", 1000},
                      PointCase{u"1D2", 100}, PointCase{u"1 e 2", 100}, PointCase{u"2.5E-1", 0.25},
                      PointCase{u"1e", 1}, PointCase{u"1e+x", 1}, PointCase{u"\r\n12\r\n", 12},
                      PointCase{u"\t3\t4", 34}, PointCase{u"0.1", 0.1}, PointCase{u"&H10", 0},
                      PointCase{u"123456789012345678901234567890", 1.2345678901234568e29},
                      PointCase{u"1e400", HUGE_VAL}, PointCase{u"-1e400", -HUGE_VAL},
                      PointCase{u"1e-400", 0}, PointCase{u"0.00000e999999999999", 0},
                      PointCase{u"100000e-400", 0}),
    [](const auto& info) { return test_names::fromInput(QStringView(info.param.text)); });

}  // namespace
}  // namespace tallimer
