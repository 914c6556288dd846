// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/pixel_paint.h"

namespace tallimer {
namespace {

// The scan-line outlines write exactly the pixels a painter's would, however far the outline
// reaches past the picture's edges; and the mask scan finds every run of mask pixels.
TEST(PixelPaint, ScanLineOutlinesMatchThePaintersAndMaskRunsAreFound) {
    struct Case {
        int x1, y1, x2, y2;
    };
    const Case cases[] = {
        {0, 0, 6, 4}, {-1, -1, 6, 4}, {-3, 2, 2, -3}, {5, 3, 9, 9}, {-5, -5, -1, -1}, {2, 2, 2, 2},
    };
    for (const Case& c : cases) {
        QImage painted(7, 5, QImage::Format_RGB32);
        painted.fill(0xFF102030u);
        QImage written = painted.copy();
        {
            QPainter painter(&painted);
            drawOutline(painter, c.x1, c.y1, c.x2, c.y2, 0x00FF8040u);
        }
        drawOutline(written, c.x1, c.y1, c.x2, c.y2, 0x00FF8040u);
        EXPECT_EQ(written, painted) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    }

    QImage look(6, 3, QImage::Format_RGB32);
    look.fill(0xFF000000u);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(5, 0), QPoint(3, 1), QPoint(4, 1)}) {
        look.setPixel(p, kMaskColor);
    }
    const auto shown = paintedRegion(look);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(QRegion(look.rect()) - *shown,
              QRegion(0, 0, 2, 1) + QRegion(5, 0, 1, 1) + QRegion(3, 1, 2, 1));
    look.fill(0xFF000000u);
    EXPECT_FALSE(paintedRegion(look).has_value());
}

}  // namespace
}  // namespace tallimer
