// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include <QString>

#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "platform/number_reader.h"

namespace tallimer {

namespace {

constexpr int kDecimalButton = 10;
constexpr int kClearAllButton = 11;
constexpr int kFirstOperatorButton = 12;
constexpr int kClearEntryButton = 16;
constexpr int kDeleteButton = 17;

constexpr char16_t kKeypadOperators[] = {u'+', u'-', u'x', u'/'};

}  // namespace

void Calculator::CalC_Button_Click(int index) {
    if (!isRow(CurrentRow)) {
        return;
    }
    m_view.changeCommitted(CalculatorView::Committed::Total);  // told once the steps are done
    if (index >= 0 && index <= 9) {
        digitSteps(QChar(u'0' + index));
    } else if (index == kDecimalButton) {
        digitSteps(m_settings.decimalSymbol);
    } else if (index == kClearAllButton) {
        Clear_Total_Click();
    } else if (index >= kFirstOperatorButton && index < kFirstOperatorButton + 4) {
        operatorSteps(QChar(kKeypadOperators[index - kFirstOperatorButton]));
    } else if (index == kClearEntryButton) {
        clearEntrySteps();
    } else if (index == kDeleteButton) {
        deleteSteps();
        return;
    } else {
        return;
    }
    // Every button but "DEL" ends by reading the current row back into its line.
    storeRowText(CurrentRow);
}

void Calculator::digitSteps(QChar caption) {
    const int row = CurrentRow;
    const QString text = textWithTyped(row, caption);
    if (!isTypedTextAllowed(text, m_settings)) {
        // A second decimal symbol does nothing; the row takes the focus back as it was.
        const int caret = CaretPos;
        m_view.focusRow(row);
        m_view.setRowCaret(row, caret);
        return;
    }
    m_view.setRowText(row, text);
    if (text.isEmpty()) {
        storeZero(lineOf(row));
    } else {
        storeRowText(row);
    }
    MailCalc();
    const int caret = CaretPos + 1;
    CaretPos = static_cast<std::int16_t>(caret);
    m_view.focusRow(row);
    m_view.setRowCaret(row, caret);
    // The focus arrival may have read the caret before it was placed.
    CaretPos = static_cast<std::int16_t>(m_view.rowCaret(row));
}

void Calculator::operatorSteps(QChar op) {
    const int row = CurrentRow;
    if (row < LastRow) {
        fmNo();
        CurrentRow = static_cast<std::int16_t>(row + 1);
        operatorToNextRow(row, op);
        m_view.setRowCaret(row + 1, int(m_view.rowText(row + 1).size()));
        CaretPos = static_cast<std::int16_t>(m_view.rowCaret(row + 1));
        return;
    }
    if (row != LastRow) {
        return;
    }
    if (viewOffset() == viewOffsetMax()) {
        appendLine(op);
    } else {
        const int below = lineOf(row + 1);
        if (below >= 0) {
            tape.TapeOps[below] = op;
        }
        m_view.setScrollValue(viewOffset() + 1);
        if (below >= 0 && !tape.TapeNumbers[below].isBlank()) {
            MailCalc();
        }
    }
    m_view.focusRow(row);
}

void Calculator::clearEntrySteps() {
    const int row = CurrentRow;
    m_view.setRowText(row, QString());
    storeZero(lineOf(row));
    MailCalc();
    m_view.focusRow(row);
}

void Calculator::deleteSteps() {
    const int row = CurrentRow;
    QString text = m_view.rowText(row);
    int caret = 0;
    if (text.isEmpty()) {
        storeZero(lineOf(row));
    } else {
        caret = std::clamp(m_view.rowCaret(row), 0, int(text.size()));
        if (caret > 0) {
            text.remove(caret - 1, 1);
        }
        const int line = lineOf(row);
        Decimal value;
        if (text.isEmpty()) {
            storeZero(line);
        } else if (line >= 0 && readTyped(text, m_settings, value) == ReadStatus::Ok) {
            tape.TapeNumbers[line] = value;
        }
    }
    MailCalc();
    m_view.setRowText(row, text);
    m_view.focusRow(row);
    m_view.setRowCaret(row, caret);
    CaretPos = static_cast<std::int16_t>(m_view.rowCaret(row));
}

void Calculator::Op_Click(int row) {
    if (!isRow(row)) {
        return;
    }
    ScrollNum_Change();
    const int line = lineOf(row);
    if (line < 0) {
        return;
    }
    m_view.changeCommitted(CalculatorView::Committed::Total);
    QChar& op = tape.TapeOps[line];
    if (op == u'+') {
        op = u'-';
    } else if (op == u'-') {
        op = u'x';
    } else if (op == u'x') {
        // The first line only divides the starting 0, so division is skipped there.
        op = line == 0 ? u'+' : u'/';
    } else if (op == u'/') {
        op = u'+';
    }
    showOp(row, op);
    MailCalc();
}

}  // namespace tallimer
