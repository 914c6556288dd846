// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/vyn_vertical_scroll_accessible.h"

#include "controls/vyn_vertical_scroll.h"

namespace tallimer {

VynVerticalScrollAccessible::VynVerticalScrollAccessible(VynVerticalScroll* bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

VynVerticalScroll* VynVerticalScrollAccessible::bar() const {
    return static_cast<VynVerticalScroll*>(widget());
}

void* VynVerticalScrollAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant VynVerticalScrollAccessible::currentValue() const {
    return bar()->Value();
}

void VynVerticalScrollAccessible::setCurrentValue(const QVariant& value) {
    if (bar()->isEnabled()) {
        bar()->setValue(value.toInt());
    }
}

QVariant VynVerticalScrollAccessible::maximumValue() const {
    return bar()->ValueMax();
}

QVariant VynVerticalScrollAccessible::minimumValue() const {
    return bar()->ValueMin();
}

QVariant VynVerticalScrollAccessible::minimumStepSize() const {
    return bar()->ValueSmallChange();
}

}  // namespace tallimer
