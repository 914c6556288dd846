// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/total_command.h"
#include "tape_values.h"
#include "test_names.h"

namespace tallimer {
namespace {

using test::enUS;

class TotalCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

struct ArgumentCase {
    QStringList arguments;
    int exitCode;
    const char* out;      // exactly, or nullptr for "not checked"
    const char* errPart;  // a part of standard error, or nullptr: standard error is empty
};

void PrintTo(const ArgumentCase& c, std::ostream* os) {
    if (c.arguments.isEmpty()) {
        *os << "(no arguments)";
    }
    for (const QString& argument : c.arguments) {
        *os << (&argument == &c.arguments.front() ? "" : " ")
            << (argument.isEmpty() ? QStringLiteral("\"\"") : argument).toStdString();
    }
}

// "total_FILE_decimals_minus_1" for --total FILE --decimals -1.
std::string argumentsName(const ::testing::TestParamInfo<ArgumentCase>& info) {
    std::string name;
    for (QString argument : info.param.arguments) {
        if (argument.startsWith(QStringLiteral("--"))) {
            argument.remove(0, 2);
        }
        if (!name.empty()) {
            name += '_';
        }
        name += test_names::fromInput(argument);
    }
    return name.empty() ? "no_arguments" : name;
}

class TotalArgumentsTest : public TotalCommandTest,
                           public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(TotalArgumentsTest, ExitCodeAndOutput) {
    const QString file =
        writeFile(QStringLiteral("t.Clc"), "Tallimer Calculator 6\r\n+10\r\n/4\r\n+0.25\r\n");
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("FILE"), file);
    QByteArray out;
    QByteArray err;
    EXPECT_EQ(runTotalCommand(arguments, enUS(), out, err), GetParam().exitCode)
        << arguments.join(u' ').toStdString() << "\n"
        << err.toStdString();
    if (GetParam().out != nullptr) {
        EXPECT_EQ(out, GetParam().out);
    }
    if (GetParam().errPart == nullptr) {
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    } else {
        EXPECT_TRUE(err.contains(GetParam().errPart)) << err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TotalArgumentsTest,
    ::testing::Values(
        ArgumentCase{{"--total", "FILE"}, 0, "2.75\n", nullptr},
        ArgumentCase{{"--total=FILE", "--decimals", "1"}, 0, "2.8\n", nullptr},
        ArgumentCase{{"--decimals", "0", "--total", "FILE"}, 0, "3\n", nullptr},
        ArgumentCase{{"--total", "FILE", "--decimals", "variable"}, 0, "2.75\n", nullptr},
        ArgumentCase{{"--total", "FILE", "--decimals", "25"}, 0, "2.75\n", nullptr},
        ArgumentCase{{"--total", "FILE", "--function", "average"}, 0, "Average : 4.75\n", nullptr},
        ArgumentCase{{"--total", "FILE", "--function=mean"}, 0, "Mean : 4\n", nullptr},
        ArgumentCase{{"--total", "FILE", "--function", "mode", "--decimals", "2"},
                     0,
                     "Mode : 0.25\n",
                     nullptr},
        ArgumentCase{{"--total", "FILE", "--function", "numbers"}, 0, "2.75\n", nullptr},
        ArgumentCase{{}, 2, "", "Usage"},
        ArgumentCase{{"--decimals", "2"}, 2, "", "--total FILE is missing"},
        ArgumentCase{{"--total"}, 2, "", "needs a value"},
        ArgumentCase{{"--total", ""}, 2, "", "file name"},
        ArgumentCase{{"--total", "FILE", "--decimals", "7"}, 2, "", "0 to 6"},
        ArgumentCase{{"--total", "FILE", "--decimals", "-1"}, 2, "", "0 to 6"},
        ArgumentCase{{"--total", "FILE", "--function", "median"}, 2, "", "numbers, average"},
        ArgumentCase{{"--total", "FILE", "--total", "FILE"}, 2, "", "twice"},
        ArgumentCase{{"--total", "FILE", "extra"}, 2, "", "unknown argument 'extra'"},
        ArgumentCase{{"--total", "FILE", "-x"}, 2, "", "Usage"}),
    argumentsName);

TEST_F(TotalCommandTest, UnreadableFileIsOneLineNamingIt) {
    const QString bad = writeFile(QStringLiteral("bad.Clc"), "h\r\n+1\r\n+one\r\n");
    for (const QString& path : {bad, m_dir.filePath(QStringLiteral("missing.Clc"))}) {
        QByteArray out;
        QByteArray err;
        EXPECT_EQ(runTotalCommand({QStringLiteral("--total"), path}, enUS(), out, err), 1);
        EXPECT_TRUE(out.isEmpty());
        EXPECT_TRUE(err.startsWith("tallimer: " + QFile::encodeName(path) + ": ")) << err.data();
        EXPECT_EQ(err.count('\n'), 1);
        EXPECT_TRUE(err.endsWith('\n'));
    }
}

TEST(TotalCommandDispatch, RecognisesItsOptionsOnly) {
    auto recognised = [](std::vector<const char*> arguments) {
        arguments.insert(arguments.begin(), "tallimer");
        return isTotalCommand(static_cast<int>(arguments.size()),
                              const_cast<char**>(arguments.data()));
    };
    EXPECT_TRUE(recognised({"--total", "a.Clc"}));
    EXPECT_TRUE(recognised({"--total=a.Clc"}));
    EXPECT_TRUE(recognised({"--function", "mode"}));
    EXPECT_FALSE(recognised({}));
    EXPECT_FALSE(recognised({"/home/me/sum.Clc"}));
    EXPECT_FALSE(recognised({"--totals"}));
    EXPECT_FALSE(recognised({"--help"}));  // the whole command line's help, not the total's
}

// The real program, as a user runs it: no display, regional settings from the environment.
class TotalProcessTest : public TotalCommandTest {
protected:
    struct Run {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    Run run(const QStringList& arguments, const QString& lang, const QString& numeric = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY",
                                 "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("LANG"), lang);
        if (!numeric.isEmpty()) {
            environment.insert(QStringLiteral("LC_NUMERIC"), numeric);
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TALLIMER_BINARY), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        Run result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
};

TEST_F(TotalProcessTest, PrintsTheTotal) {
    const QString file =
        writeFile(QStringLiteral("a.Clc"), "Tallimer Calculator 6\r\n+1234.5\r\n-0.25\r\nx2\r\n");
    const Run plain = run({QStringLiteral("--total"), file}, QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(plain.exitCode, 0) << plain.err.data();
    EXPECT_EQ(plain.out, "2468.5\n");
    EXPECT_TRUE(plain.err.isEmpty()) << plain.err.data();

    const Run fixed =
        run({QStringLiteral("--total"), file, QStringLiteral("--decimals"), QStringLiteral("2")},
            QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(fixed.out, "2,468.50\n");
}

TEST_F(TotalProcessTest, VersionLineStartsWithTheTitle) {
    const Run version = run({QStringLiteral("--version")}, QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(version.exitCode, 0) << version.err.data();
    EXPECT_TRUE(version.out.startsWith("Tallimer Calculator 6 ")) << version.out.data();
    EXPECT_TRUE(version.out.endsWith('\n')) << version.out.data();
    EXPECT_TRUE(version.err.isEmpty()) << version.err.data();
}

TEST_F(TotalProcessTest, GermanSettingsReadAndWriteDecimalCommas) {
    const QString file = writeFile(QStringLiteral("de.Clc"),
                                   "Tallimer Calculator 6\r\n+1234,5\r\n-0,25\r\n+1,5\r\n");
    const Run total =
        run({QStringLiteral("--total"), file, QStringLiteral("--decimals"), QStringLiteral("2")},
            QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(total.exitCode, 0) << total.err.data();
    EXPECT_EQ(total.out, "1.235,75\n");
    const Run mean =
        run({QStringLiteral("--total"), file, QStringLiteral("--function"), QStringLiteral("mean")},
            QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(mean.out, "Mean : 1,5\n");
    const Run average = run(
        {QStringLiteral("--total"), file, QStringLiteral("--function"), QStringLiteral("average")},
        QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(average.out, "Average : 412,08333333333333333333333333\n");
    // The number category alone decides.
    const Run numeric =
        run({QStringLiteral("--total"), file}, QStringLiteral("C"), QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(numeric.out, "1235,75\n");
}

TEST_F(TotalProcessTest, FailuresAndUsage) {
    const QString file = writeFile(QStringLiteral("only.Clc"), "Tallimer Calculator 6\r\n");
    const Run unreadable = run({QStringLiteral("--total"), file}, QStringLiteral("C"));
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.out.isEmpty());
    EXPECT_EQ(unreadable.err,
              "tallimer: " + QFile::encodeName(file) + ": the file holds the header line only\n");

    const Run bad =
        run({QStringLiteral("--total"), file, QStringLiteral("--function"), QStringLiteral("sum")},
            QStringLiteral("C"));
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("Usage: tallimer --total FILE"));

    // Help wins over the total's arguments, and needs no display either.
    const Run help =
        run({QStringLiteral("--total"), file, QStringLiteral("--help")}, QStringLiteral("C"));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: tallimer [FILE.Clc]\n")) << help.out.data();
    EXPECT_TRUE(help.out.contains("\n       tallimer --total FILE ")) << help.out.data();
    EXPECT_TRUE(help.err.isEmpty()) << help.err.data();
}

}  // namespace
}  // namespace tallimer
