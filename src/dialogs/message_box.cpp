// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/message_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

namespace tallimer {

void showMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tallimer Calculator"), text,
                    QMessageBox::Ok, parent);
    // A plain "OK": some styles decorate dialog buttons with pictures of their own. Its word is
    // the program's own, as Qt has none in several of the program's languages.
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setIcon(QIcon());
    //: The button that closes a message.
    ok->setText(QCoreApplication::translate("tallimer::MessageBox", "OK"));
    box.exec();
}

}  // namespace tallimer
