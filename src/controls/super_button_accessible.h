// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace tallimer {

class SuperButton;

// A painted push-button as a screen reader sees it: named by its caption, pressed as a click.
class SuperButtonAccessible : public QAccessibleWidget {
public:
    explicit SuperButtonAccessible(SuperButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};

}  // namespace tallimer
