// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "engine/total.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

bool isDecimalsItem(int index) {
    return (index >= 0 && index <= 6) || index == kVariablePlaces;
}

}  // namespace

void Calculator::dp1_Click(int index) {
    if (!isDecimalsItem(index)) {
        return;
    }
    m_view.setDecimalsChecked(DecPlaces, false);
    DecPlaces = static_cast<std::int16_t>(index);
    m_view.setDecimalsChecked(DecPlaces, true);
    ScrollNum_Change();
    m_view.changeCommitted(CalculatorView::Committed::Total);
}

void Calculator::CalcFuntions_Click(int index) {
    if (index < kTotalNumbers || index > kTotalMode) {
        return;
    }
    m_view.setFunctionChecked(TotalMode, false);
    TotalMode = static_cast<std::int16_t>(index);
    m_view.setFunctionChecked(TotalMode, true);
    MailCalc();
    m_view.changeCommitted(CalculatorView::Committed::Total);
}

void Calculator::MemoryRc_Click(int index) {
    if (index == 0) {
        memoryStore();
        m_view.changeCommitted(CalculatorView::Committed::Memory);
    } else if (index == 1) {
        memoryRecall();
        m_view.changeCommitted(CalculatorView::Committed::Row);
    }
}

void Calculator::MemoryRc_LostFocus(int) {
    m_view.setTotalBackground(kWhite);
}

void Calculator::memoryStore() {
    if (TotalFocused != 0) {
        m_view.setTotalBackground(kMemoryColour);
        // A total that shows no number leaves the memory as it was.
        if (m_totalValue) {
            MemoryValue = *m_totalValue;
        }
    } else {
        const int line = lineOf(CurrentRow);
        if (line >= 0) {
            MemoryValue = tape.TapeNumbers[line];
        }
        if (isRow(CurrentRow)) {
            m_view.setRowBackground(CurrentRow, kMemoryColour);
        }
    }
    m_view.setMemoryText(memoryText());
}

void Calculator::memoryRecall() {
    const int line = lineOf(CurrentRow);
    if (line < 0 || !isRow(CurrentRow)) {
        return;
    }
    tape.TapeNumbers[line] = MemoryValue;
    m_view.setRowText(CurrentRow, memoryText());
    showTextColour(CurrentRow);
    MailCalc();
}

QString Calculator::memoryText() const {
    if (MemoryValue.isEmpty()) {
        return QString();
    }
    Decimal value;
    if (DecPlaces == kVariablePlaces || MemoryValue.toDecimal(value) != DecStatus::Ok) {
        return MemoryValue.plainText(m_settings);
    }
    return formatNumber(value, DecPlaces, m_settings);
}

void Calculator::SortNm_Click() {
    std::int32_t last = -1;
    Selectionsort(tape.TapeNumbers, last);
    ScrollNum_Change();
    m_view.changeCommitted(CalculatorView::Committed::Total);
}

}  // namespace tallimer
