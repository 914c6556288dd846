// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>

#include <QString>

#include <QAccessibleWidget>
#include <QPointer>

namespace tallimer {

class DriveControl;

// The file browser as a screen reader sees it: a list with one item per entry, the clicked
// entry selected. The keys move the list without choosing anything; for the screen reader they
// also move a current entry, focused, one entry or a page at a time from the top one, so that a
// list too short to scroll can be read too. A choice or a new listing ends it.
class DriveControlAccessible : public QAccessibleWidget {
public:
    explicit DriveControlAccessible(DriveControl* control);
    ~DriveControlAccessible() override;

    // Before the key (Up, Down, PageUp, PageDown) moves the list: moves the current entry and
    // tells the screen reader of it; costs nothing when none is running.
    static void keyMoved(DriveControl& control, std::int16_t keyCode);
    // The entry the screen reader is on: the one the keys moved to, else the chosen one.
    int currentEntry() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    DriveControl* control() const;

    // Made when first asked for and kept, so an item keeps its identity on the bus; an item
    // reads its entry anew each time, whatever the listing now holds.
    mutable std::map<int, QAccessible::Id> m_items;
    // The entry the keys moved to, with what was chosen and its name then: a choice or a new
    // listing since makes it stale.
    int m_keyEntry = -1;
    int m_keySelected = -1;
    QString m_keyName;
};

// One entry of the browser: named by its row text, described by its kind, pressed as a click.
class DriveEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DriveEntryAccessible(DriveControl* control, int entry);

    int entry() const { return m_entry; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

private:
    QPointer<DriveControl> m_control;
    int m_entry;  // the browser's entry index, from 1
};

}  // namespace tallimer
