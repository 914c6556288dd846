// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace tallimer {

// The file browser's seven row icons (its pImage pictures), drawn in code: 0 a grey hard
// disk, 1 a yellow folder, 2 an optical disc, 3 a floppy drive, 4 a blue removable stick,
// 5 a white document (32 x 19), 6 an orange folder. The others are 32 x 20. Pixels outside the
// picture are transparent.
QImage driveIcon(int index);

inline constexpr int kDriveIconCount = 7;

}  // namespace tallimer
