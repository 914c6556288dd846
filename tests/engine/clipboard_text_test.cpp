// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string_view>

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "engine/clipboard_text.h"
#include "tape_values.h"

namespace tallimer::test {
namespace {

using namespace std::literals;

// "op value" per line, the value as its standard English text: "+1234.5 +-5 +0 +".
QString describe(const Tape& tape) {
    QStringList lines;
    for (int i = 0; i < tape.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        lines << QString(tape.TapeOps[at]) + tape.TapeNumbers[at].plainText(enUS());
    }
    return lines.join(u' ');
}

TEST(CopyText, LinesJoinedWithCrLf) {
    struct Case {
        const char* name;
        Tape tape;
        RegionalSettings settings;
        const char* text;
    };
    Tape cleared;
    cleared.TapeNumbers.assign(3, LineValue::integer(0));
    cleared.TapeOps.assign(3, u'+');
    Tape mixed = tapeOf({{u'+', "-1.50"}, {u'+', ""}, {u'/', "0.25"}});
    mixed.TapeNumbers.push_back(LineValue::fromDouble(0.1));
    mixed.TapeOps.push_back(u'+');
    const Case cases[] = {
        {"cleared lines read 0", cleared, enUS(), "0\r\n0\r\n0"},
        {"operators are not written", tapeOf({{u'+', "12.5"}, {u'-', "3"}}), enUS(), "12.5\r\n3"},
        {"the user's decimal symbol", tapeOf({{u'+', "12.5"}, {u'-', "3"}}), deDE(), "12,5\r\n3"},
        {"empty, negative, double", mixed, enUS(), "-1.5\r\n\r\n0.25\r\n0.1"},
        {"empty tape", Tape(), enUS(), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(copyText(c.tape, c.settings), QString::fromLatin1(c.text)) << c.name;
    }
}

TEST(PasteTape, ColumnsAndRecords) {
    struct Case {
        const char* name;
        std::u16string_view text;
        RegionalSettings settings;
        int lastRow;
        int cleared;
        const char* tape;
        int valueMax;
        qsizetype unread = 0;  // lines that were no number
    };
    const Case cases[] = {
        {"English column", u"1,234.50\r\n(5)\r\nabc\r\n7x\r\n \t"sv, enUS(), 4, 5,
         "+1234.5 +-5 +0 +0 +0", 0, 2},
        {"first field only", u"1.234,5\t9\r\n2.5\t9"sv, deDE(), 2, 3, "+1234.5 +2.5 +0", 0},
        {"trailing CR LF adds a line", u"5\r\n3\r\n"sv, enUS(), 1, 4, "+5 +3 +0", 1},
        {"LF column", u"5\n3\n"sv, enUS(), 1, 2, "+5 +3 +0", 1},
        {"mixed line ends", u"1\r\n2\n3\r\n4"sv, enUS(), 3, 4, "+1 +2 +3 +4", 0},
        {"lone CR ends no line", u"5\r3\n2"sv, enUS(), 1, 2, "+0 +2", 0, 1},
        {"LF records", u"x\t\t\t10.5\n\t\t\t4\nDE"sv, enUS(), 1, 2, "+10.5 -4", 0},
        {"mixed records", u"\t\t\t1\r\n\t\t\t2\n\t\t\t3\r\nDE"sv, enUS(), 2, 3, "-1 -2 -3", 0},
        {"longer text cuts cleared lines", u"1\r\n2\r\n3"sv, enUS(), 1, 9, "+1 +2 +3", 1},
        {"records", u"x\t\t\t10.5\r\n\t\t\t4\r\nDE"sv, enUS(), 1, 2, "+10.5 -4", 0},
        {"short and empty records", u"a\tb\r\n\r\n\t\t\t-2\r\nDE"sv, enUS(), 0, 1, "+0 - --2", 2},
        {"record amount read with a point", u"a\t\t\t1,5 e1\r\nDE"sv, deDE(), 0, 1, "+1", 0},
        {"DE alone", u"DE"sv, enUS(), 1, 2, "+0 +0", 0},
        {"empty text", u""sv, enUS(), 1, 2, "+0 +0", 0},
        {"DE not last is a value", u"DE\r\n"sv, enUS(), 0, 1, "+0 +0", 1, 1},
        {"only tabs", u"\t\t\t\r\n\t"sv, enUS(), 2, 3, "+0 +0 +0", 0},
        {"NUL is no number",
         u"5\0"
         u"7\r\n\0"sv,
         enUS(), 1, 2, "+0 +0", 0, 2},
        {"beyond every range keeps the line", u"1e400\r\n-1e400\r\n5"sv, enUS(), 0, 1, "+0 + +5", 2,
         2},
        {"huge record keeps a blank", u"a\t\t\t1e400\r\nDE"sv, enUS(), 0, 1, "+0", 0},
    };
    for (const Case& c : cases) {
        const PastedTape pasted = pasteTape(QStringView(c.text), c.settings, c.lastRow, c.cleared);
        EXPECT_EQ(describe(pasted.tape), QString::fromLatin1(c.tape)) << c.name;
        EXPECT_EQ(pasted.valueMax, c.valueMax) << c.name;
        EXPECT_EQ(pasted.lostLines, 0) << c.name;
        EXPECT_EQ(pasted.unreadLines, c.unread) << c.name;
    }
}

TEST(PasteTape, StopsAtTheTapeAndCountsWhatIsLeft) {
    struct Case {
        const char* name;
        int lines;
        bool records;
        int lastRow;
        int tapeLines;
        qsizetype lost;
    };
    const Case cases[] = {
        {"column stops 32001 below the view", 40000, false, 14, 32016, 7984},
        {"column that just fits", 32016, false, 14, 32016, 0},
        {"column under a tall view stops at the tape", 40000, false, 1000, 32768, 7232},
        {"records stop at the tape", 40000, true, 14, 32768, 7232},
        {"records that just fit", 32768, true, 14, 32768, 0},
    };
    for (const Case& c : cases) {
        QString text = QStringLiteral("1\r\n").repeated(c.lines - 1) + u'1';
        if (c.records) {
            text = QStringLiteral("a\t\t\t1\r\n").repeated(c.lines) + QStringLiteral("DE");
        }
        const PastedTape pasted = pasteTape(text, enUS(), c.lastRow, c.lastRow + 1);
        EXPECT_EQ(pasted.tape.size(), c.tapeLines) << c.name;
        EXPECT_EQ(pasted.valueMax, c.tapeLines - c.lastRow - 1) << c.name;
        EXPECT_EQ(pasted.lostLines, c.lost) << c.name;
        EXPECT_EQ(pasted.tape.TapeNumbers.back(), val("1")) << c.name;
    }
}

TEST(PasteTape, HostileTextsGiveADefinedTape) {
    QString junk(300000, Qt::Uninitialized);
    for (qsizetype i = 0; i < junk.size(); ++i) {
        junk[i] = QChar(static_cast<char16_t>((i * 7919 + i / 13) % 0x10000));
    }
    struct Case {
        const char* name;
        QString text;
        const char* first;  // the first line afterwards
    };
    const Case cases[] = {
        {"10 MB of digits", QString(10'000'000, u'9'), "+0"},
        {"10 MB of signs and points", QStringLiteral("-.").repeated(5'000'000), "+0"},
        {"10 MB of tabs then a record marker",
         QString(10'000'000, u'\t') + QStringLiteral("\r\nDE"), "-0"},
        {"binary junk", junk, nullptr},
    };
    for (const Case& c : cases) {
        const PastedTape pasted = pasteTape(c.text, enUS(), 14, 15);
        EXPECT_GE(pasted.tape.size(), 15) << c.name;
        EXPECT_LE(pasted.tape.size(), kMaxTapeLines) << c.name;
        EXPECT_EQ(pasted.tape.TapeOps.size(), pasted.tape.TapeNumbers.size()) << c.name;
        if (c.first != nullptr) {
            EXPECT_EQ(describe(pasted.tape).section(u' ', 0, 0), QString::fromLatin1(c.first))
                << c.name;
        }
    }
}

TEST(PasteTape, CopyThenPasteKeepsTheValuesWithPlus) {
    for (const RegionalSettings& settings : {enUS(), deDE()}) {
        Tape tape = tapeOf({{u'-', "12.5"}, {u'x', "-0.001"}, {u'/', ""}, {u'+', "1234567.89"}});
        tape.TapeNumbers.push_back(LineValue::fromDouble(2.5));
        tape.TapeOps.push_back(u'-');
        const PastedTape pasted = pasteTape(copyText(tape, settings), settings, 2, 3);
        ASSERT_EQ(pasted.tape.size(), tape.size());
        for (int i = 0; i < tape.size(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_EQ(pasted.tape.TapeNumbers[at], tape.TapeNumbers[at]) << i;
            EXPECT_EQ(pasted.tape.TapeOps[at], QChar(u'+')) << i;
        }
    }
}

TEST(PasteCommand, ReplacesTheTapeAndEvaluates) {
    Session s(12);
    s.setTape({{u'x', "7"}, {u'-', "9"}});
    EXPECT_EQ(s.calc.P_m(u"1\r\n2\r\n3").lostLines, 0);
    EXPECT_EQ(s.total(), "6");
    EXPECT_EQ(s.text(2), "3");
    EXPECT_EQ(s.view.row(1).opCaption, "+");
    EXPECT_EQ(s.view.valueMax, 0);

    const QString column = QStringLiteral("2\r\n").repeated(39) + u'2';
    EXPECT_EQ(s.calc.P_m(column).lostLines, 0);
    EXPECT_EQ(s.total(), "80");
    EXPECT_EQ(s.calc.tape.size(), 40);
    EXPECT_EQ(s.view.valueMax, 40 - 13);
    EXPECT_EQ(s.view.value, 0);
    EXPECT_EQ(s.calc.C_m(), column);
}

}  // namespace
}  // namespace tallimer::test
