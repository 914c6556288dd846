// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/entry_row.h"

#include <algorithm>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tallimer {

namespace {

constexpr QRgb kOuterBorder = qRgb(122, 122, 122);
constexpr QRgb kInnerBorder = qRgb(247, 247, 247);
constexpr int kBorder = 2;

}  // namespace

EntryRow::EntryRow(int index, QWidget* parent) : QLineEdit(parent), m_index(index) {
    setFrame(false);
    setTextMargins(kBorder, 0, kBorder, 0);
    setAcceptDrops(false);  // a file dropped on a row goes to the window, which opens it
}

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

bool EntryRow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this) {
        if (event->type() == QEvent::KeyPress) {
            m_keyHeld = true;
        } else if ((event->type() == QEvent::KeyRelease &&
                    !static_cast<QKeyEvent*>(event)->isAutoRepeat()) ||
                   event->type() == QEvent::FocusOut) {
            m_keyHeld = false;
        }
    }
    return QLineEdit::eventFilter(watched, event);
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

void EntryRow::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    // Each border is four one-pixel fills: a pen's outline costs some thirty times as much.
    const auto frame = [&painter](const QRect& box, QRgb colour) {
        const QColor color(colour);
        painter.fillRect(box.left(), box.top(), box.width(), 1, color);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, color);
        painter.fillRect(box.left(), box.top(), 1, box.height(), color);
        painter.fillRect(box.right(), box.top(), 1, box.height(), color);
    };
    frame(rect(), kOuterBorder);
    frame(rect().adjusted(1, 1, -1, -1), kInnerBorder);
}

}  // namespace tallimer
