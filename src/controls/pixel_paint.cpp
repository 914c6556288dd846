// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/pixel_paint.h"

#include <QPainter>

namespace tallimer {
namespace {

// A painter fills with QColor(color), which takes no alpha from it.
QRgb opaque(QRgb color) {
    return color | 0xFF000000u;
}

}  // namespace

void fillRow(QPainter& painter, int x1, int x2, int y, QRgb color) {
    painter.fillRect(QRect(QPoint(x1, y), QPoint(x2, y)).normalized(), QColor(color));
}

void fillColumn(QPainter& painter, int x, int y1, int y2, QRgb color) {
    painter.fillRect(QRect(QPoint(x, y1), QPoint(x, y2)).normalized(), QColor(color));
}

void fillRow(QImage& image, int x1, int x2, int y, QRgb color) {
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), image.width() - 1);
    if (y < 0 || y >= image.height() || left > right) {
        return;
    }
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(row + left, row + right + 1, opaque(color));
}

void fillColumn(QImage& image, int x, int y1, int y2, QRgb color) {
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), image.height() - 1);
    if (x < 0 || x >= image.width()) {
        return;
    }
    for (int y = top; y <= bottom; ++y) {
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = opaque(color);
    }
}

void setPixelClipped(QImage& image, int x, int y, QRgb color) {
    if (image.valid(x, y)) {
        image.setPixel(x, y, color);
    }
}

std::optional<QRegion> paintedRegion(const QImage& look) {
    const QImage opaque = look.convertToFormat(QImage::Format_RGB32);
    const int width = opaque.width();
    const int height = opaque.height();
    QRegion masked;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        const QRgb* const end = row + width;
        for (const QRgb* run = std::find(row, end, kMaskColor); run != end;) {
            const QRgb* const after =
                std::find_if(run, end, [](QRgb p) { return p != kMaskColor; });
            masked += QRect(static_cast<int>(run - row), y, static_cast<int>(after - run), 1);
            run = std::find(after, end, kMaskColor);
        }
    }
    if (masked.isEmpty()) {
        return std::nullopt;
    }
    return QRegion(opaque.rect()) - masked;
}

void drawLook(QPainter& painter, const QRegion& exposed, const std::optional<QRegion>& painted,
              const QImage& look, QSize controlSize, QRgb back) {
    // Rectangle by rectangle: under a clip of many rectangles the raster engine composes the
    // image span by span, and hands a tall control's spans to a thread pool; under one
    // rectangle it copies the rows.
    const QRegion shown = painted ? exposed.intersected(*painted) : exposed;
    const bool stale = look.size() != controlSize;
    for (const QRect& rect : shown) {
        painter.setClipRect(rect);
        if (stale) {
            painter.fillRect(rect, QColor(back));
        }
        painter.drawImage(rect.topLeft(), look, rect);
    }
    painter.setClipRegion(shown);
}

}  // namespace tallimer
