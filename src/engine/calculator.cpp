// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/calculator.h"

#include <algorithm>

#include "engine/calculator_view.h"
#include "engine/total.h"
#include "platform/number_reader.h"
#include "platform/number_text.h"

namespace tallimer {

bool operatorColour(QChar op, std::uint32_t& colour) {
    if (op == u'-') {
        colour = kRedOp;
    } else if (op == u'x') {
        colour = kGreenOp;
    } else if (op == u'/') {
        colour = kBlueOp;
    } else if (op == u'+') {
        colour = kSilver;
    } else {
        return false;
    }
    return true;
}

Calculator::Calculator(CalculatorView& view, const RegionalSettings& settings)
    : m_view(view), m_settings(settings) {}

int Calculator::viewOffset() const {
    return m_view.scrollValue();
}

int Calculator::viewOffsetMax() const {
    return m_view.scrollValueMax();
}

bool Calculator::isRow(int row) const {
    return row >= 0 && row < m_view.rowPoolSize();
}

int Calculator::lineOf(int row) const {
    const int line = viewOffset() + row;
    return row >= 0 && line >= 0 && line < tape.size() ? line : -1;
}

void Calculator::load(int lastRow) {
    DecPlaces = kVariablePlaces;
    // An empty pool still keeps row 0 (std::clamp with its upper bound below 0 is undefined).
    const int poolLast = std::max(0, m_view.rowPoolSize() - 1);
    LastRow = static_cast<std::int16_t>(std::clamp(lastRow, 0, poolLast));
    tape.resize(LastRow + 1);
    Clear_Total_Click();
}

void Calculator::applyLayout(int lastRow) {
    const int poolLast = std::max(0, m_view.rowPoolSize() - 1);
    LastRow =
        static_cast<std::int16_t>(std::clamp(lastRow, 0, std::min(poolLast, kMaxTapeLines - 1)));
    if (CurrentRow > LastRow) {
        CurrentRow = LastRow;
    }
    if (tape.lastIndex() < LastRow) {
        tape.resize(LastRow + 1, u'+');
    }
    const int valueMax = tape.lastIndex() - LastRow;
    m_view.setScrollValueMax(valueMax);
    // A taller window lowers the range; every visible row must still show a line.
    if (viewOffset() > valueMax) {
        m_view.setScrollValue(valueMax);
    }
    ScrollNum_Change();
}

void Calculator::MailCalc() {
    if (std::optional<TotalText> total = totalOf(tape, TotalMode, DecPlaces, m_settings)) {
        m_totalValue.reset();
        if (total->value) {
            m_totalValue = LineValue(*total->value);
        }
        m_view.setTotalText(total->text);
    }
}

void Calculator::fmNo() {
    if (!isRow(CurrentRow) || m_view.rowText(CurrentRow).isEmpty()) {
        return;
    }
    const int line = lineOf(CurrentRow);
    const QString text =
        line < 0 ? QString() : rowText(tape.TapeNumbers[line], DecPlaces, m_settings);
    m_view.setRowText(CurrentRow, text);
}

void Calculator::ScrollNum_Change() {
    const int last = std::min<int>(LastRow, m_view.rowPoolSize() - 1);
    for (int row = 0; row <= last; ++row) {
        m_view.setOpColour(row, kSilver);
        const int line = lineOf(row);
        if (line < 0) {
            m_view.setRowText(row, QString());
            m_view.setOpCaption(row, QString());
        } else {
            m_view.setRowText(row, rowText(tape.TapeNumbers[line], DecPlaces, m_settings));
            showOp(row, tape.TapeOps[line]);
        }
        showTextColour(row);
    }
}

void Calculator::Clear_Total_Click() {
    m_view.setScrollValue(0);
    m_view.setScrollValueMax(0);
    std::fill(tape.TapeOps.begin(), tape.TapeOps.end(), QChar(u'+'));
    std::fill(tape.TapeNumbers.begin(), tape.TapeNumbers.end(), LineValue::integer(0));
    const QString plus(u'+');
    for (int row = 0; row < m_view.rowPoolSize(); ++row) {
        m_view.setOpCaption(row, plus);
        m_view.setOpColour(row, kSilver);
        m_view.setRowText(row, QString());
    }
    m_view.setTotalText(QString());
    m_totalValue = LineValue::integer(0);  // M+ of the cleared box stores 0
    if (m_view.isWindowVisible()) {
        m_view.focusRow(0);
    }
}

bool Calculator::storeRowText(int row) {
    const int line = lineOf(row);
    if (line < 0) {
        return false;
    }
    const QString text = m_view.rowText(row);
    Decimal value;
    if (text.isEmpty() || readTyped(text, m_settings, value) != ReadStatus::Ok) {
        return false;
    }
    tape.TapeNumbers[line] = value;
    return true;
}

void Calculator::storeZero(int line) {
    if (line >= 0 && line < tape.size()) {
        tape.TapeNumbers[line] = Decimal();
    }
}

void Calculator::showOp(int row, QChar op) {
    m_view.setOpCaption(row, op.isNull() ? QString() : QString(op));
    std::uint32_t colour = kSilver;
    if (operatorColour(op, colour)) {
        m_view.setOpColour(row, colour);
    }
}

void Calculator::operatorToNextRow(int row, QChar op) {
    showOp(row + 1, op);
    const int below = lineOf(row + 1);
    if (below >= 0) {
        tape.TapeOps[below] = op;
        // The operator counts at once, not only after the next key in that row.
        if (!tape.TapeNumbers[below].isBlank()) {
            MailCalc();
        }
    }
    m_view.focusRow(row + 1);
}

void Calculator::showTextColour(int row) {
    m_view.setRowTextColour(row, m_view.rowText(row).contains(u'(') ? kRedText : kBlackText);
}

QChar Calculator::opOfCaption(int row) const {
    const QString caption = m_view.opCaption(row);
    return caption.isEmpty() ? QChar() : caption.at(0);
}

bool Calculator::appendLine(QChar op) {
    const int n = viewOffsetMax() + 1;
    // Line indices are 16-bit: the new last line n + LastRow must still be one.
    if (n < 1 || n + LastRow >= kMaxTapeLines) {
        return false;
    }
    m_view.setScrollValueMax(n);
    tape.resize(n + LastRow + 1);
    tape.TapeOps[n + LastRow] = op;
    m_view.setScrollValue(n);
    return true;
}

}  // namespace tallimer
