// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The geometry of VynVerticalScroll, in rows of the control, named once for its drawing, its
// mouse handling and its pictures.
namespace tallimer::scroll {

// The arrow picture has 22 rows; it is drawn squeezed to 20 at each end of the bar, where the
// dotted track and the outlines start and end.
inline constexpr int kArrowPictureHeight = 22;
inline constexpr int kArrowHeight = 20;
// A press within 22 rows of an end is on that arrow, and the thumb stays out of those rows;
// a downward step places the thumb that many rows lower.
inline constexpr int kArrowZone = 22;
inline constexpr int kThumbHeight = 20;
// The thumb's top is the value's share of the range times height - (thumb height + 23), and
// a drag's value the pointer's share of height - (thumb height + 12).
inline constexpr int kThumbTravelMargin = 23;
inline constexpr int kDragTravelMargin = 12;
// A dragged thumb's top lies half its height and 3 rows above the pointer.
inline constexpr int kDragGrip = 3;
// Auto-repeat stops stepping once the press point lies from 3 rows above the thumb to 6 rows
// below it; paging up moves by a page while the press is more than a thumb and 6 rows above.
inline constexpr int kReachAbove = 3;
inline constexpr int kReachBelow = 6;

}  // namespace tallimer::scroll
