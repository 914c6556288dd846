// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include <QChar>
#include <Qt>

#include "platform/key_codes.h"

class QKeyEvent;

namespace tallimer {

// The numeric codes the controls' events carry: Windows virtual-key codes for KeyDown/KeyUp,
// single-byte character codes for KeyPress, and bit sets for buttons and shift keys.
std::int16_t keyCodeOf(const QKeyEvent& event);
// The character code of one typed character, or nothing for characters that raise no KeyPress
// (Delete); characters outside one byte become "?".
std::optional<std::int16_t> keyAsciiOf(QChar character);
// 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftOf(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle; a set of held buttons adds them up.
std::int16_t buttonOf(Qt::MouseButtons buttons);

}  // namespace tallimer
