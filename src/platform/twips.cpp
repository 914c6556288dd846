// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/twips.h"

#include <cmath>
#include <limits>

namespace tallimer {

double twipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? kTwipsPerInch / logicalDpi : 15.0;
}

int twipsToPixels(double twips, double twipsPerPixel) {
    const double pixels = std::round(twips / twipsPerPixel);
    if (!(std::abs(pixels) <= std::numeric_limits<int>::max())) {
        return 0;
    }
    return static_cast<int>(pixels);
}

}  // namespace tallimer
