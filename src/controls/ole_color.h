// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QRgb>

namespace tallimer {

// System colours name a palette role by the index in their low byte.
inline constexpr std::uint32_t kSystemWindowBackground = 0x80000005u;
inline constexpr std::uint32_t kSystem3DHighlight = 0x80000014u;

// A 0x00BBGGRR colour as an opaque QRgb; a system colour is looked up in the application
// palette, so it follows the desktop theme.
QRgb rgbFromOle(std::uint32_t ole);

// Builds a colour from three channels, each limited to 0..255.
QRgb rgbLimited(int red, int green, int blue);

}  // namespace tallimer
