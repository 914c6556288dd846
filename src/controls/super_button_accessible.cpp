// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/super_button_accessible.h"

#include <QString>

#include "controls/super_button.h"

namespace tallimer {

SuperButtonAccessible::SuperButtonAccessible(SuperButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QString SuperButtonAccessible::text(QAccessible::Text t) const {
    const QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty()) {
        return static_cast<const SuperButton*>(widget())->Caption();
    }
    return own;
}

QAccessible::State SuperButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = widget()->focusPolicy() != Qt::NoFocus;
    return s;
}

QStringList SuperButtonAccessible::actionNames() const {
    return {pressAction()};
}

void SuperButtonAccessible::doAction(const QString& actionName) {
    auto* button = static_cast<SuperButton*>(widget());
    if (actionName == pressAction()) {
        button->click();
    }
}

QStringList SuperButtonAccessible::keyBindingsForAction(const QString& /*actionName*/) const {
    return {};
}

}  // namespace tallimer
