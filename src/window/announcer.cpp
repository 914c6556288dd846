// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/announcer.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace tallimer {

namespace {

// The longest an opened file's total waits for the window to be active again.
constexpr int kWindowWait = 500;  // milliseconds

QString joined(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) {
        return first + second;
    }
    return first + QStringLiteral(", ") + second;
}

}  // namespace

Announcer::Announcer(QWidget& window, const QLineEdit& total, const QLabel& memory,
                     std::function<QString()> rowText, std::function<bool()> totalIsNumber)
    : QObject(&window),
      m_window(window),
      m_notice(new ScreenReaderNotice(window)),
      m_total(total),
      m_memory(memory),
      m_rowText(std::move(rowText)),
      m_totalIsNumber(std::move(totalIsNumber)) {}

void Announcer::opened() {
    m_toldTotal.clear();
    if (!QAccessible::isActive() || m_window.isActiveWindow()) {
        committed(CalculatorView::Committed::Total);
        return;
    }
    // A screen reader speaks the focus's return to the window as it comes, which would cut the
    // total short: it is told after, or after a while should the window stay inactive.
    if (!m_awaitingWindow) {
        m_awaitingWindow = true;
        m_window.installEventFilter(this);
        QTimer::singleShot(kWindowWait, this, &Announcer::openedTotal);
    }
}

void Announcer::openedTotal() {
    if (m_awaitingWindow) {
        m_awaitingWindow = false;
        m_window.removeEventFilter(this);
        committed(CalculatorView::Committed::Total);  // after the focus, told meanwhile
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::WindowActivate) {
        openedTotal();
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::committed(CalculatorView::Committed what) {
    if (!QAccessible::isActive()) {
        return;
    }
    m_row = m_row || what == CalculatorView::Committed::Row;
    m_memoryAsked = m_memoryAsked || what == CalculatorView::Committed::Memory;
    if (!m_pending) {
        m_pending = true;
        // After the command and what it set off, in one message.
        QTimer::singleShot(0, this, &Announcer::tell);
    }
}

void Announcer::tell() {
    m_pending = false;
    QString words;
    if (m_memoryAsked) {
        words = joined(m_memory.accessibleName(), m_memory.text());
    }
    if (m_row) {
        words = joined(words, m_rowText());
    }
    const QString total = m_total.text();
    if (total != m_toldTotal) {
        m_toldTotal = total;
        // "12" is said as "Total : 12"; "Mean : 6", "Overflow" and "Error" carry their words.
        const bool number = !total.isEmpty() && m_totalIsNumber();
        words = joined(words,
                       number ? m_total.accessibleName() + QStringLiteral(" : ") + total : total);
    }
    m_row = m_memoryAsked = false;
    if (!words.isEmpty()) {
        say(words);
    }
}

void Announcer::say(const QString& words) {
    m_notice->say(words);
}

}  // namespace tallimer
