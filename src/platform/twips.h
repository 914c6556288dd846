// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tallimer {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerPoint = 20;

// Twips per pixel at a logical resolution: 15 at 96 dots per inch, and 15 when the device
// reports no resolution.
double twipsPerPixel(double logicalDpi);

// A length in twips as whole pixels, a half pixel rounding away from zero; 0 when it does not
// fit an int.
int twipsToPixels(double twips, double twipsPerPixel);

}  // namespace tallimer
