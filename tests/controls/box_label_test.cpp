// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QImage>

#include "controls/box_label.h"

namespace tallimer {
namespace {

// The box is drawn as the style sheets it replaced drew it: the border in its own colour (not
// the text's), the fill inside, and the text inside the border.
TEST(BoxLabel, BorderFillAndTextEachInTheirColour) {
    const QColor fill(0xE0, 0xE0, 0xE0);
    const QColor border(0x80, 0x80, 0x80);
    const QColor text(0x00, 0x40, 0xC0);
    BoxLabel label(fill, border);
    label.resize(60, 30);
    QPalette look = label.palette();
    look.setColor(QPalette::WindowText, text);
    label.setPalette(look);
    label.setAlignment(Qt::AlignCenter);
    label.setText(QStringLiteral("\u2588\u2588"));  // full blocks: text pixels at the centre
    const QImage picture = label.grab().toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 29), QPoint(59, 29)}) {
        EXPECT_EQ(picture.pixelColor(corner), border) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(picture.pixelColor(2, 2), fill);
    EXPECT_EQ(picture.pixelColor(30, 15), text);
}

}  // namespace
}  // namespace tallimer
