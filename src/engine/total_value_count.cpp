// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/total_value_count.h"

#include <algorithm>
#include <bit>

namespace tallimer {

ValueCount::ValueCount(std::size_t expected) {
    // At most half full, so probe runs stay short.
    setTableSize(std::bit_ceil(std::max<std::size_t>(2 * expected, 16)));
    m_entries.reserve(expected);
}

void ValueCount::setTableSize(std::size_t tableSize) {
    m_slots.assign(tableSize, 0);
    m_shift = 64 - std::countr_zero(tableSize);
}

void ValueCount::growIfHalfFull() {
    if (2 * m_entries.size() <= m_slots.size()) {
        return;
    }
    setTableSize(2 * m_slots.size());
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = 0; index < m_entries.size(); ++index) {
        std::size_t slot = slotOf(m_entries[index].key);
        while (m_slots[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        m_slots[slot] = static_cast<std::uint32_t>(index + 1);
    }
}

std::size_t ValueCount::slotOf(const LineValueOrderKey& key) const {
    // Keys of everyday values differ in few bits (small integers, short fractions): mix all
    // three words and take the product's top bits.
    std::uint64_t h = key.words[0] * 0x9E3779B97F4A7C15ULL;
    h ^= std::rotl(key.words[1] * 0xC2B2AE3D27D4EB4FULL, 31);
    h ^= std::rotl(key.words[2] * 0x165667B19E3779F9ULL, 17);
    h ^= h >> 29;
    return static_cast<std::size_t>((h * 0xBF58476D1CE4E5B9ULL) >> m_shift);
}

void ValueCount::add(const LineValueOrderKey& key, std::uint32_t line) {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = slotOf(key);; slot = (slot + 1) & mask) {
        const std::uint32_t index = m_slots[slot];
        if (index == 0) {
            m_entries.push_back({key, 1, line});
            m_slots[slot] = static_cast<std::uint32_t>(m_entries.size());
            growIfHalfFull();
            return;
        }
        Entry& entry = m_entries[index - 1];
        if (entry.key == key) {
            ++entry.count;
            return;
        }
    }
}

}  // namespace tallimer
