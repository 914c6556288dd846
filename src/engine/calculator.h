#pragma once

#include <cstdint>

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
    QChar GroupSymbol() const { return m_settings.groupSymbol; }
    QChar DecimalSymbol() const { return m_settings.decimalSymbol; }

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

private:
    CalculatorView& m_view;
    RegionalSettings m_settings;
};

}  // namespace tallimer
