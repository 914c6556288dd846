// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/tape_line_names.h"

#include <QCoreApplication>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "window/entry_row.h"
#include "window/window_parts.h"

namespace tallimer {

namespace {

// The word for an operator button's caption, so that it is not read as a bare sign.
QString operatorWord(const QString& caption) {
    if (caption == u"+") {
        return QCoreApplication::translate("TapeLineNames", "plus");
    }
    if (caption == u"-") {
        return QCoreApplication::translate("TapeLineNames", "minus");
    }
    if (caption == u"x") {
        return QCoreApplication::translate("TapeLineNames", "times");
    }
    if (caption == u"/") {
        return QCoreApplication::translate("TapeLineNames", "divided by");
    }
    return caption;
}

}  // namespace

TapeLineNames::TapeLineNames(const RowParts& rows, const VynVerticalScroll& scroll)
    : m_rows(rows), m_scroll(scroll) {
    QAccessible::installActivationObserver(this);
    refresh();
}

TapeLineNames::~TapeLineNames() {
    QAccessible::removeActivationObserver(this);
    for (const QMetaObject::Connection& c : m_captionWatch) {
        QObject::disconnect(c);
    }
}

void TapeLineNames::nameOp(std::size_t row) {
    SuperButton& op = *m_rows.Op[row];
    const int line = m_scroll.Value() + static_cast<int>(row) + 1;
    // Read after the row's value when the row gets the focus: "Line 2, 5, minus".
    m_rows.CalAmount[row]->setAccessibleDescription(operatorWord(op.Caption()));
    //: Read by a screen reader: an operator button beside an entry row, %1 the line number,
    //: %2 its operator in words ("plus").
    op.setAccessibleName(QCoreApplication::translate("TapeLineNames", "operator of line %1, %2")
                             .arg(line)
                             .arg(operatorWord(op.Caption())));
}

QString TapeLineNames::lineName(int row) const {
    return QCoreApplication::translate("TapeLineNames", "Line %1").arg(m_scroll.Value() + row + 1);
}

void TapeLineNames::refresh() {
    if (!QAccessible::isActive()) {
        return;
    }
    for (std::size_t row = 0; row < m_rows.CalAmount.size(); ++row) {
        m_rows.CalAmount[row]->setAccessibleName(lineName(static_cast<int>(row)));
        nameOp(row);
    }
    // Rows are only ever added: watch the captions of the new buttons.
    for (std::size_t row = m_captionWatch.size(); row < m_rows.Op.size(); ++row) {
        m_captionWatch.push_back(QObject::connect(
            m_rows.Op[row], &SuperButton::PropertyChanged, [this, row](const QString& name) {
                if (name == u"Caption" && QAccessible::isActive()) {
                    nameOp(row);
                }
            }));
    }
}

void TapeLineNames::accessibilityActiveChanged(bool active) {
    if (active) {
        refresh();
    }
}

}  // namespace tallimer
