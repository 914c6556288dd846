// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/drive_control_accessible.h"

#include <QCoreApplication>

#include <QWidget>
#include <algorithm>

#include "controls/drive_control.h"
#include "controls/input_codes.h"
#include "controls/vyn_vertical_scroll.h"

namespace tallimer {

namespace {

QString kindOf(std::int32_t code) {
    switch (code) {
        case kEntryFolder:
            return QCoreApplication::translate("DriveControl", "folder");
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
    const DriveControl& list = *control();
    const bool keyed = m_keyEntry >= 1 && m_keyEntry <= childCount() &&
                       m_keySelected == list.SelectedEntry() &&
                       list.Entries()[static_cast<std::size_t>(m_keyEntry)].name == m_keyName;
    return keyed ? m_keyEntry : list.SelectedEntry();
}

void DriveControlAccessible::keyMoved(DriveControl& control, std::int16_t keyCode) {
    if (!QAccessible::isActive()) {
        return;
    }
    const int page = std::max(control.RowsVisible(), 1);
    const int step = keyCode == kKeyPageUp     ? -page
                     : keyCode == kKeyPageDown ? page
                     : keyCode == kKeyUp       ? -1
                                               : 1;
    auto* list =
        dynamic_cast<DriveControlAccessible*>(QAccessible::queryAccessibleInterface(&control));
    if (list == nullptr || list->childCount() < 1 || (keyCode != kKeyDown && step == 1)) {
        return;
    }
    const int now = list->currentEntry();
    const int from = now >= 1 ? now : std::max(control.sFiles().Value(), 1);
    const int to = std::clamp(from + step, 1, list->childCount());
    if (to == now) {
        return;  // at an end of the list: nothing new to say
    }
    list->m_keyEntry = to;
    list->m_keySelected = control.SelectedEntry();
    list->m_keyName = control.Entries()[static_cast<std::size_t>(to)].name;
    QAccessibleEvent event(&control, QAccessible::Focus);
    event.setChild(to - 1);
    QAccessible::updateAccessibility(&event);
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
            return kindOf(m_control->Entries()[at].type);
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
