// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/row_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "controls/input_codes.h"
#include "engine/calculator.h"
#include "platform/key_codes.h"
#include "platform/number_reader.h"
#include "window/entry_row.h"

namespace tallimer {

int keyCodeFor(const QKeyEvent& event) {
    const int code = keyCodeOf(event);
    return code != 0 ? code : kKeyOther;
}

int characterFor(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::AltModifier) != 0) {
        return 0;  // menu chords type nothing
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnter;
        case Qt::Key_Backspace:
            return kBackspace;
        case Qt::Key_Escape:
            return kEscape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    if ((mods & Qt::ControlModifier) != 0) {
        // Ctrl+letter types the control character of the letter (Ctrl+C 3, Ctrl+V 22).
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : 0;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return 0;
    }
    const char16_t c = text.at(0).unicode();
    return c == 0x7F ? 0 : c;
}

RowKeyFilter::RowKeyFilter(Calculator& calculator, QWidget& window, QObject* parent)
    : QObject(parent), m_calculator(calculator), m_window(window) {}

bool RowKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* row = qobject_cast<EntryRow*>(watched);
    if (row == nullptr) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        return keyPress(*row, static_cast<QKeyEvent&>(*event));
    }
    if (event->type() == QEvent::KeyRelease) {
        keyRelease(*row, static_cast<QKeyEvent&>(*event));
    }
    return false;
}

bool RowKeyFilter::keyPress(EntryRow& row, QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        return false;  // focus navigation, not typing
    }
    int keyCode = keyCodeFor(event);
    m_calculator.rowKeyDown(row.index(), keyCode);
    if (keyCode == 0) {
        return true;
    }
    const int typed = characterFor(event);
    if (typed == 0) {
        return false;
    }
    // The numpad's decimal key, whichever of "." and "," the keyboard layout gives it.
    const bool numpadDecimal = (event.modifiers() & Qt::KeypadModifier) != 0 &&
                               (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma);
    int keyAscii = typedCharacter(typed, numpadDecimal, m_calculator.settings());
    m_calculator.rowKeyPress(row.index(), keyAscii);
    if (keyAscii == 0) {
        return true;
    }
    if (event.matches(QKeySequence::Paste)) {
        // The row pastes here, so that what it pasted is read before the key is released.
        const QString before = row.text();
        row.paste();
        m_calculator.rowPasted(row.index(), before);
        return true;
    }
    if (keyAscii != typed && keyAscii >= 0x20 && keyAscii <= 0xFFFF) {
        // The handler replaced the character: type the replacement instead.
        row.insert(QString(QChar(static_cast<char16_t>(keyAscii))));
        return true;
    }
    return false;
}

void RowKeyFilter::keyRelease(EntryRow& row, QKeyEvent& event) {
    if (event.isAutoRepeat() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        return;
    }
    // A handler may have moved the focus during the key press: the release belongs to the row
    // that has the focus now.
    auto* focused = qobject_cast<EntryRow*>(m_window.focusWidget());
    EntryRow& target = focused != nullptr ? *focused : row;
    m_calculator.rowKeyUp(target.index(), keyCodeFor(event));
}

}  // namespace tallimer
