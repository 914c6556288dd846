// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/screen_reader_notice.h"

#include <QAccessible>
#include <QAccessibleObject>

namespace tallimer {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// An object without a widget, seen only by assistive technologies: the status area (under
// the owner) and the notification in it, named by the words last said.
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

ScreenReaderNotice::ScreenReaderNotice(QObject& owner) : QObject(&owner) {}

void ScreenReaderNotice::say(const QString& words) {
    if (!QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(parent(), words);
    QAccessible::updateAccessibility(&announcement);
#else
    m_said = words;
    if (m_note == nullptr) {
        // A child of this object: the owner's own children stay as they were.
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
