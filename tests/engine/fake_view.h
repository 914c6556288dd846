// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include <QString>

#include "engine/calculator.h"
#include "engine/calculator_view.h"

namespace tallimer::test {

// A screen of plain fields. Like the real window it reports focus arrivals and scroll bar
// changes to the calculator before the call returns, and a text set by code puts the caret at
// its end, as a line edit does.
class FakeView : public CalculatorView {
public:
    struct Row {
        QString text;
        int caret = 0;
        int selectionStart = 0;
        int selectionLength = 0;
        std::uint32_t background = kWhite;
        std::uint32_t textColour = kBlackText;
        QString opCaption = QStringLiteral("+");
        std::uint32_t opColour = kSilver;
    };

    explicit FakeView(int poolSize) : rows(static_cast<std::size_t>(poolSize)) {}

    Calculator* calculator = nullptr;
    std::vector<Row> rows;
    int focused = -1;
    bool visible = true;
    QString total = QStringLiteral("Total...");
    std::uint32_t totalBackground = kWhite;
    QString memory;
    int value = 0;
    int valueMax = 100;
    int changes = 0;  // scroll bar Change events
    std::map<int, bool> decimalsChecked{{25, true}};
    std::map<int, bool> functionChecked{{0, true}};

    Row& row(int r) { return rows.at(static_cast<std::size_t>(r)); }
    const Row& row(int r) const { return rows.at(static_cast<std::size_t>(r)); }

    // The user selects text in a row with the mouse.
    void select(int r, int start, int length) {
        row(r).selectionStart = start;
        row(r).selectionLength = length;
        row(r).caret = start + length;
    }
    void placeCaret(int r, int position) { setRowCaret(r, position); }

    int rowPoolSize() const override { return static_cast<int>(rows.size()); }
    QString rowText(int r) const override { return row(r).text; }
    void setRowText(int r, const QString& text) override {
        row(r).text = text;
        setRowCaret(r, static_cast<int>(text.size()));
    }
    int rowCaret(int r) const override { return row(r).caret; }
    void setRowCaret(int r, int position) override {
        Row& target = row(r);
        target.caret = std::clamp(position, 0, static_cast<int>(target.text.size()));
        target.selectionStart = target.caret;
        target.selectionLength = 0;
    }
    int rowSelectionStart(int r) const override { return row(r).selectionStart; }
    int rowSelectionLength(int r) const override { return row(r).selectionLength; }
    void setRowBackground(int r, std::uint32_t colour) override { row(r).background = colour; }
    void setRowTextColour(int r, std::uint32_t colour) override { row(r).textColour = colour; }
    void focusRow(int r) override {
        focused = r;
        if (calculator != nullptr) {
            calculator->rowGotFocus(r);
        }
    }
    bool isWindowVisible() const override { return visible; }

    QString opCaption(int r) const override { return row(r).opCaption; }
    void setOpCaption(int r, const QString& caption) override { row(r).opCaption = caption; }
    void setOpColour(int r, std::uint32_t colour) override { row(r).opColour = colour; }

    QString totalText() const override { return total; }
    void setTotalText(const QString& text) override { total = text; }
    void setTotalBackground(std::uint32_t colour) override { totalBackground = colour; }
    void setMemoryText(const QString& text) override { memory = text; }

    int scrollValue() const override { return value; }
    void setScrollValue(int newValue) override {
        value = std::max(std::min(newValue, valueMax), 0);
        ++changes;
        if (calculator != nullptr) {
            calculator->ScrollNum_Change();
        }
    }
    int scrollValueMax() const override { return valueMax; }
    void setScrollValueMax(int newMax) override { valueMax = newMax; }

    void setDecimalsChecked(int index, bool checked) override { decimalsChecked[index] = checked; }
    void setFunctionChecked(int index, bool checked) override { functionChecked[index] = checked; }
};

}  // namespace tallimer::test
