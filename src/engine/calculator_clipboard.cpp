// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "engine/clipboard_text.h"

namespace tallimer {

QString Calculator::C_m() const {
    return copyText(tape, m_settings);
}

Calculator::PasteOutcome Calculator::P_m(QStringView text) {
    Clear_Total_Click();
    PastedTape pasted = pasteTape(text, m_settings, LastRow, tape.size());
    tape = std::move(pasted.tape);
    // The view stays at the top; only its range follows the new length.
    m_view.setScrollValueMax(pasted.valueMax);
    ScrollNum_Change();
    MailCalc();
    m_view.changeCommitted(CalculatorView::Committed::Total);
    return {pasted.lostLines, pasted.unreadLines};
}

}  // namespace tallimer
