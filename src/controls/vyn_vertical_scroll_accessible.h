// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace tallimer {

class VynVerticalScroll;

// The painted scroll bar as a screen reader sees it: a scroll bar whose value is Value, set as
// the keys set it (Change raised, the view refreshed). This Qt has no vertical state to show.
class VynVerticalScrollAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit VynVerticalScrollAccessible(VynVerticalScroll* bar);

    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    VynVerticalScroll* bar() const;
};

}  // namespace tallimer
