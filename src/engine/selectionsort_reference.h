#pragma once

#include <cstdint>
#include <vector>

#include "engine/line_value.h"

namespace tallimer {

// The selection sort written out as the quadratic algorithm it is: the reference that the
// fast Selectionsort is checked and benchmarked against. Not for use on a real tape.
void SelectionsortQuadratic(std::vector<LineValue>& list, std::int32_t& last);

}  // namespace tallimer
