// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <algorithm>

#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "platform/key_codes.h"
#include "platform/number_reader.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

// The operator a key stands for, or a null QChar for any other key.
QChar operatorOfKey(int keyAscii) {
    switch (keyAscii) {
        case '*':
            return u'x';
        case '+':
            return u'+';
        case '-':
            return u'-';
        case '/':
            return u'/';
        default:
            return QChar();
    }
}

}  // namespace

void Calculator::rowGotFocus(int row) {
    if (!isRow(row)) {
        return;
    }
    TotalFocused = 0;
    for (int r = 0; r < m_view.rowPoolSize(); ++r) {
        m_view.setRowBackground(r, kWhite);
    }
    CurrentRow = static_cast<std::int16_t>(row);
    m_view.setRowBackground(row, kFocusedRowColour);
    CaretPos = static_cast<std::int16_t>(m_view.rowCaret(row));
}

void Calculator::rowMouseDown(int row) {
    if (isRow(row)) {
        CaretPos = static_cast<std::int16_t>(m_view.rowCaret(row));
    }
}

void Calculator::totalGotFocus() {
    TotalFocused = 1;
}

void Calculator::rowKeyDown(int row, int& keyCode) {
    // A scroll leaves the focus in the row, which now shows another line: that line is told.
    using C = CalculatorView::Committed;
    if (keyCode == kKeyUp) {
        if (viewOffset() > 0 && row == 0) {
            m_view.setScrollValue(viewOffset() - 1);
            m_view.changeCommitted(C::Row);
        } else if (row > 0) {
            m_view.focusRow(row - 1);
            m_view.changeCommitted(C::Total);
        }
        keyCode = 0;
    } else if (keyCode == kKeyDown) {
        if (viewOffset() < viewOffsetMax() && row == LastRow) {
            m_view.setScrollValue(viewOffset() + 1);
            m_view.changeCommitted(C::Row);
        } else if (row < LastRow) {
            m_view.focusRow(row + 1);
            m_view.changeCommitted(C::Total);
        }
        keyCode = 0;
    }
}

void Calculator::rowKeyPress(int row, int& keyAscii) {
    if (!isRow(row)) {
        return;
    }
    const int c = typedCharacter(keyAscii, false, m_settings);
    keyAscii = c;
    const QChar op = operatorOfKey(c);
    const bool isOperator = !op.isNull();
    if (c == kCtrlA || c == kCtrlC || c == kCtrlV || c == kCtrlX || c == kCtrlZ) {
        // Reaches the row: the row selects, copies, pastes, cuts or undoes as any text box.
    } else if (c == kBackspace) {
        return;
    } else if (c == kEnter) {
        keyAscii = 0;
        if (row < LastRow) {
            m_view.focusRow(row + 1);
        }
    } else if (isOperator) {
        fmNo();
        if (row < LastRow) {
            operatorToNextRow(row, op);
        } else {
            // Announces the operator of the line below, stored by the steps that follow.
            m_view.setOpCaption(row, QString(op));
        }
        keyAscii = 0;
    } else if (c == 'H' || c == 'I') {
        return;
    } else if (c >= '0' && c <= '9') {
        // Reaches the row.
    } else if ((c == m_settings.groupSymbol.unicode() || c == m_settings.decimalSymbol.unicode()) &&
               isTypedTextAllowed(textWithTyped(row, QChar(static_cast<char16_t>(c))),
                                  m_settings)) {
        // Reaches the row: not a second decimal symbol, nor a group symbol after it.
    } else {
        keyAscii = 0;
    }

    const bool moves = c == kEnter || isOperator;
    if (moves) {
        m_view.changeCommitted(CalculatorView::Committed::Total);  // told once the steps are done
    }
    if (!isOperator || row < LastRow) {
        const int line = lineOf(row);
        if (line >= 0) {
            tape.TapeOps[line] = opOfCaption(row);
        }
    }
    if (isOperator && row == LastRow && viewOffset() < viewOffsetMax()) {
        const int below = lineOf(row + 1);
        if (below >= 0) {
            tape.TapeOps[below] = opOfCaption(row);
        }
    }
    showTextColour(row);
    if (!moves || row != LastRow) {
        return;
    }
    if (viewOffset() == viewOffsetMax()) {
        if (!appendLine(opOfCaption(row))) {
            // Tape full: no line below to announce, so the button shows its own line again.
            const int line = lineOf(row);
            if (line >= 0) {
                showOp(row, tape.TapeOps[line]);
            }
        }
    } else if (viewOffset() < viewOffsetMax()) {
        m_view.setScrollValue(viewOffset() + 1);
    }
}

void Calculator::rowKeyUp(int row, int keyCode) {
    if (!isRow(row)) {
        return;
    }
    CaretPos = static_cast<std::int16_t>(m_view.rowCaret(row));
    if (keyCode <= 0) {
        return;
    }
    if (m_view.rowText(row).isEmpty()) {
        storeZero(lineOf(row));
    } else {
        storeRowText(row);
    }
    MailCalc();
}

QString Calculator::textWithTyped(int row, QChar c) const {
    QString text = m_view.rowText(row);
    const int start = std::clamp(m_view.rowSelectionStart(row), 0, int(text.size()));
    const int length = std::clamp(m_view.rowSelectionLength(row), 0, int(text.size()) - start);
    return text.replace(start, length, c);
}

void Calculator::rowPasted(int row, const QString& before) {
    const int line = lineOf(row);
    if (line < 0) {
        return;
    }
    Decimal value;
    if (readPasted(m_view.rowText(row), m_settings, value) == ReadStatus::Ok) {
        tape.TapeNumbers[line] = value;
        m_view.setRowText(row, plainText(value, m_settings));
    } else {
        m_view.setRowText(row, before);
    }
    showTextColour(row);
    MailCalc();
}

}  // namespace tallimer
