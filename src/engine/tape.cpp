// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/tape.h"

#include <algorithm>

namespace tallimer {

void Tape::resize(int lines, QChar op) {
    // std::vector grows geometrically, so adding one line at a time stays amortised O(1).
    const auto count = static_cast<std::size_t>(std::max(lines, 0));
    TapeNumbers.resize(count);
    TapeOps.resize(count, op);
}

}  // namespace tallimer
