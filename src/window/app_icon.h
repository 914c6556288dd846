// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace tallimer {

// The 32 x 32 application icon: a small adding machine with its paper tape, drawn in code.
QIcon appIcon();

}  // namespace tallimer
