// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>
#include <random>

#include <gtest/gtest.h>

#include "files/clc_format.h"
#include "platform/number_text.h"
#include "tape_values.h"
#include "test_names.h"

namespace tallimer {
namespace {

using test::deDE;
using test::enUS;
using test::tapeOf;
using test::val;

// Operators and values (by value and by text) the same.
void expectSameTape(const Tape& actual, const Tape& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    ASSERT_EQ(actual.TapeOps.size(), expected.TapeOps.size());
    for (int i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual.TapeOps[i], expected.TapeOps[i]) << "line " << i;
        EXPECT_EQ(actual.TapeNumbers[i], expected.TapeNumbers[i]) << "line " << i;
        EXPECT_EQ(actual.TapeNumbers[i].plainText(enUS()),
                  expected.TapeNumbers[i].plainText(enUS()))
            << "line " << i;
    }
}

TEST(ClcWriteTest, HeaderOperatorsAndValues) {
    const Tape tape = tapeOf({{'+', "12.5"}, {'-', "3"}, {'x', "2"}});
    EXPECT_EQ(writeClc(tape, enUS()), "Tallimer Calculator 6\r\n+12.5\r\n-3\r\nx2\r\n");
}

TEST(ClcWriteTest, PlainTextFormsAndLocale) {
    Tape tape = tapeOf({{'+', "-1234567.50"}, {'/', "0.25"}, {'+', ""}, {0, "5"}});
    tape.TapeOps.push_back(u'+');
    tape.TapeNumbers.push_back(LineValue::integer(0));
    EXPECT_EQ(writeClc(tape, deDE()),
              "Tallimer Calculator 6\r\n+-1234567,5\r\n/0,25\r\n+\r\n 5\r\n+0\r\n");
}

TEST(ClcWriteTest, EmptyTapeIsTheHeaderAlone) {
    EXPECT_EQ(writeClc(Tape{}, enUS()), "Tallimer Calculator 6\r\n");
}

struct ReadCase {
    const char* name;
    QByteArray bytes;
    RegionalSettings settings;
    Tape expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ClcReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ClcReadTest, Reads) {
    const ReadCase& c = GetParam();
    Tape tape;
    ClcError error;
    ASSERT_TRUE(readClc(c.bytes, c.settings, tape, &error))
        << c.name << ": " << error.message().toStdString();
    expectSameTape(tape, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ClcReadTest,
    ::testing::Values(ReadCase{"crlf", "Tallimer Calculator 6\r\n+12.5\r\n-3\r\nx2\r\n", enUS(),
                               tapeOf({{'+', "12.5"}, {'-', "3"}, {'x', "2"}})},
                      ReadCase{"lone lf", "Tallimer Calculator 6\n+1\n/4\n", enUS(),
                               tapeOf({{'+', "1"}, {'/', "4"}})},
                      ReadCase{"lone cr", "h\r+1\r-2\r", enUS(), tapeOf({{'+', "1"}, {'-', "2"}})},
                      ReadCase{"mixed endings, last unended", "h\r\n+1\n+2\r+3", enUS(),
                               tapeOf({{'+', "1"}, {'+', "2"}, {'+', "3"}})},
                      ReadCase{"any header", "whatever the first line says\r\nx2\r\n", enUS(),
                               tapeOf({{'x', "2"}})},
                      ReadCase{"empty header line", "\r\n+0\r\n", enUS(), tapeOf({{'+', "0"}})},
                      ReadCase{"blank before value", "h\r\n+ 7\r\n", enUS(), tapeOf({{'+', "7"}})},
                      ReadCase{"operators kept unchanged", "h\r\n?5\r\n 6\r\nX-1\r\n", enUS(),
                               tapeOf({{'?', "5"}, {' ', "6"}, {'X', "-1"}})},
                      ReadCase{"latin-1 operator",
                               QByteArray("h\r\n\xD7"
                                          "3\r\n"),
                               enUS(), tapeOf({{u'\u00D7', "3"}})}),
    test_names::ByName{});

struct FailCase {
    const char* name;
    QByteArray bytes;
    int line;
    const char* reasonPart;
};

void PrintTo(const FailCase& c, std::ostream* os) {
    *os << c.name;
}

class ClcReadFailureTest : public ::testing::TestWithParam<FailCase> {};

TEST_P(ClcReadFailureTest, NamesTheLineAndLeavesTheTape) {
    const FailCase& c = GetParam();
    Tape tape = tapeOf({{'+', "1"}, {'x', "2"}});
    ClcError error;
    EXPECT_FALSE(readClc(c.bytes, enUS(), tape, &error)) << c.name;
    EXPECT_EQ(error.line, c.line) << c.name;
    EXPECT_TRUE(error.reason.contains(QLatin1StringView(c.reasonPart)))
        << c.name << ": " << error.reason.toStdString();
    expectSameTape(tape, tapeOf({{'+', "1"}, {'x', "2"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ClcReadFailureTest,
    ::testing::Values(
        FailCase{"empty file", "", 0, "header"},
        FailCase{"header only", "Tallimer Calculator 6\r\n", 0, "header line only"},
        FailCase{"header only, unended", "Tallimer Calculator 6", 0, "header line only"},
        FailCase{"empty line", "h\r\n+1\r\n\r\n+2\r\n", 3, "empty"},
        FailCase{"blank line at the end", "h\r\n+1\r\n\r\n", 3, "empty"},
        FailCase{"letters", "h\r\n+abc\r\n", 2, "\"abc\" is not a number"},
        FailCase{"two decimal symbols", "h\r\n+1\r\n+1.2.3\r\n", 3, "not a number"},
        FailCase{"beyond the range", "h\r\n+79228162514264337593543950336\r\n", 2,
                 "beyond the number range"},
        FailCase{"exponent beyond the range", "h\r\n-1E29\r\n", 2, "beyond"},
        FailCase{"long text cut short", "h\r\n+" + QByteArray(500, 'z') + "\r\n", 2, "...\""}),
    test_names::ByName{});

TEST(ClcReadTest, CommaFileUnderCommaSettings) {
    // A tape saved under a comma-decimal setting holds commas; a file saved under any setting
    // (in ASCII, even where the decimal symbol is not) opens the same under any other.
    const Tape tape = tapeOf({{'+', "0.5"}, {'x', "-3.25"}, {'/', "1000000.125"}});
    EXPECT_EQ(writeClc(tape, deDE()),
              "Tallimer Calculator 6\r\n+0,5\r\nx-3,25\r\n/1000000,125\r\n");
    for (const char* saved : {"de_DE", "en_US", "de_CH", "fr_FR", "ar_EG", "fa_IR"}) {
        for (const char* opened : {"de_DE", "en_US", "de_CH", "fr_FR", "ar_EG", "fa_IR"}) {
            const QByteArray bytes = writeClc(tape, RegionalSettings::fromLocale(QLocale(saved)));
            Tape read;
            ClcError error;
            ASSERT_TRUE(readClc(bytes, RegionalSettings::fromLocale(QLocale(opened)), read, &error))
                << saved << " under " << opened << ": " << error.message().toStdString();
            expectSameTape(read, tape);
        }
    }
}

QByteArray fileOfLines(int lines) {
    QByteArray bytes("Tallimer Calculator 6\r\n");
    for (int i = 0; i < lines; ++i) {
        bytes.append('+').append(QByteArray::number(i % 1000)).append("\r\n");
    }
    return bytes;
}

TEST(ClcReadTest, TapeLineLimit) {
    Tape tape;
    ClcError error;
    ASSERT_TRUE(readClc(fileOfLines(kMaxTapeLines), enUS(), tape, &error));
    EXPECT_EQ(tape.size(), kMaxTapeLines);

    Tape before = tapeOf({{'+', "9"}});
    EXPECT_FALSE(readClc(fileOfLines(kMaxTapeLines + 1), enUS(), before, &error));
    EXPECT_TRUE(error.reason.contains(QStringLiteral("more than 32768 tape lines")));
    expectSameTape(before, tapeOf({{'+', "9"}}));
}

TEST(ClcReadTest, LongFileOpensCompletely) {
    Tape tape;
    ClcError error;
    ASSERT_TRUE(readClc(fileOfLines(25000), enUS(), tape, &error));
    ASSERT_EQ(tape.size(), 25000);
    EXPECT_EQ(tape.TapeNumbers[24999], val("999"));
}

TEST(ClcRoundTripTest, RandomTapesComeBackUnchanged) {
    std::mt19937_64 random(99);
    const char16_t ops[] = {u'+', u'-', u'x', u'/'};
    for (const RegionalSettings& settings : {enUS(), deDE()}) {
        for (int round = 0; round < 50; ++round) {
            Tape tape;
            const int lines = 1 + static_cast<int>(random() % 200);
            for (int i = 0; i < lines; ++i) {
                tape.TapeOps.push_back(QChar(ops[random() % 4]));
                const uint128 magnitude = (uint128(random() & 0xFFFFFFFF) << 64) | random();
                const int scale = static_cast<int>(random() % 29);
                tape.TapeNumbers.emplace_back(
                    *Decimal::fromParts(magnitude, scale, random() % 3 == 0));
            }
            tape.TapeNumbers[0] = LineValue::integer(0);
            Tape read;
            ClcError error;
            ASSERT_TRUE(readClc(writeClc(tape, settings), settings, read, &error))
                << error.message().toStdString();
            expectSameTape(read, tape);
        }
    }
}

TEST(ClcFileTest, SaveThenLoad) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("sum.Clc"));
    const Tape tape = tapeOf({{'+', "12.5"}, {'-', "3"}, {'x', "2"}});
    ClcError error;
    ASSERT_TRUE(saveClc(path, tape, enUS(), &error)) << error.message().toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Tallimer Calculator 6\r\n+12.5\r\n-3\r\nx2\r\n");
    file.close();

    Tape read;
    ASSERT_TRUE(loadClc(path, enUS(), read, &error)) << error.message().toStdString();
    expectSameTape(read, tape);

    // Saving again replaces the file without a question and leaves no temporary file behind.
    ASSERT_TRUE(saveClc(path, tapeOf({{'/', "4"}}), enUS(), &error));
    ASSERT_TRUE(loadClc(path, enUS(), read, &error));
    expectSameTape(read, tapeOf({{'/', "4"}}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("sum.Clc")});
}

TEST(ClcFileTest, FailuresSayWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Tape tape = tapeOf({{'+', "1"}});
    ClcError error;
    EXPECT_FALSE(loadClc(dir.filePath(QStringLiteral("missing.Clc")), enUS(), tape, &error));
    EXPECT_FALSE(error.reason.isEmpty());
    EXPECT_FALSE(loadClc(dir.path(), enUS(), tape, &error));
    EXPECT_TRUE(error.reason.contains(QStringLiteral("folder")));
    EXPECT_FALSE(
        saveClc(dir.filePath(QStringLiteral("no/such/folder/x.Clc")), tape, enUS(), &error));
    EXPECT_FALSE(error.reason.isEmpty());
    EXPECT_FALSE(saveClc(dir.path(), tape, enUS(), &error));
    expectSameTape(tape, tapeOf({{'+', "1"}}));
}

TEST(ClcFileTest, FailedSaveKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("keep.Clc"));
    ClcError error;
    ASSERT_TRUE(saveClc(path, tapeOf({{'+', "1"}}), enUS(), &error));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(saveClc(path, tapeOf({{'+', "2"}}), enUS(), &error));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Tape read;
    ASSERT_TRUE(loadClc(path, enUS(), read, &error));
    expectSameTape(read, tapeOf({{'+', "1"}}));
}

TEST(ClcPadTest, ShortTapeGetsPlusLinesUpToTheRows) {
    Tape tape = tapeOf({{'x', "2"}, {'-', "1"}});
    EXPECT_EQ(padForView(tape, 4), 0);
    ASSERT_EQ(tape.size(), 5);
    EXPECT_EQ(tape.TapeOps[0], u'x');
    for (int i = 2; i < 5; ++i) {
        EXPECT_EQ(tape.TapeOps[i], u'+');
        EXPECT_TRUE(tape.TapeNumbers[i].isEmpty());
    }
    Tape longer;
    longer.resize(25, u'-');
    EXPECT_EQ(padForView(longer, 9), 15);
    EXPECT_EQ(longer.size(), 25);
}

}  // namespace
}  // namespace tallimer
