// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QPalette>

#include "controls/ole_color.h"

class QWidget;

namespace tallimer {

// Arial at a designed size in points, which may be fractional (such as 8.25).
QFont arial(double points, bool bold = false);

// A 0x00BBGGRR colour, red in the lowest byte, or a system colour.
inline QColor toQColor(std::uint32_t colour) {
    return QColor(rgbFromOle(colour));
}

// Sets one colour role of the widget's palette.
void setColour(QWidget& widget, QPalette::ColorRole role, std::uint32_t colour);

// The contrast ratio of two colours as the accessibility guidelines (WCAG 2) define it, from
// 1:1 for the same colour to 21:1 for black on white.
double contrastRatio(QRgb a, QRgb b);

// The colour of text the design draws in `designed` on a system background (white under the
// default palette): the designed colour while it reads on `background` as well as on white, or
// at 4.5:1, otherwise `paletteText`, the colour the palette pairs with that background. A dark
// scheme darkens the background, and the text then follows the scheme.
QRgb textOnSystemBackground(QRgb designed, QRgb background, QRgb paletteText);

}  // namespace tallimer
