// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/box_label.h"

#include <QPainter>

namespace tallimer {

BoxLabel::BoxLabel(const QColor& fill, const QColor& border, QWidget* parent)
    : QLabel(parent), m_border(border) {
    // The frame takes the border's pixel, so the text sits and indents as inside a border.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, fill);
    // Black, as on the default palette: a scheme's text colour is meant for its own
    // backgrounds, and a dark one's would vanish on a light fill.
    look.setColor(QPalette::WindowText, Qt::black);
    setPalette(look);
}

void BoxLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // The frame was drawn in the text colour; the border has its own.
    QPainter painter(this);
    painter.setPen(m_border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tallimer
