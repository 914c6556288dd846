// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rows as the tape commands see them: the whole pool, each row's state kept here, though a
// row is made only when it first comes into sight (most of a screen-sized pool never does).
#include <algorithm>

#include "controls/super_button.h"
#include "window/entry_row.h"
#include "window/rolling_caculator.h"

namespace tallimer {

const WindowParts& Rolling_Caculator::partsAllRowsMade() {
    buildRowsTo(rowPoolSize() - 1);
    return m_parts;
}

bool Rolling_Caculator::validRow(int row) const {
    return row >= 0 && row < rowPoolSize();
}

int Rolling_Caculator::rowPoolSize() const {
    return static_cast<int>(m_rows.size());
}

EntryRow* Rolling_Caculator::builtRow(int row) const {
    const auto& rows = m_parts.rows.CalAmount;
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)]
                                                           : nullptr;
}

void Rolling_Caculator::showRow(int row, unsigned parts) {
    EntryRow* entry = builtRow(row);
    if (entry == nullptr) {
        return;
    }
    // A copy: the line edit's own signals write its text and caret back while it is shown.
    const RowState state = m_rows[static_cast<std::size_t>(row)];
    if ((parts & kRowText) != 0 && entry->text() != state.text) {
        entry->setText(state.text);
    }
    if ((parts & (kRowText | kRowCaret)) != 0) {
        entry->setCursorPosition(state.caret);
        entry->forgetSelection();
    }
    if ((parts & kRowColours) != 0) {
        setColour(*entry, QPalette::Base, state.background);
        setColour(*entry, QPalette::Text, state.textColour);
    }
    SuperButton* op = m_parts.rows.Op[static_cast<std::size_t>(row)];
    if ((parts & kRowOp) != 0) {
        if (op->Caption() != state.opCaption) {
            op->setCaption(state.opCaption);
        }
        if (op->RenderColor() != state.opColour) {
            op->setRenderColor(state.opColour);
        }
    }
}

QString Rolling_Caculator::rowText(int row) const {
    return validRow(row) ? m_rows[static_cast<std::size_t>(row)].text : QString();
}

void Rolling_Caculator::setRowText(int row, const QString& text) {
    // The same text again keeps the caret where the user left it.
    if (!validRow(row) || m_rows[static_cast<std::size_t>(row)].text == text) {
        return;
    }
    RowState& state = m_rows[static_cast<std::size_t>(row)];
    state.text = text.left(kRowMaxLength);              // as the line edit cuts it
    state.caret = static_cast<int>(state.text.size());  // after the text, as typing leaves it
    showRow(row, kRowText);
}

int Rolling_Caculator::rowCaret(int row) const {
    if (const EntryRow* entry = builtRow(row)) {
        return entry->selectionStartNow();
    }
    return validRow(row) ? m_rows[static_cast<std::size_t>(row)].caret : 0;
}

void Rolling_Caculator::setRowCaret(int row, int position) {
    if (validRow(row)) {
        RowState& state = m_rows[static_cast<std::size_t>(row)];
        state.caret = std::clamp(position, 0, static_cast<int>(state.text.size()));
        showRow(row, kRowCaret);
    }
}

int Rolling_Caculator::rowSelectionStart(int row) const {
    return rowCaret(row);
}

int Rolling_Caculator::rowSelectionLength(int row) const {
    const EntryRow* entry = builtRow(row);
    return entry != nullptr ? entry->selectionLengthNow() : 0;
}

void Rolling_Caculator::setRowBackground(int row, std::uint32_t colour) {
    if (validRow(row) && m_rows[static_cast<std::size_t>(row)].background != colour) {
        m_rows[static_cast<std::size_t>(row)].background = colour;
        showRow(row, kRowColours);
    }
}

void Rolling_Caculator::setRowTextColour(int row, std::uint32_t colour) {
    if (validRow(row) && m_rows[static_cast<std::size_t>(row)].textColour != colour) {
        m_rows[static_cast<std::size_t>(row)].textColour = colour;
        showRow(row, kRowColours);
    }
}

void Rolling_Caculator::focusRow(int row) {
    if (validRow(row)) {
        buildRowsTo(row);
        m_parts.rows.CalAmount[static_cast<std::size_t>(row)]->setFocus(Qt::OtherFocusReason);
    }
}

QString Rolling_Caculator::opCaption(int row) const {
    return validRow(row) ? m_rows[static_cast<std::size_t>(row)].opCaption : QString();
}

void Rolling_Caculator::setOpCaption(int row, const QString& caption) {
    if (validRow(row) && m_rows[static_cast<std::size_t>(row)].opCaption != caption) {
        m_rows[static_cast<std::size_t>(row)].opCaption = caption;
        showRow(row, kRowOp);
    }
}

void Rolling_Caculator::setOpColour(int row, std::uint32_t renderColor) {
    if (validRow(row) && m_rows[static_cast<std::size_t>(row)].opColour != renderColor) {
        m_rows[static_cast<std::size_t>(row)].opColour = renderColor;
        showRow(row, kRowOp);
    }
}

}  // namespace tallimer
