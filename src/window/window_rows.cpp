// The rows as the tape commands see them: the whole pool, though a row is made only when it
// first comes into sight (most of a screen-sized pool never does).
#include <algorithm>

#include "controls/super_button.h"
#include "window/entry_row.h"
#include "window/rolling_caculator.h"

namespace tallimer {

const WindowParts& Rolling_Caculator::parts() {
    buildRowsTo(m_poolSize - 1);
    return m_parts;
}

bool Rolling_Caculator::validRow(int row) const {
    return row >= 0 && row < rowPoolSize();
}

int Rolling_Caculator::rowPoolSize() const {
    return m_poolSize;
}

EntryRow* Rolling_Caculator::builtRow(int row) const {
    const auto& rows = m_parts.rows.CalAmount;
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)]
                                                           : nullptr;
}

SuperButton* Rolling_Caculator::builtOp(int row) const {
    const auto& ops = m_parts.rows.Op;
    return row >= 0 && row < static_cast<int>(ops.size()) ? ops[static_cast<std::size_t>(row)]
                                                          : nullptr;
}

QString Rolling_Caculator::rowText(int row) const {
    if (const EntryRow* entry = builtRow(row)) {
        return entry->text();
    }
    return validRow(row) ? m_unbuiltRows[static_cast<std::size_t>(row)].text : QString();
}

void Rolling_Caculator::setRowText(int row, const QString& text) {
    if (EntryRow* entry = builtRow(row)) {
        // The same text again keeps the caret where the user left it.
        if (entry->text() != text) {
            entry->setText(text);
            entry->forgetSelection();
        }
    } else if (validRow(row)) {
        UnbuiltRow& kept = m_unbuiltRows[static_cast<std::size_t>(row)];
        if (kept.text != text) {
            kept.text = text;
            kept.caret = -1;
        }
    }
}

int Rolling_Caculator::rowCaret(int row) const {
    if (const EntryRow* entry = builtRow(row)) {
        return entry->selectionStartNow();
    }
    if (!validRow(row)) {
        return 0;
    }
    const UnbuiltRow& kept = m_unbuiltRows[static_cast<std::size_t>(row)];
    return kept.caret >= 0 ? kept.caret : static_cast<int>(kept.text.size());
}

void Rolling_Caculator::setRowCaret(int row, int position) {
    if (EntryRow* entry = builtRow(row)) {
        entry->setCursorPosition(position);
        entry->forgetSelection();
    } else if (validRow(row)) {
        UnbuiltRow& kept = m_unbuiltRows[static_cast<std::size_t>(row)];
        kept.caret = std::clamp(position, 0, static_cast<int>(kept.text.size()));
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
    if (!validRow(row) || m_rowBackground[static_cast<std::size_t>(row)] == colour) {
        return;
    }
    m_rowBackground[static_cast<std::size_t>(row)] = colour;
    if (EntryRow* entry = builtRow(row)) {
        setColour(*entry, QPalette::Base, colour);
    }
}

void Rolling_Caculator::setRowTextColour(int row, std::uint32_t colour) {
    if (!validRow(row) || m_rowTextColour[static_cast<std::size_t>(row)] == colour) {
        return;
    }
    m_rowTextColour[static_cast<std::size_t>(row)] = colour;
    if (EntryRow* entry = builtRow(row)) {
        setColour(*entry, QPalette::Text, colour);
    }
}

void Rolling_Caculator::focusRow(int row) {
    if (validRow(row)) {
        buildRowsTo(row);
        m_parts.rows.CalAmount[static_cast<std::size_t>(row)]->setFocus(Qt::OtherFocusReason);
    }
}

QString Rolling_Caculator::opCaption(int row) const {
    if (const SuperButton* op = builtOp(row)) {
        return op->Caption();
    }
    return validRow(row) ? m_unbuiltRows[static_cast<std::size_t>(row)].opCaption : QString();
}

void Rolling_Caculator::setOpCaption(int row, const QString& caption) {
    if (SuperButton* op = builtOp(row)) {
        if (op->Caption() != caption) {
            op->setCaption(caption);
        }
    } else if (validRow(row)) {
        m_unbuiltRows[static_cast<std::size_t>(row)].opCaption = caption;
    }
}

void Rolling_Caculator::setOpColour(int row, std::uint32_t renderColor) {
    if (SuperButton* op = builtOp(row)) {
        if (op->RenderColor() != renderColor) {
            op->setRenderColor(renderColor);
        }
    } else if (validRow(row)) {
        m_unbuiltRows[static_cast<std::size_t>(row)].opColour = renderColor;
    }
}

}  // namespace tallimer
