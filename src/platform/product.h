// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tallimer {

// The program's title: the window's caption, the first line of every calculation file and
// the start of the --version line.
inline constexpr char kProductTitle[] = "Tallimer Calculator 6";

}  // namespace tallimer
