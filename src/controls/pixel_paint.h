// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <optional>

#include <QImage>
#include <QRegion>
#include <QRgb>

class QPainter;

namespace tallimer {

// Pixel-exact drawing in integer coordinates, end points included, through a painter or
// straight into a 32-bit image's scan lines. Parts outside the device are clipped.
void fillRow(QPainter& painter, int x1, int x2, int y, QRgb color);
void fillColumn(QPainter& painter, int x, int y1, int y2, QRgb color);
void fillRow(QImage& image, int x1, int x2, int y, QRgb color);
void fillColumn(QImage& image, int x, int y1, int y2, QRgb color);

// The outline of the rectangle with corners (x1, y1) and (x2, y2), in either order.
template <typename Device>
void drawOutline(Device& device, int x1, int y1, int x2, int y2, QRgb color) {
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    fillRow(device, left, right, top, color);
    fillRow(device, left, right, bottom, color);
    fillColumn(device, left, top, bottom, color);
    fillColumn(device, right, top, bottom, color);
}

void setPixelClipped(QImage& image, int x, int y, QRgb color);

inline constexpr QRgb kMaskColor = 0xFFFF00FFu;  // magenta

// The pixels of a look that are painted: all but those in the mask colour; nothing when the
// look has no pixel in the mask colour, so the whole of it is painted.
std::optional<QRegion> paintedRegion(const QImage& look);

// Draws a control's kept look at its top left, only where the paint event asks and, for a
// masked look, only on its painted pixels. A look that has not yet followed a resize leaves the
// rest of the control in the back colour. The clip stays for what the control draws on top.
void drawLook(QPainter& painter, const QRegion& exposed, const std::optional<QRegion>& painted,
              const QImage& look, QSize controlSize, QRgb back);

}  // namespace tallimer
