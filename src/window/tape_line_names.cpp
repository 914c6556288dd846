#include "window/tape_line_names.h"

#include <QCoreApplication>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "window/entry_row.h"
#include "window/window_parts.h"

namespace tallimer {

TapeLineNames::TapeLineNames(const RowParts& rows, const VynVerticalScroll& scroll)
    : m_rows(rows), m_scroll(scroll) {
    QAccessible::installActivationObserver(this);
    refresh();
}

TapeLineNames::~TapeLineNames() {
    QAccessible::removeActivationObserver(this);
}

void TapeLineNames::refresh() {
    if (!QAccessible::isActive()) {
        return;
    }
    const int offset = m_scroll.Value();
    for (std::size_t row = 0; row < m_rows.CalAmount.size(); ++row) {
        const int line = offset + static_cast<int>(row) + 1;
        m_rows.CalAmount[row]->setAccessibleName(
            QCoreApplication::translate("TapeLineNames", "Line %1").arg(line));
        m_rows.Op[row]->setAccessibleDescription(
            QCoreApplication::translate("TapeLineNames", "operator of line %1").arg(line));
    }
}

void TapeLineNames::accessibilityActiveChanged(bool active) {
    if (active) {
        refresh();
    }
}

}  // namespace tallimer
