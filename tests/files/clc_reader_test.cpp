// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QTemporaryDir>

#include <random>

#include <gtest/gtest.h>

#include "files/clc_format.h"
#include "files/clc_reader.h"

namespace tallimer {
namespace {

struct Outcome {
    bool ok = false;
    ClcError error;
    Tape tape;
};

Outcome readInPieces(const QByteArray& bytes, std::mt19937& random) {
    const RegionalSettings settings;
    ClcReader reader(settings);
    Outcome outcome;
    qsizetype pos = 0;
    bool fed = true;
    while (fed && pos < bytes.size()) {
        const qsizetype piece = std::min<qsizetype>(1 + random() % 7, bytes.size() - pos);
        fed = reader.feed(QByteArrayView(bytes).sliced(pos, piece));
        pos += piece;
    }
    outcome.ok = fed && reader.finish(outcome.tape);
    outcome.error = reader.error();
    return outcome;
}

// Pieces of a few bytes split lines and CR LF pairs everywhere; the result is the same as
// reading the whole file at once.
TEST(ClcReaderTest, PiecesReadAsTheWhole) {
    const QByteArray files[] = {
        "Tallimer Calculator 6\r\n+12.5\r\n-3\r\nx2\r\n",
        "h\r+1\r\r\n",
        "h\n+1\r-2\n/4",
        "h\r\n+1\r\n\r\n",
        "h\r\n+1\r\n+abc\r\n",
        "header only\r\n",
        "\r\n\r\n",
        "h\r\n+ 7\r\n+1,000.5\r\n-(2)\r\n",
    };
    std::mt19937 random(11);
    for (const QByteArray& bytes : files) {
        Tape whole;
        ClcError wholeError;
        const bool wholeOk = readClc(bytes, RegionalSettings{}, whole, &wholeError);
        for (int round = 0; round < 200; ++round) {
            const Outcome pieces = readInPieces(bytes, random);
            ASSERT_EQ(pieces.ok, wholeOk) << bytes.toStdString();
            EXPECT_EQ(pieces.error.line, wholeError.line) << bytes.toStdString();
            EXPECT_EQ(pieces.error.reason, wholeError.reason) << bytes.toStdString();
            ASSERT_EQ(pieces.tape.size(), whole.size());
            for (int i = 0; i < whole.size(); ++i) {
                EXPECT_EQ(pieces.tape.TapeOps[i], whole.TapeOps[i]);
                EXPECT_EQ(pieces.tape.TapeNumbers[i], whole.TapeNumbers[i]);
            }
        }
    }
}

// A file far longer than the read buffer, with lone CR line ends, through the file system.
TEST(ClcReaderTest, LongFileThroughTheBuffer) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("long.Clc"));
    QByteArray bytes("Tallimer Calculator 6\r");
    for (int i = 0; i < 30000; ++i) {
        bytes.append(i % 2 == 0 ? "+" : "-").append(QByteArray::number(i)).append(".25\r");
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    Tape tape;
    ClcError error;
    ASSERT_TRUE(loadClc(path, RegionalSettings{}, tape, &error)) << error.message().toStdString();
    ASSERT_EQ(tape.size(), 30000);
    EXPECT_EQ(tape.TapeOps[29999], u'-');
    EXPECT_EQ(tape.TapeNumbers[29999].plainText({}), QStringLiteral("29999.25"));
}

TEST(ClcReaderTest, OverlongLineIsRefused) {
    const RegionalSettings settings;
    ClcReader reader(settings);
    ASSERT_TRUE(reader.feed("h\r\n+"));
    const QByteArray blanks(64 * 1024, ' ');
    bool fed = true;
    for (int i = 0; i < 20 && fed; ++i) {
        fed = reader.feed(blanks);
    }
    EXPECT_FALSE(fed);
    EXPECT_EQ(reader.error().line, 2);
    EXPECT_EQ(reader.error().reason, QStringLiteral("the line is too long"));
}

// The reader keeps its own copy of the settings: one handed over as a temporary still holds
// when the lines are read (a kept reference would dangle here; AddressSanitizer names it).
TEST(ClcReaderTest, SettingsGivenAsATemporaryHold) {
    ClcReader reader(RegionalSettings{u',', u'.', 3, 3});
    // Whatever the temporary's stack slot holds now, the reader's settings are its own.
    RegionalSettings other{u'.', u',', 3, 3};
    ASSERT_EQ(other.decimalSymbol, QChar(u'.'));
    ASSERT_TRUE(reader.feed("Tallimer Calculator 6\r\n+12,5\r\n-1.234,75\r\n"));
    Tape tape;
    ASSERT_TRUE(reader.finish(tape)) << reader.error().message().toStdString();
    ASSERT_EQ(tape.size(), 2);
    EXPECT_EQ(tape.TapeOps[1], QChar(u'-'));
    EXPECT_EQ(tape.TapeNumbers[0].plainText(RegionalSettings{}).toStdString(), "12.5");
    EXPECT_EQ(tape.TapeNumbers[1].plainText(RegionalSettings{}).toStdString(), "1234.75");
}

}  // namespace
}  // namespace tallimer
