// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "engine/line_value.h"

namespace tallimer {

// The selection sort written out as the quadratic algorithm it is: the test oracle that the
// fast Selectionsort is checked (tests/engine) and benchmarked (bench/core) against.
void SelectionsortQuadratic(std::vector<LineValue>& list, std::int32_t& last);

}  // namespace tallimer
