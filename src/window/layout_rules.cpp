// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/layout_rules.h"

#include <algorithm>
#include <cmath>

namespace tallimer::layout {

int clientWidthForOuter(double outerTwips, double tpp) {
    return twipsToPixels(outerTwips, tpp) - kFrameWidth;
}

int clientHeightForOuter(double outerTwips, double tpp) {
    return twipsToPixels(outerTwips, tpp) - kFrameHeight;
}

int outerTwipsForLeft(int leftPixels, double tpp) {
    return static_cast<int>(std::lround(leftPixels * tpp));
}

int rowPoolLast(int screenPixels, int rowHeight) {
    int n = 0;
    for (int y = rowHeight + 5; y <= screenPixels; y += rowHeight) {
        ++n;
    }
    return n;
}

int visibleLastRow(int clientHeight, int rowTop, int rowHeight, int poolLast) {
    // Row r occupies rowTop + r * rowHeight up to rowTop + (r + 1) * rowHeight.
    const int room = clientHeight - rowTop;
    const int rows = room >= rowHeight ? room / rowHeight : 0;
    return std::clamp(rows - 1, 0, std::max(poolLast, 0));
}

ClientLimits clientLimits(double tpp) {
    return {clientWidthForOuter(kMinOuterWidth, tpp), clientWidthForOuter(kDesignedOuterWidth, tpp),
            clientHeightForOuter(kDesignedOuterHeight, tpp)};
}

}  // namespace tallimer::layout
