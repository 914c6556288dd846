// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/announcer.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace tallimer {

namespace {

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
      m_notice(new ScreenReaderNotice(window)),
      m_total(total),
      m_memory(memory),
      m_rowText(std::move(rowText)),
      m_totalIsNumber(std::move(totalIsNumber)) {}

void Announcer::opened() {
    m_toldTotal.clear();
    committed(CalculatorView::Committed::Total);
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
