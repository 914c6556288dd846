// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Copy Numbers..." and "Paste Numbers...": the system clipboard's plain text handed to and
// from the calculator, and the message when a paste does not fit the tape or holds lines that
// are no number.
#include <algorithm>
#include <climits>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include "window/rolling_caculator.h"

namespace tallimer {

namespace {

QString lostLinesText(qsizetype lost) {
    const int count = static_cast<int>(std::min<qsizetype>(lost, INT_MAX));
    return QCoreApplication::translate("tallimer::Rolling_Caculator",
                                       "%n line(s) of the clipboard were not pasted.", nullptr,
                                       count);
}

QString unreadLinesText(qsizetype unread) {
    const int count = static_cast<int>(std::min<qsizetype>(unread, INT_MAX));
    return QCoreApplication::translate("tallimer::Rolling_Caculator",
                                       "%n lines were not numbers and count as 0.", nullptr, count);
}

}  // namespace

void Rolling_Caculator::setMessageFunction(MessageFunction show) {
    m_message = std::move(show);
}

void Rolling_Caculator::message(const QString& text) {
    if (m_message) {
        m_message(text);
    } else {
        showMessageBox(this, text);
    }
}

void Rolling_Caculator::C_m_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_calc.C_m());
}

void Rolling_Caculator::P_m_Click() {
    const Calculator::PasteOutcome outcome = m_calc.P_m(QGuiApplication::clipboard()->text());
    QStringList told;
    if (outcome.lostLines > 0) {
        told << lostLinesText(outcome.lostLines);
    }
    if (outcome.unreadLines > 0) {
        told << unreadLinesText(outcome.unreadLines);
    }
    if (!told.isEmpty()) {
        message(told.join(u'\n'));
    }
}

}  // namespace tallimer
