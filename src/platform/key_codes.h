// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace tallimer {

// The codes key events carry to the program's handlers, one table for all of them.

// Key codes (key down, key up): Windows virtual-key codes.
inline constexpr std::int16_t kKeyPageUp = 33;
inline constexpr std::int16_t kKeyPageDown = 34;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyDown = 40;
// A key without a code of its own, still a key to the row handlers.
inline constexpr std::int16_t kKeyOther = 255;

// Backspace, Enter and Escape: their key codes, and the character codes they type.
inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kEscape = 27;

// Character codes (key press) that Ctrl with a letter types: the letter's control character.
inline constexpr std::int16_t kCtrlA = 1;
inline constexpr std::int16_t kCtrlC = 3;
inline constexpr std::int16_t kCtrlV = 22;
inline constexpr std::int16_t kCtrlX = 24;
inline constexpr std::int16_t kCtrlZ = 26;

}  // namespace tallimer
