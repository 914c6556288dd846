// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/rolling_caculator.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "dialogs/file_commands.h"
#include "platform/number_text.h"
#include "platform/product.h"
#include "window/announcer.h"
#include "window/app_icon.h"
#include "window/entry_row.h"
#include "window/layout_rules.h"
#include "window/row_key_filter.h"
#include "window/tape_line_names.h"
#include "window/tape_lock.h"

namespace tallimer {

Rolling_Caculator::Rolling_Caculator(const RegionalSettings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_calc(*this, m_settings) {
    setWindowTitle(QString::fromLatin1(kProductTitle));
    setWindowIcon(appIcon());
    m_keyFilter = new RowKeyFilter(m_calc, *this, this);
    m_files = new FileCommands(m_calc, *this);

    // Creation order is stacking order: later controls lie in front.
    createClientArea();
    createMenus();
    createTotalBox();
    createKeypad();
    createMemory();
    createScrollBar();
    createRowZero();
    Form_Load();
    resizeClient({layout::kClientWidth, layout::kClientHeight});
    placeClient();
    Form_Resize();
    setClientFont();
}

Rolling_Caculator::~Rolling_Caculator() {
    // The controls and the key filter call back into the calculator (and through it into this
    // window), and both are destroyed before ~QWidget would delete them: so they go first,
    // while everything they reach is whole.
    m_lineNames.reset();
    delete m_parts.client;
    delete m_keyFilter;
}

void Rolling_Caculator::Form_Load() {
    m_parts.keypad.CalC_Button[10]->setCaption(QString(m_settings.decimalSymbol));

    const QScreen* where = screen();
    const QSize screenSize = where != nullptr ? where->size() : QSize(1024, 768);
    const int larger = std::max(screenSize.width(), screenSize.height());
    const int last = layout::rowPoolLast(larger, m_parts.rows.CalAmount[0]->height());

    m_calc.DecPlaces = kVariablePlaces;
    initRowStates(last);
    m_LastRow = static_cast<std::int16_t>(last);
    m_parts.total.TotalAmount->raise();
    m_parts.ScrollNum->raise();
    setTabOrders();
    // The tape gets one line per row and is cleared.
    m_calc.load(last);
    m_lineNames = std::make_unique<TapeLineNames>(m_parts.rows, *m_parts.ScrollNum);
    m_announcer = new Announcer(
        *this, *m_parts.total.TotalAmount, *m_parts.keypad.M_Buff,
        [this] {
            const int row = m_calc.CurrentRow;
            return m_lineNames->lineName(row) + QStringLiteral(", ") + rowText(row);
        },
        [this] { return m_calc.totalIsNumber(); });
    connect(m_files, &FileCommands::tapeOpened, m_announcer, &Announcer::opened);
    const MenuParts& menus = m_parts.menus;
    auto* lock = new TapeLock(*m_parts.client, *m_parts.ScrollNum,
                              {menus.Clear_Total, menus.P_m, menus.SortNm}, this);
    connect(m_files, &FileCommands::openingChanged, lock, &TapeLock::setLocked);
}

void Rolling_Caculator::Form_Activate() {
    if (m_BecameActive.isValid()) {
        return;
    }
    m_calc.Clear_Total_Click();
    m_BecameActive = 1;
    focusRow(0);
    openCommandLineFile();
}

void Rolling_Caculator::openCommandLineFile() {
    m_files->openStartupFile(QCoreApplication::arguments().mid(1));
}

double Rolling_Caculator::twipsPerPixel() const {
    const QScreen* where = screen();
    return layout::twipsPerPixel(where != nullptr ? where->logicalDotsPerInchY() : 96.0);
}

int Rolling_Caculator::menuBarHeight() const {
    const QMenuBar* bar = menuBar();
    return bar->hasHeightForWidth() ? bar->heightForWidth(width()) : bar->sizeHint().height();
}

QSize Rolling_Caculator::clientSize() const {
    return {width(), height() - menuBarHeight()};
}

void Rolling_Caculator::resizeClient(const QSize& size) {
    resize(size.width(), size.height() + menuBarHeight());
}

bool Rolling_Caculator::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return handled;
}

void Rolling_Caculator::placeClient() {
    const int top = menuBarHeight();
    m_parts.client->setGeometry(0, top, width(), height() - top);
}

void Rolling_Caculator::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeClient();
    Form_Resize();
}

void Rolling_Caculator::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

bool Rolling_Caculator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == m_parts.total.TotalAmount) {
        m_calc.totalGotFocus();
    } else if (event->type() == QEvent::FocusOut) {
        const auto& memory = m_parts.keypad.MemoryRc;
        for (std::size_t i = 0; i < memory.size(); ++i) {
            if (watched == memory[i]) {
                m_calc.MemoryRc_LostFocus(static_cast<int>(i));
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tallimer
