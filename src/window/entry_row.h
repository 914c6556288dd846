// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace tallimer {

// An entry row of the tape view. It reports its focus and mouse presses with its index, after
// the line edit has moved its caret, and keeps the selection it had when it lost the focus
// (a line edit deselects on focus out, but the keypad still needs it). It draws the classic
// sunken two-pixel border of a text box instead of the style's frame.
class EntryRow : public QLineEdit {
    Q_OBJECT

public:
    EntryRow(int index, QWidget* parent);

    int index() const { return m_index; }
    // The selection now when the row has the focus, otherwise as it was at focus out; a
    // length of 0 means none, the start is then the caret.
    int selectionStartNow() const;
    int selectionLengthNow() const;
    // A new text or caret set from outside replaces what was remembered.
    void forgetSelection();
    // True from a key's press in the row to its release or the focus's departure: a change of
    // the text meanwhile is typing, which the release stores. Sees the keys ahead of every
    // filter installed before this call.
    bool keyHeld() const { return m_keyHeld; }
    void watchKeys() { installEventFilter(this); }

signals:
    void gotFocus(int index);
    void mousePressed(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_index;
    int m_savedStart = 0;
    int m_savedLength = 0;
    bool m_keyHeld = false;
};

}  // namespace tallimer
