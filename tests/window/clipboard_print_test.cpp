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

    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.50\r\n(5)\r\n7x"));
    trigger(window->partsAllRowsMade().menus.P_m);
    EXPECT_EQ(total(), QStringLiteral("1236.5"));
    EXPECT_EQ(row(0)->text(), QStringLiteral("1234.5"));
    EXPECT_EQ(row(1)->text(), QStringLiteral("-5"));
    EXPECT_EQ(op(1)->Caption(), QStringLiteral("+"));
    EXPECT_EQ(row(3)->text(), QString());
    EXPECT_TRUE(messages.isEmpty());
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

// A print backend whose printer lookup waits until the test lets it through (10 s at most),
// as one on a print server that does not answer.
QSemaphore g_lookupGate;
QSemaphore g_lookupsEnded;
void blockedDefaultPrinter(QString* name) {
    g_lookupGate.tryAcquire(1, 10000);
    g_lookupsEnded.release();
    *name = QStringLiteral("slow");
}
bool printFails(const PrintJob*) {
    return false;
}

TEST_F(ClipboardPrintTest, TheWindowAnswersWhileThePrinterIsLookedFor) {
    const PrintLibrary slow{blockedDefaultPrinter, printFails, {}};
    window->setPrintLibrary(&slow);
    const int ended = g_lookupsEnded.available();
    trigger(window->partsAllRowsMade().menus.PrintCalc);
    type("7+8");
    EXPECT_EQ(total(), QStringLiteral("15"));
    EXPECT_EQ(g_lookupsEnded.available(), ended);  // typed while the lookup still waited
    EXPECT_TRUE(messages.isEmpty());
    g_lookupGate.release();
    EXPECT_TRUE(waitUntil([this] { return !messages.isEmpty(); }));
    EXPECT_EQ(messages,
              QStringList{QStringLiteral("The calculation could not be printed on slow.")});

    // A lookup that never answers ends in the time limit's message.
    messages.clear();
    trigger(window->partsAllRowsMade().menus.PrintCalc);
    EXPECT_TRUE(waitUntil([this] { return !messages.isEmpty(); }, 30000));
    g_lookupGate.release();
    EXPECT_EQ(messages, QStringList{QStringLiteral(
                            "The calculation could not be printed: the printer does not answer.")});
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
