// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include <QChar>
#include <QString>

#include "engine/line_value.h"
#include "engine/tape.h"
#include "platform/regional.h"

namespace tallimer {

class CalculatorView;

// Colours the commands paint with (0x00BBGGRR).
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kFocusedRowColour = 0x00F9F9F9;
constexpr std::uint32_t kMemoryColour = 0x00C0E0FF;
constexpr std::uint32_t kBlackText = 0x00000000;
constexpr std::uint32_t kRedText = 0x000000FF;
constexpr std::uint32_t kSilver = 0x00C0C0C0;
constexpr std::uint32_t kRedOp = 0x000000FF;
constexpr std::uint32_t kGreenOp = 0x0000FF00;
constexpr std::uint32_t kBlueOp = 0x00FF0000;

// The RenderColor of an Op button showing `op`; false for a caption outside the table.
bool operatorColour(QChar op, std::uint32_t& colour);

// The window state the tape commands share, and the commands themselves: the main window's
// event handlers for typing, the keypad, the operator buttons, memory, decimals, the total
// functions, sorting, the view refresh and the clear command. The screen is reached only
// through CalculatorView.
class Calculator {
public:
    Calculator(CalculatorView& view, const RegionalSettings& settings);

    // State (names as the window's own).
    Tape tape;
    std::int16_t DecPlaces = 25;
    std::int16_t TotalMode = 0;
    std::int16_t LastRow = 0;
    std::int16_t CurrentRow = 0;
    std::int16_t CaretPos = 0;
    std::int16_t TotalFocused = 0;
    LineValue MemoryValue;
    const RegionalSettings& settings() const { return m_settings; }
    // The total box shows the running total as a number alone, without a label.
    bool totalIsNumber() const { return TotalMode == 0 && m_totalValue.has_value(); }

    // Load: the tape gets lastRow + 1 lines and is cleared.
    void load(int lastRow);
    // The tape side of the layout pass, after the window has counted its rows: lengthen the
    // tape to the visible rows, set the scroll range, keep the view offset in range, refresh.
    void applyLayout(int lastRow);

    void MailCalc();
    void fmNo();
    void ScrollNum_Change();
    void Clear_Total_Click();

    // Entry rows, keyboard and mouse. Key codes as the window maps them: Up 38, Down 40,
    // PageUp 33, PageDown 34, Enter 13, Backspace 8. A handler sets keyCode or keyAscii to 0
    // to swallow the key or discard the character.
    void rowGotFocus(int row);
    void rowMouseDown(int row);
    void rowKeyDown(int row, int& keyCode);
    void rowKeyPress(int row, int& keyAscii);  // the character's UTF-16 code
    void rowKeyUp(int row, int keyCode);
    // The row has pasted into its text, which was `before`: the text is read as pasted and the
    // row shows that number, or, when it is none, the text before.
    void rowPasted(int row, const QString& before);
    void totalGotFocus();

    // Keypad (CalC_Button 0..17) and operator buttons (Op).
    void CalC_Button_Click(int index);
    void Op_Click(int row);

    // Menus and memory.
    void dp1_Click(int index);
    void CalcFuntions_Click(int index);
    void MemoryRc_Click(int index);
    void MemoryRc_LostFocus(int index);
    void SortNm_Click();

    // Clipboard: the text "Copy Numbers..." puts there, and "Paste Numbers..." of a clipboard
    // text, which answers how many of its lines did not go on the tape and how many were no
    // number.
    struct PasteOutcome {
        qsizetype lostLines = 0;
        qsizetype unreadLines = 0;
    };
    QString C_m() const;
    PasteOutcome P_m(QStringView text);

private:
    int viewOffset() const;
    int viewOffsetMax() const;
    // The tape line shown in `row`, or -1 when the row shows no line.
    int lineOf(int row) const;
    bool isRow(int row) const;
    // The row's text read as typed into its line. False, and the line untouched, when the
    // text is empty or is no number.
    bool storeRowText(int row);
    void storeZero(int line);
    // The row's text with `c` typed over its selection.
    QString textWithTyped(int row, QChar c) const;
    void showOp(int row, QChar op);
    // An operator typed or clicked in `row` above the last visible one: row + 1 shows it, its
    // line takes it (and the total follows when that line holds a value), the focus moves
    // there.
    void operatorToNextRow(int row, QChar op);
    void showTextColour(int row);
    QChar opOfCaption(int row) const;
    // Appends one line with operator `op` at the end of the tape and scrolls to it. False,
    // with nothing changed, when the tape already holds every line it can.
    bool appendLine(QChar op);
    QString memoryText() const;

    void digitSteps(QChar caption);
    void operatorSteps(QChar op);
    void clearEntrySteps();
    void deleteSteps();
    void memoryStore();
    void memoryRecall();

    CalculatorView& m_view;
    RegionalSettings m_settings;
    // The number the total box shows, kept where its text is made: none while it shows a label
    // alone, "Overflow", "Error" or the window's first "Total...".
    std::optional<LineValue> m_totalValue;
};

}  // namespace tallimer
