#include "window/entry_row.h"

#include <algorithm>

#include <QFocusEvent>
#include <QMouseEvent>

namespace tallimer {

EntryRow::EntryRow(int index, QWidget* parent) : QLineEdit(parent), m_index(index) {}

int EntryRow::selectionStartNow() const {
    if (hasFocus()) {
        return hasSelectedText() ? selectionStart() : cursorPosition();
    }
    return std::min(m_savedStart, static_cast<int>(text().size()));
}

int EntryRow::selectionLengthNow() const {
    if (hasFocus()) {
        return hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    }
    const int start = selectionStartNow();
    return std::clamp(m_savedLength, 0, static_cast<int>(text().size()) - start);
}

void EntryRow::forgetSelection() {
    m_savedStart = cursorPosition();
    m_savedLength = 0;
}

void EntryRow::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit gotFocus(m_index);
}

void EntryRow::focusOutEvent(QFocusEvent* event) {
    m_savedStart = hasSelectedText() ? selectionStart() : cursorPosition();
    m_savedLength = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    QLineEdit::focusOutEvent(event);
}

void EntryRow::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit mousePressed(m_index);
}

}  // namespace tallimer
