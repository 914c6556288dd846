// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdlib>

#include "platform/file_service.h"
#include "print/print_calc.h"
#include "window/print_library.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

class ClipboardPrintTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->setMessageFunction([this](const QString& text) { messages << text; });
    }

    void trigger(QAction* item) {
        item->trigger();
        settle();
    }

    QStringList messages;
};

TEST_F(ClipboardPrintTest, CopyAndPasteThroughTheSystemClipboard) {
    type("12.5-3");
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    trigger(window->partsAllRowsMade().menus.C_m);
    const QString copied = QGuiApplication::clipboard()->text();
    const Calculator& calc = window->calculator();
    EXPECT_EQ(copied,
              QStringLiteral("12.5\r\n3") + QStringLiteral("\r\n0").repeated(calc.tape.size() - 2));

    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.50\r\n(5)\r\n7x\r\n"));
    trigger(window->partsAllRowsMade().menus.P_m);
    EXPECT_EQ(total(), QStringLiteral("1229.5"));
    EXPECT_EQ(row(0)->text(), QStringLiteral("1234.5"));
    EXPECT_EQ(row(1)->text(), QStringLiteral("-5"));
    EXPECT_EQ(op(1)->Caption(), QStringLiteral("+"));
    EXPECT_EQ(row(3)->text(), QString());
    EXPECT_EQ(messages, QStringList{QStringLiteral("1 line was not a number and counts as 0.")});
}

TEST_F(ClipboardPrintTest, PasteTellsHowManyLinesDidNotFit) {
    const int lines = 40000;
    QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n").repeated(lines - 1) + u'1');
    trigger(window->partsAllRowsMade().menus.P_m);
    const int pasted = window->lastRow() + 1 + 32001;
    EXPECT_EQ(window->calculator().tape.size(), pasted);
    EXPECT_EQ(total(), QString::number(pasted));
    EXPECT_EQ(
        messages,
        QStringList{
            QStringLiteral("%1 lines of the clipboard were not pasted.").arg(lines - pasted)});
}

// Printing is loaded on the first print: the first file that is the library wins, and a
// missing or stale one leaves no entry to call.
TEST(PrintLibraryTest, LoadsTheFirstFileThatIsTheLibrary) {
    const QString built = QStringLiteral(TALLIMER_PRINT_FILE);
    const QString missing = QStringLiteral("/nonexistent/libtallimer_print.so");
    const PrintLibrary found = loadPrintLibrary({missing, built});
    ASSERT_NE(found.print, nullptr);
    ASSERT_NE(found.defaultPrinter, nullptr);
    const Tape tape;
    const PrintJob job{
        tape, 2, QString(), RegionalSettings{}, QString(), QStringLiteral("no such printer"), {}};
    EXPECT_FALSE(found.print(&job));

    // Neither a missing library nor one built for another print job has entries to call.
    for (const QString& file : {missing, QStringLiteral(TALLIMER_STALE_PRINT_FILE)}) {
        const PrintLibrary none = loadPrintLibrary({file});
        EXPECT_EQ(none.print, nullptr) << file.toStdString();
        EXPECT_EQ(none.defaultPrinter, nullptr) << file.toStdString();
        EXPECT_FALSE(none.error.isEmpty()) << file.toStdString();
    }
}

TEST_F(ClipboardPrintTest, WithoutAPrinterTheMessageShowsAndNothingChanges) {
    type("7+8");
    window->printTo(QString());
    EXPECT_EQ(messages, QStringList{QStringLiteral(
                            "There is no printer: set up a default printer to print the "
                            "calculation.")});
    EXPECT_EQ(total(), QStringLiteral("15"));
    EXPECT_EQ(row(1)->text(), QStringLiteral("8"));
}

// A print backend whose printer lookup and printing wait until the test lets them through
// (10 s at most), as on a print server that does not answer.
QSemaphore g_lookupGate;
QSemaphore g_lookupsEnded;
QSemaphore g_printGate;
QSemaphore g_printsEnded;
std::atomic<int> g_sent{0};
void blockedDefaultPrinter(QString* name) {
    g_lookupGate.tryAcquire(1, 10000);
    g_lookupsEnded.release();
    *name = QStringLiteral("slow");
}
bool blockedPrint(const PrintJob* job) {
    g_printGate.tryAcquire(1, 10000);
    const bool sent = job->send();
    g_sent += sent ? 1 : 0;
    g_printsEnded.release();
    return sent;
}

class PrintJobsTest : public ClipboardPrintTest {
protected:
    void SetUp() override {
        ClipboardPrintTest::SetUp();
        window->setPrintLibrary(&slow);
    }
    void TearDown() override {
        g_lookupGate.release(10);
        g_printGate.release(10);
        EXPECT_TRUE(waitUntil([] { return FileService::threadsRunning() == 0; }, 10000));
        g_lookupGate.acquire(g_lookupGate.available());
        g_printGate.acquire(g_printGate.available());
        FileService::setTimeLimit(kTimeLimit);
    }
    void print() { window->partsAllRowsMade().menus.PrintCalc->trigger(); }

    const PrintLibrary slow{blockedDefaultPrinter, blockedPrint, {}};
    const std::chrono::milliseconds kTimeLimit = FileService::timeLimit();
    const QString kNoAnswer =
        QStringLiteral("The calculation could not be printed: the printer does not answer.");
};

TEST_F(PrintJobsTest, EachPrintEndsInItsOwnOutcomeWhileTheWindowAnswers) {
    const int ended = g_lookupsEnded.available();
    const int sent = g_sent;
    print();
    print();
    type("7+8");
    EXPECT_EQ(total(), QStringLiteral("15"));
    EXPECT_EQ(g_lookupsEnded.available(), ended);  // typed while the lookup still waited
    EXPECT_FALSE(FileService::waitForHeldJobs(std::chrono::milliseconds(0)));  // held at quit
    g_lookupGate.release();
    g_printGate.release(2);
    EXPECT_TRUE(waitUntil([sent] { return g_sent == sent + 2; }));
    EXPECT_EQ(g_lookupsEnded.available(), ended + 1);  // one lookup for both
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PrintJobsTest, AStuckLookupHoldsUpNoOtherPrintAndAnAbandonedPrintNeverGoes) {
    FileService::setTimeLimit(std::chrono::milliseconds(50));
    print();
    EXPECT_TRUE(waitUntil([this] { return !messages.isEmpty(); }));
    EXPECT_EQ(messages, QStringList{kNoAnswer});
    // While it still waits, a Print says so at once, and a print on a named printer goes.
    print();
    EXPECT_EQ(messages, QStringList(2, kNoAnswer));
    FileService::setTimeLimit(kTimeLimit);
    const int sent = g_sent;
    g_printGate.release();
    window->printTo(QStringLiteral("slow"));
    EXPECT_TRUE(waitUntil([sent] { return g_sent == sent + 1; }));

    // A print past its time limit is told and never reaches the printer.
    FileService::setTimeLimit(std::chrono::milliseconds(50));
    const int printed = g_printsEnded.available();
    window->printTo(QStringLiteral("slow"));
    EXPECT_TRUE(waitUntil([this] { return messages.size() == 3; }));
    EXPECT_EQ(messages.back(), QStringLiteral("The calculation could not be printed on slow."));
    g_printGate.release();
    EXPECT_TRUE(waitUntil([printed] { return g_printsEnded.available() > printed; }));
    EXPECT_EQ(g_sent, sent + 1);
    EXPECT_EQ(messages.size(), 3);
}

// The program's end waits for the print within the time limit, then ends at once, leaving
// what the stuck lookup uses as it is.
TEST_F(PrintJobsTest, QuitWhileAPrintWaits) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            FileService::setTimeLimit(std::chrono::milliseconds(50));
            print();
            window->close();
            FileService::endProgram(0);
            std::abort();
        },
        ::testing::ExitedWithCode(0), "");
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(PrintCalculation, PdfReadsOperatorsValuesAndABoldTotalPageAfterPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("tape.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);

    // 12.5 - 3, then 98 lines of 1: more than one page.
    Tape tape;
    tape.resize(100, u'+');
    for (std::size_t i = 0; i < 100; ++i) {
        tape.TapeNumbers[i] = Decimal::fromInt(1);
    }
    tape.TapeNumbers[0] = *Decimal::fromParts(125, 1, false);
    tape.TapeNumbers[1] = Decimal::fromInt(3);
    tape.TapeOps[1] = u'-';
    ASSERT_TRUE(printCalculation(printer, tape, 2, QStringLiteral("107.50"), RegionalSettings{}));

    EXPECT_TRUE(
        run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages:\\s+2\\n")));
    const QString first = run(QStringLiteral("pdftotext"), {"-layout", "-l", "1", pdf, "-"});
    EXPECT_TRUE(first.contains(QRegularExpression("^\\+\\s+12\\.50\\n-\\s+3\\.00\\n")))
        << first.left(200).toStdString();
    const QString last = run(QStringLiteral("pdftotext"), {"-layout", "-f", "2", pdf, "-"});
    EXPECT_TRUE(last.contains(QRegularExpression("\\n=\\s+107\\.50\\n"))) << last.toStdString();
    EXPECT_TRUE(run(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("Bold")));

    // Every value ends where the total ends.
    const QString boxes = run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    const QRegularExpression word(R"re(xMax="([0-9.]+)"[^>]*>([0-9.]+)</word>)re");
    QList<double> ends;
    for (const QRegularExpressionMatch& match : word.globalMatch(boxes)) {
        ends << match.captured(1).toDouble();
    }
    ASSERT_EQ(ends.size(), 101);
    for (double end : ends) {
        EXPECT_NEAR(end, ends.back(), 0.5);
    }
}

TEST(PrintCalculation, NumberWidthsAddUpAsTheFontSetsThem) {
    QFont regular;
    regular.setPixelSize(200);
    regular.setKerning(false);
    QFont bold = regular;
    bold.setBold(true);
    const TextWidth width = printTextWidth(regular, bold, nullptr);
    for (const char* text : {"1,234.50", "(7.25)", "-0.001", "1E+300", "9'999", "Average : 3"}) {
        for (bool isBold : {false, true}) {
            const QString t = QString::fromLatin1(text);
            EXPECT_NEAR(width(t, isBold),
                        QFontMetricsF(isBold ? bold : regular).horizontalAdvance(t), 0.01)
                << text << isBold;
        }
    }
}

TEST(PrintCalculation, AJobThatCannotStartIsReported) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/tape.pdf"));
    EXPECT_FALSE(printCalculation(printer, Tape(), 25, QString(), RegionalSettings{}));
}

}  // namespace
}  // namespace tallimer
