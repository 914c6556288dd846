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
// entry selected and, while the list has the focus, the current entry focused.
class DriveControlAccessible : public QAccessibleWidget {
public:
    explicit DriveControlAccessible(DriveControl* control);
    ~DriveControlAccessible() override;

    // The entry the screen reader is on: the browser's current entry.
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
