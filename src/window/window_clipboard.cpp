// "Copy Numbers..." and "Paste Numbers...": the system clipboard's plain text handed to and
// from the calculator, and the message when a paste does not fit the tape.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

#include "window/rolling_caculator.h"

namespace tallimer {

namespace {

QString lostLinesText(qsizetype lost) {
    return lost == 1 ? QCoreApplication::translate("tallimer::Rolling_Caculator",
                                                   "1 line of the clipboard was not pasted.")
                     : QCoreApplication::translate("tallimer::Rolling_Caculator",
                                                   "%1 lines of the clipboard were not pasted.")
                           .arg(lost);
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
    const qsizetype lost = m_calc.P_m(QGuiApplication::clipboard()->text());
    if (lost > 0) {
        message(lostLinesText(lost));
    }
}

}  // namespace tallimer
