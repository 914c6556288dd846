// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "engine/line_value_order.h"

namespace tallimer {

// How often each distinct value occurs, counted in one pass through a hash table of value
// keys (the statistics' Mode without sorting the tape).
class ValueCount {
public:
    struct Entry {
        LineValueOrderKey key;
        std::uint32_t count;
        std::uint32_t firstLine;  // a line holding the value
    };

    // `expected`: about how many values will be added; the table grows if more distinct ones
    // come.
    explicit ValueCount(std::size_t expected);

    void add(const LineValueOrderKey& key, std::uint32_t line);
    // One entry per distinct value, in order of first appearance.
    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::size_t slotOf(const LineValueOrderKey& key) const;
    void setTableSize(std::size_t tableSize);
    // Doubles the table once more than half of it is used, so a free slot always ends a probe
    // run.
    void growIfHalfFull();

    std::vector<std::uint32_t> m_slots;  // 0: free, otherwise entry index + 1
    std::vector<Entry> m_entries;
    int m_shift;
};

}  // namespace tallimer
