// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/drive_control_accessible.h"

#include <QCoreApplication>

#include <QWidget>
#include <algorithm>

#include "controls/drive_control.h"

namespace tallimer {

namespace {

QString kindOf(const DriveEntry& entry) {
    switch (entry.type) {
        case kEntryFolder:
            return entry.name == QStringLiteral("..")
                       ? QCoreApplication::translate("DriveControl", "parent folder")
                       : QCoreApplication::translate("DriveControl", "folder");
        case kEntryFile:
            return QCoreApplication::translate("DriveControl", "file");
        case kEntryReadOnlyFile:
            return QCoreApplication::translate("DriveControl", "read-only file");
        case kEntryHome:
            return QCoreApplication::translate("DriveControl", "home folder");
        default:
            return QCoreApplication::translate("DriveControl", "drive");
    }
}

}  // namespace

DriveControlAccessible::DriveControlAccessible(DriveControl* control)
    : QAccessibleWidget(control, QAccessible::List) {}

DriveControlAccessible::~DriveControlAccessible() {
    for (const auto& [entry, id] : m_items) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

DriveControl* DriveControlAccessible::control() const {
    return static_cast<DriveControl*>(widget());
}

int DriveControlAccessible::childCount() const {
    return static_cast<int>(control()->Entries().size()) - 1;
}

QAccessibleInterface* DriveControlAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    const int entry = index + 1;
    auto found = m_items.find(entry);
    if (found == m_items.end()) {
        auto* item = new DriveEntryAccessible(control(), entry);
        found = m_items.emplace(entry, QAccessible::registerAccessibleInterface(item)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int DriveControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->role() != QAccessible::ListItem ||
        child->parent() != static_cast<const QAccessibleInterface*>(this)) {
        return -1;
    }
    const int entry = static_cast<const DriveEntryAccessible*>(child)->entry();
    return entry <= childCount() ? entry - 1 : -1;
}

QAccessibleInterface* DriveControlAccessible::childAt(int x, int y) const {
    const QPoint local = control()->mapFromGlobal(QPoint(x, y));
    for (int entry = 1; entry <= childCount(); ++entry) {
        if (control()->entryRect(entry).contains(local)) {
            return child(entry - 1);
        }
    }
    return nullptr;
}

QAccessibleInterface* DriveControlAccessible::focusChild() const {
    const int current = currentEntry();
    if (control()->hasFocus() && current >= 1 && current <= childCount()) {
        return child(current - 1);
    }
    return nullptr;
}

int DriveControlAccessible::currentEntry() const {
    return control()->currentEntry();
}

DriveEntryAccessible::DriveEntryAccessible(DriveControl* control, int entry)
    : m_control(control), m_entry(entry) {}

bool DriveEntryAccessible::isValid() const {
    return !m_control.isNull() && m_entry < static_cast<int>(m_control->Entries().size());
}

QWindow* DriveEntryAccessible::window() const {
    return m_control.isNull() ? nullptr : m_control->window()->windowHandle();
}

QAccessibleInterface* DriveEntryAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_control.data());
}

QString DriveEntryAccessible::text(QAccessible::Text t) const {
    if (!isValid()) {
        return {};
    }
    const auto at = static_cast<std::size_t>(m_entry);
    switch (t) {
        case QAccessible::Name:
            return m_control->Entries()[at].name;
        case QAccessible::Description:
            return kindOf(m_control->Entries()[at]);
        default:
            return {};
    }
}

QRect DriveEntryAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect local = m_control->entryRect(m_entry);
    return local.isEmpty() ? QRect() : QRect(m_control->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State DriveEntryAccessible::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.focusable = true;
    s.selected = m_control->SelectedEntry() == m_entry;
    const auto* list = dynamic_cast<DriveControlAccessible*>(parent());
    s.focused = list != nullptr && list->currentEntry() == m_entry && m_control->hasFocus();
    s.offscreen = m_control->entryRect(m_entry).isEmpty();
    s.invisible = !m_control->isVisible();
    return s;
}

void* DriveEntryAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList DriveEntryAccessible::actionNames() const {
    return {pressAction()};
}

void DriveEntryAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && isValid() && m_control->isEnabled()) {
        m_control->pressEntry(m_entry);
    }
}

}  // namespace tallimer
