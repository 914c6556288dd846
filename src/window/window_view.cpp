// What the tape commands see of the window: the rows, buttons, total box, memory display,
// scroll bar and menu ticks.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "window/entry_row.h"
#include "window/rolling_caculator.h"

namespace tallimer {

void setColour(QWidget& widget, QPalette::ColorRole role, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(colour));
    widget.setPalette(palette);
}

bool Rolling_Caculator::validRow(int row) const {
    return row >= 0 && row < rowPoolSize();
}

int Rolling_Caculator::rowPoolSize() const {
    return static_cast<int>(m_parts.rows.CalAmount.size());
}

QString Rolling_Caculator::rowText(int row) const {
    return validRow(row) ? m_parts.rows.CalAmount[static_cast<std::size_t>(row)]->text()
                         : QString();
}

void Rolling_Caculator::setRowText(int row, const QString& text) {
    if (!validRow(row)) {
        return;
    }
    EntryRow* entry = m_parts.rows.CalAmount[static_cast<std::size_t>(row)];
    // The same text again keeps the caret where the user left it.
    if (entry->text() != text) {
        entry->setText(text);
        entry->forgetSelection();
    }
}

int Rolling_Caculator::rowCaret(int row) const {
    return validRow(row)
               ? m_parts.rows.CalAmount[static_cast<std::size_t>(row)]->selectionStartNow()
               : 0;
}

void Rolling_Caculator::setRowCaret(int row, int position) {
    if (!validRow(row)) {
        return;
    }
    EntryRow* entry = m_parts.rows.CalAmount[static_cast<std::size_t>(row)];
    entry->setCursorPosition(position);
    entry->forgetSelection();
}

int Rolling_Caculator::rowSelectionStart(int row) const {
    return rowCaret(row);
}

int Rolling_Caculator::rowSelectionLength(int row) const {
    return validRow(row)
               ? m_parts.rows.CalAmount[static_cast<std::size_t>(row)]->selectionLengthNow()
               : 0;
}

void Rolling_Caculator::setRowBackground(int row, std::uint32_t colour) {
    if (!validRow(row) || m_rowBackground[static_cast<std::size_t>(row)] == colour) {
        return;
    }
    m_rowBackground[static_cast<std::size_t>(row)] = colour;
    setColour(*m_parts.rows.CalAmount[static_cast<std::size_t>(row)], QPalette::Base, colour);
}

void Rolling_Caculator::setRowTextColour(int row, std::uint32_t colour) {
    if (!validRow(row) || m_rowTextColour[static_cast<std::size_t>(row)] == colour) {
        return;
    }
    m_rowTextColour[static_cast<std::size_t>(row)] = colour;
    setColour(*m_parts.rows.CalAmount[static_cast<std::size_t>(row)], QPalette::Text, colour);
}

void Rolling_Caculator::focusRow(int row) {
    if (validRow(row)) {
        m_parts.rows.CalAmount[static_cast<std::size_t>(row)]->setFocus(Qt::OtherFocusReason);
    }
}

bool Rolling_Caculator::isWindowVisible() const {
    return isVisible();
}

QString Rolling_Caculator::opCaption(int row) const {
    return validRow(row) ? m_parts.rows.Op[static_cast<std::size_t>(row)]->Caption() : QString();
}

void Rolling_Caculator::setOpCaption(int row, const QString& caption) {
    if (!validRow(row)) {
        return;
    }
    SuperButton* op = m_parts.rows.Op[static_cast<std::size_t>(row)];
    if (op->Caption() != caption) {
        op->setCaption(caption);
    }
}

void Rolling_Caculator::setOpColour(int row, std::uint32_t renderColor) {
    if (!validRow(row)) {
        return;
    }
    SuperButton* op = m_parts.rows.Op[static_cast<std::size_t>(row)];
    if (op->RenderColor() != renderColor) {
        op->setRenderColor(renderColor);
    }
}

QString Rolling_Caculator::totalText() const {
    return m_parts.total.TotalAmount->text();
}

void Rolling_Caculator::setTotalText(const QString& text) {
    m_parts.total.TotalAmount->setText(text);
}

void Rolling_Caculator::setTotalBackground(std::uint32_t colour) {
    setColour(*m_parts.total.TotalAmount, QPalette::Base, colour);
}

void Rolling_Caculator::setMemoryText(const QString& text) {
    m_parts.keypad.M_Buff->setText(text);
    // Its name is "Memory"; a screen reader reads the value beside it.
    m_parts.keypad.M_Buff->setAccessibleDescription(text);
}

int Rolling_Caculator::scrollValue() const {
    return m_parts.ScrollNum->Value();
}

void Rolling_Caculator::setScrollValue(int value) {
    // The scroll bar clamps and raises Change, which refreshes the rows, before it returns.
    m_parts.ScrollNum->setValue(value);
}

int Rolling_Caculator::scrollValueMax() const {
    return m_parts.ScrollNum->ValueMax();
}

void Rolling_Caculator::setScrollValueMax(int valueMax) {
    m_parts.ScrollNum->setValueMax(valueMax);
}

void Rolling_Caculator::setDecimalsChecked(int index, bool checked) {
    if (QAction* item = m_parts.menus.decimalsItem(index)) {
        item->setChecked(checked);
    }
}

void Rolling_Caculator::setFunctionChecked(int index, bool checked) {
    if (index >= 0 && index < static_cast<int>(m_parts.menus.CalcFuntions.size())) {
        m_parts.menus.CalcFuntions[static_cast<std::size_t>(index)]->setChecked(checked);
    }
}

}  // namespace tallimer
