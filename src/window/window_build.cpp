// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Construction of the main window's controls and menus, at their designed places.
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

#include "controls/box_label.h"
#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "dialogs/file_commands.h"
#include "platform/key_codes.h"
#include "platform/number_text.h"
#include "window/entry_row.h"
#include "window/layout_rules.h"
#include "window/rolling_caculator.h"
#include "window/row_key_filter.h"
#include "window/tape_line_names.h"

namespace tallimer {

namespace {

constexpr std::uint32_t kWindowBackground = 0x00F0F0F0;
constexpr std::uint32_t kFrameFill = 0x00E0E0E0;
constexpr std::uint32_t kKeypadBack = 0x00CCCC99;
constexpr std::uint32_t kKeypadRed = 0x000000C8;
constexpr std::uint32_t kKeypadGreen = 0x0001B207;
constexpr std::uint32_t kMemoryRender = 0x000340F2;
constexpr std::uint32_t kMemoryText = 0x000040C0;
constexpr int kTotalMaxLength = 100;

SuperButton* makeButton(QWidget* parent, const QRect& geometry, const QString& caption,
                        std::uint32_t back, std::uint32_t render, double fontPoints) {
    // Keeps fractional sizes such as 20.25.
    auto* button = new SuperButton(parent, arial(fontPoints, true));
    button->setGeometry(geometry);
    button->setBackColor(back);
    // The caption first: the colour's render then finds it measured in this font.
    button->setCaption(caption);
    button->setRenderColor(render);
    return button;
}

struct KeyPlace {
    int index;
    const char* caption;
    int left;
    int top;
    int width;
    std::uint32_t render;
};

constexpr KeyPlace kKeypad[] = {
    {11, "CA", 270, 81, 50, kKeypadRed},   {16, "C", 324, 81, 104, kKeypadRed},
    {17, "DEL", 432, 81, 65, kKeypadRed},  {7, "7", 270, 135, 50, kKeypadBack},
    {8, "8", 324, 135, 50, kKeypadBack},   {9, "9", 378, 135, 50, kKeypadBack},
    {12, "+", 432, 135, 65, kKeypadGreen}, {4, "4", 270, 189, 50, kKeypadBack},
    {5, "5", 324, 189, 50, kKeypadBack},   {6, "6", 378, 189, 50, kKeypadBack},
    {13, "-", 432, 189, 65, kKeypadGreen}, {1, "1", 270, 243, 50, kKeypadBack},
    {2, "2", 324, 243, 50, kKeypadBack},   {3, "3", 378, 243, 50, kKeypadBack},
    {14, "x", 432, 243, 65, kKeypadGreen}, {0, "0", 270, 297, 104, kKeypadBack},
    {10, ".", 378, 297, 50, kKeypadBack},  {15, "/", 432, 297, 65, kKeypadGreen},
};
constexpr int kKeypadHeight = 50;
constexpr double kKeypadFont = 20.25;
// The other designed sizes in points; all but the rows' and the client's are bold.
constexpr double kClientFont = 11.25;
constexpr double kSignFont = 15.75;
constexpr double kTotalFont = 18;
constexpr double kMemoryFont = 11.25;
constexpr double kRowFont = 14.25;
constexpr double kOpFont = 11.25;

}  // namespace

void Rolling_Caculator::loadStyleIcons() {
    // A menu bar makes its hidden overflow button with the style's arrow, whose reading loads
    // Qt's image format plugins.
    (void)QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
}

void Rolling_Caculator::loadFonts() {
    // What the first frame draws, each in its own font: shaping it readies that font's glyph
    // and shaping tables once. Other fonts wait for their first text. The menu titles' font is
    // the program's own, which text boxes also lay out in when they are made.
    const std::pair<QFont, QString> texts[] = {
        {QApplication::font("QMenuBar"), tr("Options") + tr("Decimals") + tr("Total")},
        {arial(kKeypadFont, true), QStringLiteral("CADEL0123456789+-x/.MR")},
        {arial(kSignFont, true), QStringLiteral("=")},
        {arial(kOpFont, true), QStringLiteral("+")},
    };
    for (const auto& [font, text] : texts) {
        (void)QFontMetrics(font).horizontalAdvance(text);
    }
    // The empty total box and rows only place their caret: their fonts' metrics are enough.
    for (const QFont& font : {arial(kTotalFont, true), arial(kRowFont)}) {
        (void)QFontMetrics(font).height();
    }
}

void Rolling_Caculator::createClientArea() {
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    setColour(*client, QPalette::Window, kWindowBackground);
    // In a right-to-left language only the menus turn: the tape, the keypad and the boxes keep
    // their places, and numbers stay right-aligned and read left to right.
    client->setLayoutDirection(Qt::LeftToRight);
    // Placed by hand below the menu bar rather than as the central widget: the main window's
    // layout would give it short-lived animation children, and the scroll bar lets pending
    // events (their deletion among them) run while the controls are being shown.
    m_parts.client = client;
}

void Rolling_Caculator::setClientFont() {
    // Every control draws in a font of its own; a text box lays its text out once in the font
    // it is made in, before its own is set. So the client's font, which none of them draws in,
    // comes after them, and is not loaded before the first frame.
    m_parts.client->setFont(arial(kClientFont));
}

void Rolling_Caculator::createMenus() {
    MenuParts& m = m_parts.menus;
    QMenuBar* bar = menuBar();

    m.E_m = bar->addMenu(tr("Options"));
    m.Clear_Total = m.E_m->addAction(tr("Clear All..."));
    m.E_m->addSeparator();
    m.LD[0] = m.E_m->addAction(FileCommands::commandText(0));
    m.LD[1] = m.E_m->addAction(FileCommands::commandText(1));
    m.E_m->addSeparator();
    m.C_m = m.E_m->addAction(tr("Copy Numbers..."));
    m.P_m = m.E_m->addAction(tr("Paste Numbers..."));
    m.E_m->addSeparator();
    m.SortNm = m.E_m->addAction(tr("Sort Numbers..."));
    m.E_m->addSeparator();
    m.PrintCalc = m.E_m->addAction(tr("Print Calculation..."));

    m.dp = bar->addMenu(tr("Decimals"));
    for (std::size_t k = 0; k < m.dp1.size(); ++k) {
        // "0", "0.0" ... "0.000000" with the user's decimal symbol, as every number shown.
        const QString places =
            k == 0  ? QStringLiteral("0")
            : k < 7 ? u'0' + QString(m_settings.decimalSymbol) + QString(int(k), u'0')
                    : tr("Variable");
        QAction* item = m.dp->addAction(places);
        item->setCheckable(true);
        const int index = k < 7 ? static_cast<int>(k) : kVariablePlaces;
        connect(item, &QAction::triggered, this, [this, index] { m_calc.dp1_Click(index); });
        m.dp1[k] = item;
    }
    m.dp1[7]->setChecked(true);

    m.OtherFeatures = bar->addMenu(tr("Total"));
    const char* const functions[] = {QT_TR_NOOP("Numbers..."), QT_TR_NOOP("Average..."),
                                     QT_TR_NOOP("Mean..."), QT_TR_NOOP("Mode...")};
    for (std::size_t k = 0; k < m.CalcFuntions.size(); ++k) {
        QAction* item = m.OtherFeatures->addAction(tr(functions[k]));
        item->setCheckable(true);
        const int index = static_cast<int>(k);
        connect(item, &QAction::triggered, this,
                [this, index] { m_calc.CalcFuntions_Click(index); });
        m.CalcFuntions[k] = item;
    }
    m.CalcFuntions[0]->setChecked(true);

    connect(m.Clear_Total, &QAction::triggered, this, [this] { m_calc.Clear_Total_Click(); });
    connect(m.SortNm, &QAction::triggered, this, [this] { m_calc.SortNm_Click(); });
    connect(m.C_m, &QAction::triggered, this, [this] { C_m_Click(); });
    connect(m.P_m, &QAction::triggered, this, [this] { P_m_Click(); });
    connect(m.PrintCalc, &QAction::triggered, this, [this] { PrintCalc_Click(); });
    for (std::size_t i = 0; i < m.LD.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        connect(m.LD[i], &QAction::triggered, this, [this, index] { m_files->LD_Click(index); });
    }
}

void Rolling_Caculator::createTotalBox() {
    TotalParts& t = m_parts.total;
    QWidget* client = m_parts.client;

    t.Dzx = new BoxLabel(toQColor(kFrameFill), toQColor(0x00808080), client);
    t.Dzx->setGeometry(9, 9, 490, 58);

    t.Op11 = new QLabel(QStringLiteral("="), client);
    t.Op11->setFont(arial(kSignFont, true));
    t.Op11->move(15, 27);
    t.Op11->adjustSize();  // sized to its caption
    // The designed window draws the sign 2 pixels lower than Qt places this font's glyph;
    // the box keeps its size (the lost rows are the glyph's empty descent).
    t.Op11->setContentsMargins(0, 2, 0, 0);
    t.Op11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    t.Op11->setAttribute(Qt::WA_TranslucentBackground);
    setColour(*t.Op11, QPalette::WindowText, kBlackText);  // on the frame's fixed grey

    // The text comes after the font, so that it is laid out once, in the font it is shown in.
    t.TotalAmount = new QLineEdit(client);
    t.TotalAmount->setAccessibleName(tr("Total", "the total box, to a screen reader"));
    t.TotalAmount->setGeometry(30, 21, 458, 33);
    t.TotalAmount->setFont(arial(kTotalFont, true));
    t.TotalAmount->setText(QCoreApplication::translate("Total", "Total..."));
    t.TotalAmount->setAlignment(Qt::AlignCenter);
    t.TotalAmount->setMaxLength(kTotalMaxLength);
    t.TotalAmount->setFrame(false);
    // Only the commands write the total; it still takes the focus, so M+ can store it.
    t.TotalAmount->setReadOnly(true);
    setColour(*t.TotalAmount, QPalette::Base, kWhite);
    setColour(*t.TotalAmount, QPalette::Text, kBlackText);  // on a fixed colour, as the rows
    t.TotalAmount->installEventFilter(this);
}

void Rolling_Caculator::createKeypad() {
    KeypadParts& k = m_parts.keypad;
    for (const KeyPlace& place : kKeypad) {
        SuperButton* button =
            makeButton(m_parts.client, QRect(place.left, place.top, place.width, kKeypadHeight),
                       QString::fromLatin1(place.caption), kKeypadBack, place.render, kKeypadFont);
        const int index = place.index;
        connect(button, &SuperButton::Click, this,
                [this, index] { m_calc.CalC_Button_Click(index); });
        k.CalC_Button[static_cast<std::size_t>(index)] = button;
    }
}

void Rolling_Caculator::createMemory() {
    KeypadParts& k = m_parts.keypad;
    k.M_Buff = new BoxLabel(toQColor(kMemoryColour), Qt::black, m_parts.client);
    k.M_Buff->setAccessibleName(tr("Memory", "the memory display, to a screen reader"));
    k.M_Buff->setGeometry(270, 351, 226, 65);
    k.M_Buff->setFont(arial(kMemoryFont, true));
    k.M_Buff->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColour(*k.M_Buff, QPalette::WindowText, kMemoryText);

    const char* const captions[] = {"M+", "MR"};
    const int lefts[] = {321, 390};
    for (std::size_t i = 0; i < k.MemoryRc.size(); ++i) {
        SuperButton* button =
            makeButton(m_parts.client, QRect(lefts[i], 372, 65, 40),
                       QString::fromLatin1(captions[i]), kFrameFill, kMemoryRender, kKeypadFont);
        const int index = static_cast<int>(i);
        connect(button, &SuperButton::Click, this, [this, index] { m_calc.MemoryRc_Click(index); });
        button->installEventFilter(this);  // its focus out restores the total box
        k.MemoryRc[i] = button;
    }
}

void Rolling_Caculator::createScrollBar() {
    auto* scroll = new VynVerticalScroll(m_parts.client);
    scroll->setGeometry(237, layout::kScrollTop, layout::kScrollWidth, layout::kScrollDesignHeight);
    scroll->setBackColor(kFrameFill);
    connect(scroll, &VynVerticalScroll::Change, this, [this] {
        m_calc.ScrollNum_Change();
        if (m_lineNames) {
            m_lineNames->refresh();
        }
    });
    connect(scroll, &VynVerticalScroll::KeyDown, this,
            [this](std::int16_t&, std::int16_t&) { focusRow(0); });
    m_parts.ScrollNum = scroll;
}

void Rolling_Caculator::createRowZero() {
    RowParts& r = m_parts.rows;
    SuperButton* op =
        makeButton(m_parts.client,
                   QRect(layout::kOpLeft, layout::kRowTop, layout::kOpWidth, layout::kRowHeight),
                   QStringLiteral("+"), SuperButton::kSavedBackColor, kSilver, kOpFont);
    auto* row = new EntryRow(0, m_parts.client);
    row->setGeometry(layout::kRowLeft, layout::kRowTop, layout::kRowDesignWidth,
                     layout::kRowHeight);
    row->setFont(arial(kRowFont));
    row->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->setMaxLength(kRowMaxLength);
    row->raise();  // the row covers its button where the two overlap
    r.Op.push_back(op);
    r.CalAmount.push_back(row);
    connectRow(0);
}

void Rolling_Caculator::initRowStates(int last) {
    RowState cleared;
    cleared.opCaption = QStringLiteral("+");
    m_rows.assign(static_cast<std::size_t>(last) + 1, cleared);
    // Row 0, made before the pool's states, shows its state as every later row does.
    showRow(0, kRowText | kRowCaret | kRowColours | kRowOp);
}

void Rolling_Caculator::buildRowsTo(int last) {
    RowParts& r = m_parts.rows;
    const EntryRow& model = *r.CalAmount[0];
    const SuperButton& modelOp = *r.Op[0];
    const std::size_t built = r.CalAmount.size();
    for (int n = static_cast<int>(built); n <= last && n < rowPoolSize(); ++n) {
        const RowState& state = m_rows[static_cast<std::size_t>(n)];
        auto* row = new EntryRow(n, m_parts.client);
        row->setFont(model.font());
        row->setAlignment(model.alignment());
        row->setMaxLength(model.maxLength());
        row->setPalette(model.palette());
        row->setGeometry(model.geometry().translated(0, n * layout::kRowHeight));
        row->hide();
        // The caption first: the colour's render then finds it measured in this font.
        SuperButton* op = makeButton(
            m_parts.client, modelOp.geometry().translated(0, n * layout::kRowHeight),
            state.opCaption, modelOp.BackColor(), state.opColour, modelOp.font().pointSizeF());
        op->hide();
        // Made later than the total box and the scroll bar, yet lying behind them, in front
        // of the rows above; the tab order likewise follows the row above.
        op->stackUnder(m_parts.total.TotalAmount);
        row->stackUnder(m_parts.total.TotalAmount);
        QWidget::setTabOrder(n == 1 ? static_cast<QWidget*>(m_parts.ScrollNum) : r.Op.back(), row);
        QWidget::setTabOrder(row, op);
        r.Op.push_back(op);
        r.CalAmount.push_back(row);
        connectRow(n);
        showRow(n, kRowText | kRowCaret | kRowColours | kRowOp);
    }
    if (m_lineNames && r.CalAmount.size() > built) {
        m_lineNames->refresh();  // the new rows take their line names
    }
}

void Rolling_Caculator::connectRow(int row) {
    EntryRow* entry = m_parts.rows.CalAmount[static_cast<std::size_t>(row)];
    entry->installEventFilter(m_keyFilter);
    entry->watchKeys();
    // What the user types into the row is the row's state. A change that neither the view nor
    // a key made (a screen reader's or voice control's edit, the context menu's) is stored as a
    // key's release stores it.
    connect(entry, &QLineEdit::textChanged, this, [this, row, entry](const QString& text) {
        if (!validRow(row)) {
            return;
        }
        QString& state = m_rows[static_cast<std::size_t>(row)].text;
        const bool outside = state != text && !entry->keyHeld();
        state = text;
        if (outside) {
            m_calc.rowKeyUp(row, kKeyOther);
        }
    });
    connect(entry, &QLineEdit::cursorPositionChanged, this, [this, row](int, int position) {
        if (validRow(row)) {
            m_rows[static_cast<std::size_t>(row)].caret = position;
        }
    });
    connect(entry, &EntryRow::gotFocus, this, [this](int index) { m_calc.rowGotFocus(index); });
    connect(entry, &EntryRow::mousePressed, this,
            [this](int index) { m_calc.rowMouseDown(index); });
    SuperButton* op = m_parts.rows.Op[static_cast<std::size_t>(row)];
    connect(op, &SuperButton::Click, this, [this, row] { m_calc.Op_Click(row); });
}

void Rolling_Caculator::setTabOrders() {
    const auto& keys = m_parts.keypad.CalC_Button;
    std::vector<QWidget*> order = {m_parts.rows.CalAmount[0], m_parts.total.TotalAmount,
                                   m_parts.rows.Op[0]};
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 11, 12, 13, 14, 15, 10}) {
        order.push_back(keys[static_cast<std::size_t>(index)]);
    }
    order.push_back(m_parts.keypad.MemoryRc[0]);
    order.push_back(m_parts.keypad.MemoryRc[1]);
    order.push_back(keys[17]);
    order.push_back(m_parts.ScrollNum);
    // Qt 6.4 moves nothing when the first widget ends the window's focus chain, as row 0, made
    // last, does until the other rows are made: so it leaves the end first.
    QWidget::setTabOrder(order[1], order[0]);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

}  // namespace tallimer
