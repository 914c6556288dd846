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

}  // namespace tallimer
