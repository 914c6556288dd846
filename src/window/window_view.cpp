// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tape commands see of the window: the rows, buttons, total box, memory display,
// scroll bar and menu ticks.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"
#include "window/announcer.h"
#include "window/entry_row.h"
#include "window/rolling_caculator.h"

namespace tallimer {

bool Rolling_Caculator::isWindowVisible() const {
    return isVisible();
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

void Rolling_Caculator::changeCommitted(Committed what) {
    m_announcer->committed(what);
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
