// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selectionsort_reference.h"

namespace tallimer {

void SelectionsortQuadratic(std::vector<LineValue>& list, std::int32_t& last) {
    const std::int64_t lo = 0;
    const std::int64_t hi = static_cast<std::int64_t>(list.size()) - 1;
    for (std::int64_t i = lo; i <= hi - 1; ++i) {
        LineValue m = list[i];
        std::int64_t p = i;
        for (std::int64_t j = i + 1; j <= hi; ++j) {
            if (list[j] < m) {
                m = list[j];
                p = j;
            }
        }
        list[p] = list[i];
        list[i] = m;
    }
    const LineValue zero;
    std::int64_t k = 0;
    for (std::int64_t j = lo; j <= hi; ++j) {
        if (list[j] > zero) {
            list[k] = list[j];
            ++k;
        }
    }
    last = static_cast<std::int32_t>(k - 1);
    for (std::int64_t m = k; m <= hi; ++m) {
        list[m] = LineValue::integer(0);
    }
}

}  // namespace tallimer
