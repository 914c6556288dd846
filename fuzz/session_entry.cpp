// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include <algorithm>

#include "engine/calculator.h"
#include "engine/tape.h"
#include "fake_view.h"
#include "fuzz_entries.h"
#include "fuzz_input.h"
#include "platform/number_text.h"

// A whole session on a screen of plain fields: the input is a list of events (keys, keypad and
// operator buttons, menus, memory, layout passes, long tapes) and after each one the tape and
// the view must still fit together.
namespace tallimer::fuzz {

namespace {

using test::FakeView;

// Each event costs 1 and a unit per 256 tape lines (MailCalc walks the whole tape), so an
// input with a long tape stays as quick to run as one with many events on a short tape.
constexpr int kBudget = 400;

// Key codes and characters worth trying, besides any byte.
constexpr int kKeyCodes[] = {38, 40, 33, 34, 13, 8, 48, 53, 255};
constexpr char16_t kCharacters[] = {u'0', u'1', u'5',  u'9',   u'.',  u',',  u'*', u'+',
                                    u'-', u'/', 13,    8,      3,     22,    u'H', u'I',
                                    u'(', u'E', u'\'', 0x202F, u'\t', u'\n', u'D'};

void checkInvariants(const Calculator& calc, const FakeView& view) {
    const Tape& tape = calc.tape;
    const int lines = static_cast<int>(tape.TapeNumbers.size());
    FUZZ_ASSERT(tape.TapeOps.size() == tape.TapeNumbers.size());
    FUZZ_ASSERT(calc.LastRow >= 0 && calc.LastRow < view.rowPoolSize());
    FUZZ_ASSERT(lines >= view.valueMax + calc.LastRow + 1);
    FUZZ_ASSERT(lines <= kMaxTapeLines);
    FUZZ_ASSERT(view.value >= 0 && view.value <= view.valueMax);
    for (int row = 0; row <= calc.LastRow; ++row) {
        FUZZ_ASSERT(view.value + row < lines);
    }
}

// What the row's line edit does with a character that reached it (at most 40 characters).
void edit(FakeView::Row& row, int character) {
    if (row.selectionLength > 0 && (character == 8 || character >= 32)) {
        row.text.remove(row.selectionStart, row.selectionLength);
        row.caret = row.selectionStart;
    } else if (character == 8 && row.caret > 0) {
        row.text.remove(--row.caret, 1);
    }
    if (character >= 32 && row.text.size() < 40) {
        row.text.insert(row.caret++, QChar(static_cast<char16_t>(character)));
    }
    row.selectionStart = row.caret;
    row.selectionLength = 0;
}

int keyCode(Input& input) {
    const int pick = input.upTo(std::size(kKeyCodes) + 1);
    return pick < int(std::size(kKeyCodes)) ? kKeyCodes[pick] : input.byte();
}

int character(Input& input) {
    const int pick = input.upTo(std::size(kCharacters) + 1);
    return pick < int(std::size(kCharacters)) ? kCharacters[pick] : input.byte();
}

class Session {
public:
    Session(Input& input, int poolSize)
        : m_input(input), m_view(poolSize), m_calc(m_view, settingsFor(input.byte())) {
        m_view.calculator = &m_calc;
        m_calc.load(poolSize - 1);
        m_calc.applyLayout(input.upTo(poolSize));
        m_calc.Clear_Total_Click();
    }

    void run() {
        for (int spent = 0; spent < kBudget && !m_input.empty();) {
            step();
            checkInvariants(m_calc, m_view);
            spent += 1 + m_calc.tape.size() / 256;
        }
    }

private:
    int visibleRow() { return m_input.upTo(m_calc.LastRow + 1); }
    int focusedRow() { return m_view.focused >= 0 ? m_view.focused : visibleRow(); }

    void press(int row, int character) {
        int ascii = character;
        m_calc.rowKeyPress(row, ascii);
        if (ascii != 0) {
            edit(m_view.row(row), ascii);
        }
    }

    // A whole key in the focused row, the key up going to the row that has the focus then.
    void typeKey() {
        const int row = focusedRow();
        const int ch = character(m_input);
        int code = ch == 13 || ch == 8 ? ch : 0xBA;
        m_calc.rowKeyDown(row, code);
        if (code != 0) {
            press(row, ch);
        }
        m_calc.rowKeyUp(focusedRow(), ch == 13 || ch == 8 ? ch : 0xBA);
    }

    // Replaces the tape as opening a file does: mostly short, now and then up to the limit
    // (long tapes make every later event slow), with a few values.
    void openTape() {
        Tape tape;
        const bool full = m_input.upTo(8) == 0;
        tape.resize(1 + (full ? m_input.upTo16(kMaxTapeLines) : m_input.upTo(256)), u'+');
        for (int i = m_input.upTo(16); i > 0; --i) {
            const auto line = static_cast<std::size_t>(m_input.upTo16(tape.size()));
            tape.TapeNumbers[line] = Decimal::fromInt(m_input.byte() - 128);
            tape.TapeOps[line] = QChar(kCharacters[m_input.upTo(std::size(kCharacters))]);
        }
        m_calc.tape = std::move(tape);
        m_calc.applyLayout(m_calc.LastRow);
        m_calc.MailCalc();
    }

    // Paste of a clipboard text made of the next bytes, or of the tape's own copy.
    void paste() {
        const int length = m_input.upTo(64);
        if (length == 0) {
            m_calc.P_m(m_calc.C_m());
            return;
        }
        QString text;
        for (int i = 0; i < length; ++i) {
            text += QChar(kCharacters[m_input.upTo(std::size(kCharacters))]);
        }
        if (m_input.upTo(2) == 0) {
            text += QStringLiteral("\r\nDE");
        }
        m_calc.P_m(text);
    }

    void step() {
        switch (m_input.upTo(21)) {
            case 0:
            case 1:
            case 2:
                typeKey();
                break;
            case 3: {
                int code = keyCode(m_input);
                m_calc.rowKeyDown(focusedRow(), code);
                break;
            }
            case 4:
                press(focusedRow(), character(m_input));
                break;
            case 5:
                m_calc.rowKeyUp(focusedRow(), keyCode(m_input));
                break;
            case 6:
            case 7:
                m_calc.CalC_Button_Click(m_input.upTo(19));
                break;
            case 8:
                m_calc.Op_Click(visibleRow());
                break;
            case 9: {
                const int index = m_input.upTo(9);
                m_calc.dp1_Click(index == 7 ? kVariablePlaces : index == 8 ? 7 : index);
                break;
            }
            case 10:
                m_calc.CalcFuntions_Click(m_input.upTo(5));
                break;
            case 11:
                m_calc.MemoryRc_Click(m_input.upTo(3));
                m_calc.MemoryRc_LostFocus(0);
                break;
            case 12:
                m_calc.SortNm_Click();
                break;
            case 13:
                m_calc.Clear_Total_Click();
                break;
            case 14:
                // The layout pass of a window of any height.
                m_calc.applyLayout(m_input.upTo(m_view.rowPoolSize() + 2));
                break;
            case 15:
                openTape();
                break;
            case 16:
                m_view.focusRow(visibleRow());
                break;
            case 17: {
                const int row = visibleRow();
                const int length = static_cast<int>(m_view.row(row).text.size());
                const int start = m_input.upTo(length + 1);
                m_view.select(row, start, m_input.upTo(length - start + 1));
                m_calc.rowMouseDown(row);
                break;
            }
            case 18:
                m_calc.totalGotFocus();
                break;
            case 19:
                paste();
                break;
            default:
                // The scroll bar dragged to any place, in range or not.
                m_view.setScrollValue(m_input.upTo16(kMaxTapeLines + 2) - 1);
                break;
        }
    }

    Input& m_input;
    FakeView m_view;
    Calculator m_calc;
};

}  // namespace

int sessionEntry(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    // A pool as a small or a large screen gives it (74 rows at 1920 x 1080).
    Session session(input, 1 + input.upTo(80));
    session.run();
    return 0;
}

}  // namespace tallimer::fuzz
