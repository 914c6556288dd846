// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
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

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// An object without a widget, seen only by assistive technologies: the status area (under
// the window) and the notification in it, named by the words last said.
class HiddenAccessible : public QAccessibleObject {
public:
    HiddenAccessible(QObject* object, QAccessible::Role role, const QString* name = nullptr)
        : QAccessibleObject(object), m_role(role), m_name(name) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int index) const override {
        const QObjectList& children = object()->children();
        return m_role == QAccessible::StatusBar && index == 0 && !children.isEmpty()
                   ? QAccessible::queryAccessibleInterface(children.first())
                   : nullptr;
    }
    int childCount() const override {
        return m_role == QAccessible::StatusBar ? static_cast<int>(object()->children().size()) : 0;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() != nullptr &&
                       child->object()->parent() == object()
                   ? 0
                   : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_name != nullptr ? *m_name : QString();
    }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override { return {}; }

private:
    QAccessible::Role m_role;
    const QString* m_name;
};
#endif

}  // namespace

Announcer::Announcer(QWidget& window, const QLineEdit& total, const QLabel& memory,
                     std::function<QString()> rowText, std::function<bool()> totalIsNumber)
    : QObject(&window),
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(parent(), words);
    QAccessible::updateAccessibility(&announcement);
#else
    m_said = words;
    if (m_note == nullptr) {
        // A child of this object: the window's own children stay as they were.
        auto* status = new QObject(this);
        QAccessible::registerAccessibleInterface(
            new HiddenAccessible(status, QAccessible::StatusBar));
        m_note = new QObject(status);
        QAccessible::registerAccessibleInterface(
            new HiddenAccessible(m_note, QAccessible::Notification, &m_said));
    }
    // A reader may keep a name it has read until told it changed.
    QAccessibleEvent renamed(m_note, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(m_note, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace tallimer
