#include "controls/widget_look.h"

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

}  // namespace tallimer
