// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/scroll_pictures.h"

#include <algorithm>

#include "controls/ole_color.h"
#include "controls/pixel_paint.h"
#include "controls/scroll_geometry.h"

namespace tallimer {
namespace {

constexpr int kWidth = 30;
constexpr int kThumbPicture = 30;  // rows and columns of the thumb pictures

QRgb grey(int level) {
    return rgbLimited(level, level, level);
}

}  // namespace

QImage arrowPicture() {
    QImage picture(kWidth, scroll::kArrowPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < scroll::kArrowPictureHeight; ++y) {
        // Nearly black, a touch lighter at the top.
        const QRgb face = grey(44 - y);
        for (int x = 0; x < kWidth; ++x) {
            picture.setPixel(x, y, face);
        }
    }
    // The triangle: rows 7 to 14, two pixels wider on each row, centred.
    for (int row = 0; row < 8; ++row) {
        for (int x = 14 - row; x <= 15 + row; ++x) {
            picture.setPixel(x, 7 + row, grey(255));
        }
    }
    // Rounded top corners: 3, 2 and 1 pixels at the left, 4, 2 and 1 at the right.
    const int leftRun[] = {3, 2, 1};
    const int rightRun[] = {4, 2, 1};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < leftRun[y]; ++x) {
            picture.setPixel(x, y, kMaskColor);
        }
        for (int x = kWidth - rightRun[y]; x < kWidth; ++x) {
            picture.setPixel(x, y, kMaskColor);
        }
    }
    return picture;
}

QImage thumbPicture() {
    QImage picture(kThumbPicture, kThumbPicture, QImage::Format_RGB32);
    const int last = kThumbPicture - 1;
    for (int y = 0; y < kThumbPicture; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // Shading from 153 at the left to 105 at the right.
            int level = 153 - (48 * x + 14) / 29;
            if (x == 0 || y == 0 || x == last || y == last) {
                level = 70;  // thin dark outer edge
            } else if (x == 1) {
                level = 200;
            } else if (x == last - 1) {
                level = 82;
            }
            picture.setPixel(x, y, grey(level));
        }
    }
    // Three grip lines across the middle, each light with a darker line under it.
    for (const int y : {11, 14, 17}) {
        for (int x = 7; x <= 22; ++x) {
            picture.setPixel(x, y, grey(210));
            picture.setPixel(x, y + 1, grey(78));
        }
    }
    return picture;
}

QImage heldThumbPicture() {
    QImage picture = thumbPicture();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int level = qRed(picture.pixel(x, y));
            picture.setPixel(x, y,
                             rgbLimited(level * 111 / 124, level * 136 / 124, level * 136 / 124));
        }
    }
    return picture;
}

}  // namespace tallimer
