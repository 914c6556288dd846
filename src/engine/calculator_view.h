// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QString>

namespace tallimer {

// What the tape commands need of the screen, and nothing more. The main window implements it
// with its real controls; engine tests implement it with plain fields. Colours are 0x00BBGGRR.
// Rows and operator buttons are indexed 0..rowPoolSize()-1 (the whole pool, visible or not).
class CalculatorView {
public:
    virtual ~CalculatorView() = default;

    virtual int rowPoolSize() const = 0;

    // Entry rows (CalAmount).
    virtual QString rowText(int row) const = 0;
    virtual void setRowText(int row, const QString& text) = 0;
    virtual int rowCaret(int row) const = 0;
    virtual void setRowCaret(int row, int position) = 0;
    // The selection as it was when the row last had the focus; length 0 when none (start is
    // then the caret).
    virtual int rowSelectionStart(int row) const = 0;
    virtual int rowSelectionLength(int row) const = 0;
    virtual void setRowBackground(int row, std::uint32_t colour) = 0;
    virtual void setRowTextColour(int row, std::uint32_t colour) = 0;
    // Gives the row the focus. The view reports the arrival through Calculator::rowGotFocus,
    // before or after this call returns.
    virtual void focusRow(int row) = 0;
    virtual bool isWindowVisible() const = 0;

    // Operator buttons (Op).
    virtual QString opCaption(int row) const = 0;
    virtual void setOpCaption(int row, const QString& caption) = 0;
    virtual void setOpColour(int row, std::uint32_t renderColor) = 0;

    // Total box (TotalAmount) and memory display (M_Buff).
    virtual QString totalText() const = 0;
    virtual void setTotalText(const QString& text) = 0;
    virtual void setTotalBackground(std::uint32_t colour) = 0;
    virtual void setMemoryText(const QString& text) = 0;

    // Tape view scroll bar (ScrollNum). setScrollValue clamps to 0..ValueMax and runs
    // Calculator::ScrollNum_Change before it returns, as the real scroll bar's Change does.
    virtual int scrollValue() const = 0;
    virtual void setScrollValue(int value) = 0;
    virtual int scrollValueMax() const = 0;
    virtual void setScrollValueMax(int valueMax) = 0;

    // Check marks of the Decimals (dp1, index 0..6 or 25) and Total (CalcFuntions) menus.
    virtual void setDecimalsChecked(int index, bool checked) = 0;
    virtual void setFunctionChecked(int index, bool checked) = 0;

    // A change the user made is complete (a line left or committed, a button, a command), as
    // opposed to each digit typed. Called during the command: a view that tells the user what
    // it came to (the total, the memory, or the current row's value and the total) does so
    // once the command has returned.
    enum class Committed { Total, Memory, Row };
    virtual void changeCommitted(Committed what) { (void)what; }
};

}  // namespace tallimer
