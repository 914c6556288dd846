// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include <QString>

#include "engine/calculator.h"
#include "engine/calculator_view.h"

namespace tallimer::bench {

// A screen that keeps what it is given, so the calculator's work is measured with the cost of
// handing texts over but without any painting.
class BenchView : public CalculatorView {
public:
    explicit BenchView(int poolSize)
        : m_text(poolSize), m_caption(poolSize), m_caret(poolSize, 0) {}

    Calculator* calculator = nullptr;
    int focused = 0;

    int rowPoolSize() const override { return static_cast<int>(m_text.size()); }
    QString rowText(int row) const override { return m_text[row]; }
    void setRowText(int row, const QString& text) override {
        m_text[row] = text;
        m_caret[row] = static_cast<int>(text.size());
    }
    int rowCaret(int row) const override { return m_caret[row]; }
    void setRowCaret(int row, int position) override {
        m_caret[row] = std::clamp(position, 0, static_cast<int>(m_text[row].size()));
    }
    int rowSelectionStart(int row) const override { return m_caret[row]; }
    int rowSelectionLength(int) const override { return 0; }
    void setRowBackground(int, std::uint32_t) override {}
    void setRowTextColour(int, std::uint32_t) override {}
    void focusRow(int row) override {
        focused = row;
        calculator->rowGotFocus(row);
    }
    bool isWindowVisible() const override { return true; }
    QString opCaption(int row) const override { return m_caption[row]; }
    void setOpCaption(int row, const QString& caption) override { m_caption[row] = caption; }
    void setOpColour(int, std::uint32_t) override {}
    QString totalText() const override { return m_total; }
    void setTotalText(const QString& text) override { m_total = text; }
    void setTotalBackground(std::uint32_t) override {}
    void setMemoryText(const QString&) override {}
    int scrollValue() const override { return m_value; }
    void setScrollValue(int value) override {
        m_value = std::max(std::min(value, m_valueMax), 0);
        calculator->ScrollNum_Change();
    }
    int scrollValueMax() const override { return m_valueMax; }
    void setScrollValueMax(int valueMax) override { m_valueMax = valueMax; }
    void setDecimalsChecked(int, bool) override {}
    void setFunctionChecked(int, bool) override {}

private:
    std::vector<QString> m_text;
    std::vector<QString> m_caption;
    std::vector<int> m_caret;
    QString m_total;
    int m_value = 0;
    int m_valueMax = 0;
};

}  // namespace tallimer::bench
