// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/widget_look.h"

#include <algorithm>
#include <cmath>

#include <QWidget>

namespace tallimer {

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

void setColour(QWidget& widget, QPalette::ColorRole role, std::uint32_t colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(colour));
    widget.setPalette(palette);
}

namespace {

double luminance(QRgb colour) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

constexpr double kReadable = 4.5;

}  // namespace

double contrastRatio(QRgb a, QRgb b) {
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

QRgb textOnSystemBackground(QRgb designed, QRgb background, QRgb paletteText) {
    const double asDesigned = std::min(kReadable, contrastRatio(designed, qRgb(255, 255, 255)));
    return contrastRatio(designed, background) >= asDesigned ? designed : paletteText;
}

}  // namespace tallimer
