// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace tallimer {

// The scroll bar's pictures, drawn in code at their native sizes.

// 30 x 22: a dark button face with a white triangle pointing up and rounded top corners; the
// 13 pixels outside the rounding are the mask colour.
QImage arrowPicture();
// 30 x 30: the mid-grey thumb at rest, lighter at the left, with three grip lines.
QImage thumbPicture();
// 30 x 30: the same thumb tinted grey-teal, shown while it is dragged.
QImage heldThumbPicture();

}  // namespace tallimer
