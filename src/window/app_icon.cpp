// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace tallimer {

QIcon appIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // Paper tape coming out of the top.
    painter.fillRect(10, 1, 12, 12, Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(10, 1, 11, 12);
    for (int y = 4; y < 12; y += 3) {
        painter.drawLine(13, y, 19, y);
    }
    // Body and keys.
    painter.fillRect(3, 11, 26, 20, QColor(0x99, 0xCC, 0xCC));
    painter.setPen(Qt::black);
    painter.drawRect(3, 11, 25, 19);
    const QColor keys[] = {QColor(0x99, 0xCC, 0xCC).darker(140), QColor(0x07, 0xB2, 0x01)};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            painter.fillRect(6 + col * 6, 15 + row * 5, 4, 3, keys[col == 3 ? 1 : 0]);
        }
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tallimer
