// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace tallimer {

class Calculator;
class EntryRow;

// The key code a key event stands for, as the row handlers know them (Backspace 8, Enter 13,
// PageUp 33, PageDown 34, Left 37, Up 38, Right 39, Down 40, letters and digits as their
// upper-case character...). Every real key gives a code above 0.
int keyCodeFor(const QKeyEvent& event);

// The character a key press types, as its UTF-16 code (Enter 13, Backspace 8, Ctrl+C 3,
// Ctrl+V 22); 0 for a key that types nothing (arrows, Delete, Tab, modifiers, Alt chords).
int characterFor(const QKeyEvent& event);

// Turns the entry rows' key events into the three stages of the row handlers: key down (may
// swallow the key), key press for a key that types a character (may discard it), and key up,
// which goes to the row that has the focus when the key is released.
class RowKeyFilter : public QObject {
    Q_OBJECT

public:
    RowKeyFilter(Calculator& calculator, QWidget& window, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(EntryRow& row, QKeyEvent& event);
    void keyRelease(EntryRow& row, QKeyEvent& event);

    Calculator& m_calculator;
    QWidget& m_window;
};

}  // namespace tallimer
