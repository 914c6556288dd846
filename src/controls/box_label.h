// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>

namespace tallimer {

// A label on a filled box with a one-pixel border, as a style sheet would draw it, without
// the cost of style sheets: they load and polish through a style of their own. Its text is
// black unless set otherwise, whatever the palette.
class BoxLabel : public QLabel {
public:
    BoxLabel(const QColor& fill, const QColor& border, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_border;
};

}  // namespace tallimer
