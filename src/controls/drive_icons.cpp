// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/drive_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace tallimer {

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 20;

QImage blank(int height = kHeight) {
    QImage image(kWidth, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void folder(QImage& image, QColor body, QColor tab) {
    QPainter p(&image);
    p.setPen(body.darker(150));
    p.setBrush(tab);
    p.drawRect(QRect(6, 2, 9, 4));
    p.setBrush(body);
    p.drawRect(QRect(6, 4, 21, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(body.lighter(125));
    p.drawRect(QRect(7, 7, 20, 2));
}

QImage hardDisk() {
    QImage image = blank();
    QPainter p(&image);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(176, 176, 176));
    p.drawRect(QRect(3, 6, 25, 10));
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(QRect(3, 3, 25, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 200, 0));
    p.drawRect(QRect(23, 12, 3, 2));
    return image;
}

QImage opticalDisc() {
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(110, 110, 130));
    p.setBrush(QColor(215, 220, 235));
    p.drawEllipse(QPointF(16, 10), 9, 9);
    p.setBrush(QColor(170, 200, 235));
    p.drawEllipse(QPointF(16, 10), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 10), 1.5, 1.5);
    return image;
}

QImage floppy() {
    QImage image = blank();
    QPainter p(&image);
    p.setPen(QColor(20, 20, 40));
    p.setBrush(QColor(50, 60, 90));
    p.drawRect(QRect(7, 1, 17, 17));
    p.setBrush(QColor(200, 200, 205));
    p.drawRect(QRect(11, 1, 9, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRect(9, 10, 13, 8));
    return image;
}

QImage stick() {
    QImage image = blank();
    QPainter p(&image);
    p.setPen(QColor(0, 40, 120));
    p.setBrush(QColor(40, 100, 220));
    p.drawRoundedRect(QRect(3, 5, 20, 10), 2, 2);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(215, 215, 215));
    p.drawRect(QRect(23, 7, 6, 6));
    return image;
}

QImage document() {
    QImage image = blank(kHeight - 1);
    QPainter p(&image);
    QPainterPath page;
    page.moveTo(9, 1);
    page.lineTo(19, 1);
    page.lineTo(23, 5);
    page.lineTo(23, 18);
    page.lineTo(9, 18);
    page.closeSubpath();
    p.setPen(QColor(100, 100, 100));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(19, 1, 19, 5);
    p.drawLine(19, 5, 23, 5);
    p.setPen(QColor(160, 160, 200));
    for (int y = 8; y <= 15; y += 3) {
        p.drawLine(12, y, 20, y);
    }
    return image;
}

}  // namespace

QImage driveIcon(int index) {
    switch (index) {
        case 0:
            return hardDisk();
        case 1: {
            QImage image = blank();
            folder(image, QColor(240, 200, 60), QColor(225, 180, 40));
            return image;
        }
        case 2:
            return opticalDisc();
        case 3:
            return floppy();
        case 4:
            return stick();
        case 5:
            return document();
        case 6: {
            QImage image = blank();
            folder(image, QColor(245, 140, 40), QColor(225, 115, 20));
            return image;
        }
        default:
            return {};
    }
}

}  // namespace tallimer
