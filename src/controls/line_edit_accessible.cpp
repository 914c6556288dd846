// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/line_edit_accessible.h"

#include <algorithm>

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tallimer {

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* LineEditAccessible::edit() const {
    return static_cast<QLineEdit*>(widget());
}

QString LineEditAccessible::shown() const {
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : edit()->displayText();
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (t == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QString LineEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return shown();
    }
    return QAccessibleWidget::text(t);
}

void LineEditAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t == QAccessible::Value && !edit()->isReadOnly()) {
        edit()->setText(text);
    } else {
        QAccessibleWidget::setText(t, text);
    }
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !edit()->isReadOnly();
    s.readOnly = edit()->isReadOnly();
    s.selectableText = true;
    s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    s.multiLine = false;
    return s;
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
}

int LineEditAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        edit()->deselect();
    }
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
}

int LineEditAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    const QString all = shown();
    if (endOffset < 0 || endOffset > all.size()) {
        endOffset = static_cast<int>(all.size());
    }
    startOffset = std::clamp(startOffset, 0, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const {
    return static_cast<int>(shown().size());
}

int LineEditAccessible::textLeft() const {
    const QLineEdit* e = edit();
    const QRect area = e->contentsRect().marginsRemoved(e->textMargins());
    const int width = QFontMetrics(e->font()).horizontalAdvance(shown());
    const Qt::Alignment h = QStyle::visualAlignment(e->layoutDirection(), e->alignment());
    if ((h & Qt::AlignRight) != 0) {
        return area.right() + 1 - width;
    }
    if ((h & Qt::AlignHCenter) != 0) {
        return area.left() + (area.width() - width) / 2;
    }
    return area.left();
}

QRect LineEditAccessible::characterRect(int offset) const {
    const QString all = shown();
    if (offset < 0 || offset >= all.size()) {
        return {};
    }
    const QFontMetrics metrics(edit()->font());
    const int x = textLeft() + metrics.horizontalAdvance(all.left(offset));
    const int top = (edit()->height() - metrics.height()) / 2;
    const QRect local(x, top, metrics.horizontalAdvance(all.at(offset)), metrics.height());
    return local.translated(edit()->mapToGlobal(QPoint(0, 0)));
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    const QString all = shown();
    const QFontMetrics metrics(edit()->font());
    const int x = edit()->mapFromGlobal(point).x() - textLeft();
    for (int i = 0; i < all.size(); ++i) {
        if (x < metrics.horizontalAdvance(all.left(i + 1))) {
            return x < 0 ? -1 : i;
        }
    }
    return -1;
}

void LineEditAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    // The line has one look: one run from the first character to past the last.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    // Through the edit's own typing, so that its validator and signals see the change.
    if (!edit()->isReadOnly()) {
        edit()->setSelection(startOffset, endOffset - startOffset);
        edit()->insert(text);
    }
}

}  // namespace tallimer
