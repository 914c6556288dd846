// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout pass: size limits, the tall layout that replaces a maximize, and the rows in sight.
#include <cmath>

#include <QScreen>
#include <QTimer>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "window/entry_row.h"
#include "window/layout_rules.h"
#include "window/rolling_caculator.h"

namespace tallimer {

namespace {

// Resizes inside the pass run the pass again; a window system that keeps refusing our sizes
// must not make that endless.
constexpr int kMaxLayoutDepth = 4;
// How long reports of the window system may still be echoes of a change we asked for.
constexpr int kOwnChangeMilliseconds = 300;

class DepthGuard {
public:
    explicit DepthGuard(int& depth) : m_depth(++depth) {}
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

}  // namespace

void Rolling_Caculator::Form_Resize() {
    if (m_layoutDepth >= kMaxLayoutDepth || m_parts.rows.CalAmount.empty()) {
        return;
    }
    DepthGuard guard(m_layoutDepth);

    if (layoutSettling()) {
        // Shortly after the tall layout (or the return from it) the window system may still
        // report the maximize just handled, or sizes on the way: answer an echo with the same
        // layout again, and only lay out rows until the size asked for has arrived.
        if ((windowState() & Qt::WindowMaximized) != 0) {
            applyOwnChange();
        }
        if (clientSize() != m_ownChangeTarget || (windowState() & Qt::WindowMinimized) != 0) {
            placeRows(clientSize().height());
            return;
        }
    } else {
        turnMaximizeIntoTallLayout();
    }
    const Qt::WindowStates state = windowState();
    if ((state & Qt::WindowMinimized) != 0) {
        return;
    }

    const layout::ClientLimits limits = layout::clientLimits(twipsPerPixel());
    const QSize client = clientSize();
    QSize target = client;
    if (target.width() < limits.minWidth) {
        target.setWidth(limits.minWidth);
    }
    const bool normal = (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0;
    if (normal && target.width() > limits.maxWidth) {
        target.setWidth(limits.maxWidth);
    }
    if (target.height() < limits.minHeight) {
        target.setHeight(limits.minHeight);
    }
    if (target != client) {
        resizeClient(target);
    }
    // Lay out for the size asked for: the window system may confirm it only later.
    placeRows(target.height());
}

bool Rolling_Caculator::turnMaximizeIntoTallLayout() {
    const Qt::WindowStates state = windowState();
    if ((state & Qt::WindowMaximized) == 0 || m_SavedLeft < 0) {
        return false;  // a negative remembered edge leaves the maximize as it is
    }
    const double tpp = twipsPerPixel();
    const QRect normalPlace = normalGeometry();
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    const int normalLeft = normalPlace.x() - frameOffset.x();
    const int normalTop = normalPlace.y() - frameOffset.y();
    const int designedWidth = layout::clientWidthForOuter(layout::kDesignedOuterWidth, tpp);

    if (m_SavedLeft == 0) {
        m_SavedLeft = layout::outerTwipsForLeft(normalLeft, tpp);
        const QRect screenRect = screen()->geometry();
        const double tallTwips = layout::kTallHeightShare * screenRect.height() * tpp;
        m_ownChangePlace = screenRect.topLeft();
        m_ownChangeTarget = {designedWidth, layout::clientHeightForOuter(tallTwips, tpp)};
    } else {
        m_ownChangePlace = {static_cast<int>(std::lround(m_SavedLeft / tpp)), normalTop};
        m_SavedLeft = 0;
        m_ownChangeTarget = {designedWidth,
                             layout::clientHeightForOuter(layout::kDesignedOuterHeight, tpp)};
    }
    m_ownChangeClock.start();
    // Once the window system has settled, whatever size it chose still meets the limits.
    QTimer::singleShot(kOwnChangeMilliseconds + 1, this, [this] {
        if (m_ownChangeTarget.isValid() && !layoutSettling()) {
            m_ownChangeTarget = QSize();
            Form_Resize();
        }
    });
    applyOwnChange();
    return true;
}

void Rolling_Caculator::applyOwnChange() {
    setWindowState(windowState() & ~Qt::WindowMaximized);
    move(m_ownChangePlace);
    resizeClient(m_ownChangeTarget);
}

bool Rolling_Caculator::layoutSettling() const {
    return m_ownChangeTarget.isValid() && m_ownChangeClock.isValid() &&
           m_ownChangeClock.elapsed() <= kOwnChangeMilliseconds;
}

void Rolling_Caculator::placeRows(int clientHeight) {
    RowParts& rows = m_parts.rows;
    const EntryRow& first = *rows.CalAmount[0];
    const int rowHeight = first.height();
    const int poolLast = rowPoolSize() - 1;
    const int last = layout::visibleLastRow(clientHeight, first.y(), rowHeight, poolLast);

    buildRowsTo(last);
    for (int r = 0; r < static_cast<int>(rows.CalAmount.size()); ++r) {
        EntryRow* row = rows.CalAmount[static_cast<std::size_t>(r)];
        SuperButton* op = rows.Op[static_cast<std::size_t>(r)];
        if (r <= last) {
            row->resize(layout::kRowWidth, rowHeight);
            row->show();
            op->show();
        } else {
            row->hide();
            op->hide();
        }
    }
    m_LastRow = static_cast<std::int16_t>(last);

    // The scroll bar lets pending window events run while it resizes; a newer pass that ran
    // meanwhile has the last word.
    const unsigned generation = ++m_layoutGeneration;
    VynVerticalScroll* scroll = m_parts.ScrollNum;
    const int bottomRowTop = rows.CalAmount[static_cast<std::size_t>(last)]->y();
    scroll->setGeometry(first.x() + first.width(), scroll->y(), scroll->width(),
                        rowHeight + bottomRowTop - first.y());
    if (generation != m_layoutGeneration) {
        return;
    }

    m_calc.LastRow = m_LastRow;
    m_calc.applyLayout(last);
}

}  // namespace tallimer
