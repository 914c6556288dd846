// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"

namespace tallimer::layout {

// Designed geometry of the client area, in pixels.
constexpr int kClientWidth = 509;
constexpr int kClientHeight = 419;
constexpr int kRowLeft = 30;
constexpr int kRowTop = 79;
constexpr int kRowDesignWidth = 206;
constexpr int kRowWidth = 200;  // every visible row after a layout pass
constexpr int kRowHeight = 26;
constexpr int kOpLeft = 3;
constexpr int kOpWidth = 31;
constexpr int kScrollTop = 78;
constexpr int kScrollWidth = 31;
constexpr int kScrollDesignHeight = 337;

// Window outer sizes in twips.
constexpr int kDesignedOuterWidth = 7875;
constexpr int kDesignedOuterHeight = 7155;
constexpr int kMinOuterWidth = 4125;
constexpr double kTallHeightShare = 0.96;

// The designed frame: at 15 twips per pixel the outer 525 x 477 pixels hold the 509 x 419
// client area. Outer twips map to the client area through this frame, whatever frame (if any)
// the window system really draws.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 58;

using tallimer::twipsPerPixel;
int clientWidthForOuter(double outerTwips, double tpp);
int clientHeightForOuter(double outerTwips, double tpp);
int outerTwipsForLeft(int leftPixels, double tpp);

// The last index N of the row pool: rows at a pitch of rowHeight, as many as the larger screen
// dimension holds below row 0.
int rowPoolLast(int screenPixels, int rowHeight);

// The index of the last row that lies wholly inside a client area `clientHeight` high, at
// most poolLast and at least 0.
int visibleLastRow(int clientHeight, int rowTop, int rowHeight, int poolLast);

struct ClientLimits {
    int minWidth;
    int maxWidth;
    int minHeight;
};
ClientLimits clientLimits(double tpp);

}  // namespace tallimer::layout
