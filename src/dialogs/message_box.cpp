// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace tallimer {

void showMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tallimer Calculator"), text,
                    QMessageBox::Ok, parent);
    // A plain "OK": some styles decorate dialog buttons with pictures of their own.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

}  // namespace tallimer
