// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>
#include <QTemporaryDir>

#include <algorithm>

#include "dialogs/file_commands.h"
#include "engine/total.h"
#include "files/clc_format.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// What a row shows and what the commands read of it.
struct ShownRow {
    QString text;
    int caret;
    QString opCaption;
    std::uint32_t opColour;
    QColor background;
    QColor textColour;
    bool visible;
    QRect place;

    bool operator==(const ShownRow&) const = default;
};

void PrintTo(const ShownRow& row, std::ostream* out) {
    *out << '"' << row.text.toStdString() << "\" caret " << row.caret << ", op \""
         << row.opCaption.toStdString() << "\" " << row.opColour << ", colours "
         << row.background.name().toStdString() << ' ' << row.textColour.name().toStdString()
         << (row.visible ? ", shown" : ", hidden");
}

// Rows are made when they first come into sight, and until then only their state takes what is
// written to them. A window whose rows were all made at once, given the same open, sort, paste,
// scroll and tall layout, shows every row the same, pixel for pixel.
class RowPoolTest : public WindowTest {
protected:
    void SetUp() override {}

    std::pair<std::vector<ShownRow>, QImage> run(bool makeAllFirst) {
        open(englishSettings());
        if (makeAllFirst) {
            window->partsAllRowsMade();
        }
        Tape tape;
        for (int i = 0; i < 90; ++i) {
            tape.TapeOps.push_back(QChar(i % 7 == 0 ? u'-' : u'+'));
            tape.TapeNumbers.push_back(LineValue::integer(i % 3 == 0 ? -i : i));
        }
        QFile file(dir.path() + QStringLiteral("/long.Clc"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(writeClc(tape, englishSettings()));
        file.close();
        window->fileCommands().openStartupFile({file.fileName()});
        EXPECT_TRUE(waitUntil([&] { return window->calculator().tape.size() >= 90; }));
        window->setScrollValue(30);
        window->calculator().SortNm_Click();
        QStringList pasted;
        for (int i = 0; i < 40; ++i) {
            pasted << QString::number(i % 4 == 0 ? -i * 1.5 : i * 2.25);
        }
        QGuiApplication::clipboard()->setText(pasted.join(QStringLiteral("\r\n")));
        window->P_m_Click();
        window->setScrollValue(7);
        // Below the rows in sight, as the view allows: each row the text the tall window's
        // refresh will show there again, a caret inside it and a background of its own.
        const Calculator& calc = window->calculator();
        for (int r = window->lastRow() + 1; r < window->rowPoolSize(); ++r) {
            const auto line = static_cast<std::size_t>(7 + r);
            window->setRowText(
                r, line < calc.tape.TapeNumbers.size()
                       ? rowText(calc.tape.TapeNumbers[line], calc.DecPlaces, englishSettings())
                       : QString());
            window->setRowCaret(r, 1);
            window->setRowBackground(r, r % 2 == 0 ? kMemoryColour : kFocusedRowColour);
        }
        const QSize tall(window->clientSize().width(), 79 + 26 * window->rowPoolSize());
        window->resizeClient(tall);
        EXPECT_TRUE(waitUntil([&] { return window->clientSize() == tall; }));
        settle();
        // The paste went onto the opened file, which did not land over it later.
        EXPECT_TRUE(std::ranges::any_of(calc.tape.TapeNumbers, [&](const LineValue& value) {
            return rowText(value, calc.DecPlaces, englishSettings()) == QStringLiteral("2.25");
        }));

        std::vector<ShownRow> shown;
        const RowParts& rows = window->partsAllRowsMade().rows;
        for (int r = 0; r < window->rowPoolSize(); ++r) {
            const EntryRow* row = rows.CalAmount.at(static_cast<std::size_t>(r));
            const SuperButton* op = rows.Op.at(static_cast<std::size_t>(r));
            shown.push_back({row->text(), window->rowCaret(r), op->Caption(), op->RenderColor(),
                             row->palette().color(QPalette::Base),
                             row->palette().color(QPalette::Text), row->isVisible(),
                             row->geometry()});
        }
        // The scroll bar is left out: after the resize its thumb sometimes stays where the short
        // track put it, whichever way the rows were made (a fault of the bar's own, not of the
        // rows).
        QImage picture = window->grab().toImage();
        QPainter(&picture).fillRect(window->partsAllRowsMade().ScrollNum->geometry().translated(
                                        window->partsAllRowsMade().ScrollNum->parentWidget()->mapTo(
                                            window.get(), QPoint())),
                                    Qt::black);
        window.reset();
        return {shown, picture};
    }

    QTemporaryDir dir;
};

TEST_F(RowPoolTest, RowsMadeLateShowWhatRowsMadeAtOnceShow) {
    // A blinking caret would make the two pictures differ by when they were grabbed.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    const auto [lazy, lazyPicture] = run(false);
    const auto [eager, eagerPicture] = run(true);
    QGuiApplication::styleHints()->setCursorFlashTime(1000);
    ASSERT_EQ(lazy.size(), eager.size());
    for (std::size_t r = 0; r < lazy.size(); ++r) {
        EXPECT_EQ(lazy[r], eager[r]) << "row " << r;
    }
    EXPECT_TRUE(lazy.back().visible);  // the tall window brought every row into sight
    EXPECT_EQ(lazyPicture, eagerPicture);
}

}  // namespace
}  // namespace tallimer
