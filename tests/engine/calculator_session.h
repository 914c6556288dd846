// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>
#include <utility>

#include <QString>
#include <QStringView>

#include "engine/calculator.h"
#include "engine/line_value.h"
#include "engine/tape.h"
#include "fake_view.h"
#include "platform/decimal.h"
#include "platform/number_text.h"
#include "platform/regional.h"
#include "tape_values.h"

namespace tallimer::test {

constexpr int kUp = 38;
constexpr int kDown = 40;

// A calculator on a fake screen, started as the window starts it: load with the whole pool,
// a layout pass that shows rows 0..lastRow, the clear of the first activation, which leaves
// the focus on row 0.
struct Session {
    explicit Session(int lastRow = 12, const RegionalSettings& settings = enUS(), int poolSize = 74)
        : view(poolSize), calc(view, settings) {
        view.calculator = &calc;
        calc.load(poolSize - 1);
        calc.applyLayout(lastRow);
        calc.Clear_Total_Click();
    }

    // Keys as a person types them into the focused row: key down, key press, the character
    // entering the line edit unless discarded, key up in the row that has the focus then.
    // "\r" is Enter, "\b" Backspace.
    void type(QStringView keys) {
        for (QChar ch : keys) {
            const int row = view.focused;
            int code = keyCode(ch);
            const int upCode = code;
            calc.rowKeyDown(row, code);
            int ascii = ch.unicode();
            calc.rowKeyPress(row, ascii);
            if (ascii != 0) {
                edit(row, QChar(static_cast<char16_t>(ascii)));
            }
            calc.rowKeyUp(view.focused, upCode);
        }
    }

    // A key without a character (arrows); returns the key code left by the key-down handler.
    int press(int code) {
        const int row = view.focused;
        int keyCode = code;
        calc.rowKeyDown(row, keyCode);
        calc.rowKeyUp(view.focused, code);
        return keyCode;
    }

    void click(int button) { calc.CalC_Button_Click(button); }
    void clickAll(std::initializer_list<int> buttons) {
        for (int button : buttons) {
            click(button);
        }
    }

    // Puts `lines` values on the tape from line 0 (an empty string leaves a line blank),
    // each with its operator, and refreshes as the file command does.
    void setTape(std::initializer_list<std::pair<char16_t, const char*>> lines) {
        int i = 0;
        for (const auto& [op, text] : lines) {
            calc.tape.TapeOps[i] = QChar(op);
            calc.tape.TapeNumbers[i] = val(text);
            ++i;
        }
        calc.ScrollNum_Change();
        calc.MailCalc();
    }

    // A tape of `lines` lines laid out again, as after opening a long file.
    void lengthen(int lines) {
        calc.tape.resize(lines, u'+');
        calc.applyLayout(calc.LastRow);
    }

    QString text(int row) const { return view.row(row).text; }
    QString total() const { return view.total; }
    QChar op(int line) const { return calc.tape.TapeOps.at(static_cast<std::size_t>(line)); }
    QString value(int line) const {
        return calc.tape.TapeNumbers.at(static_cast<std::size_t>(line)).plainText(enUS());
    }

    FakeView view;
    Calculator calc;

private:
    static int keyCode(QChar ch) {
        if (ch == u'\r') {
            return 13;
        }
        if (ch == u'\b') {
            return 8;
        }
        if (ch.isDigit() || ch.isLetter()) {
            return ch.toUpper().unicode();
        }
        return 0xBA;  // a punctuation key: never an arrow code
    }

    // What the line edit does with a character that reached it.
    void edit(int row, QChar ch) {
        FakeView::Row& r = view.row(row);
        if (ch == u'\b') {
            if (r.selectionLength > 0) {
                r.text.remove(r.selectionStart, r.selectionLength);
                r.caret = r.selectionStart;
            } else if (r.caret > 0) {
                r.text.remove(r.caret - 1, 1);
                --r.caret;
            }
        } else if (ch.unicode() >= 32 && r.text.size() < 40) {
            if (r.selectionLength > 0) {
                r.text.remove(r.selectionStart, r.selectionLength);
                r.caret = r.selectionStart;
            }
            r.text.insert(r.caret, ch);
            ++r.caret;
        }
        r.selectionStart = r.caret;
        r.selectionLength = 0;
    }
};

}  // namespace tallimer::test
