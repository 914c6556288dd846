// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/line_value_order.h"
#include "engine/total.h"

namespace tallimer {

namespace {

struct KeyedPosition {
    LineValueOrderKey key;
    std::uint32_t position;
};

// Dense ranks: equal values share a rank, a smaller value has a smaller rank.
struct Ranking {
    std::vector<std::uint32_t> rankAt;  // by position in the list
    std::vector<std::uint32_t> sorted;  // the ranks in ascending order
    std::uint32_t ranks = 0;            // how many different values
    std::size_t notPositive = 0;        // how many values are 0, empty or negative
};

Ranking rankValues(const std::vector<LineValue>& list) {
    const std::size_t n = list.size();
    std::vector<KeyedPosition> keyed(n);
    for (std::size_t i = 0; i < n; ++i) {
        keyed[i] = {LineValueOrderKey::of(list[i]), static_cast<std::uint32_t>(i)};
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const KeyedPosition& a, const KeyedPosition& b) { return a.key < b.key; });

    Ranking ranking;
    ranking.rankAt.resize(n);
    ranking.sorted.resize(n);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && keyed[i - 1].key < keyed[i].key) {
            ++rank;
        }
        if (!keyed[i].key.isPositive()) {
            ranking.notPositive = i + 1;
        }
        ranking.rankAt[keyed[i].position] = rank;
        ranking.sorted[i] = rank;
    }
    ranking.ranks = n == 0 ? 0 : rank + 1;
    return ranking;
}

// For every rank, a min-heap of the unsorted positions that hold a value of that rank, all in
// one array: rank r owns the slots from start[r], as many as values of rank r.
class PositionHeaps {
public:
    explicit PositionHeaps(const Ranking& ranking)
        : m_start(ranking.ranks + 1, 0), m_size(ranking.ranks, 0), m_slots(ranking.rankAt.size()) {
        for (const std::uint32_t rank : ranking.rankAt) {
            ++m_start[rank + 1];
        }
        for (std::size_t r = 1; r < m_start.size(); ++r) {
            m_start[r] += m_start[r - 1];
        }
        // Filled in ascending position order, so every heap starts sorted, which is a heap.
        for (std::size_t position = 0; position < ranking.rankAt.size(); ++position) {
            const std::uint32_t rank = ranking.rankAt[position];
            m_slots[m_start[rank] + m_size[rank]++] = static_cast<std::uint32_t>(position);
        }
    }

    std::uint32_t top(std::uint32_t rank) const { return m_slots[m_start[rank]]; }

    void pop(std::uint32_t rank) {
        const std::uint32_t last = m_slots[m_start[rank] + --m_size[rank]];
        if (m_size[rank] > 0) {
            siftDown(rank, last);
        }
    }

    // Pops the top and pushes `position` in one step.
    void replaceTop(std::uint32_t rank, std::uint32_t position) { siftDown(rank, position); }

private:
    // Puts `value` at the root and lets it sink to its place.
    void siftDown(std::uint32_t rank, std::uint32_t value) {
        std::uint32_t* heap = m_slots.data() + m_start[rank];
        const std::uint32_t size = m_size[rank];
        std::uint32_t hole = 0;
        for (std::uint32_t child = 1; child < size; child = 2 * hole + 1) {
            if (child + 1 < size && heap[child + 1] < heap[child]) {
                ++child;
            }
            if (value <= heap[child]) {
                break;
            }
            heap[hole] = heap[child];
            hole = child;
        }
        heap[hole] = value;
    }

    std::vector<std::uint32_t> m_start;
    std::vector<std::uint32_t> m_size;
    std::vector<std::uint32_t> m_slots;
};

}  // namespace

// The selection sort's swaps without its scans. Before step i the first i places hold the i
// smallest values, so the minimum of the rest has rank sorted[i], and the inner loop's choice
// (the first of equal minima) is the lowest unsorted position holding that rank: the top of
// that rank's heap. Position i itself is the lowest unsorted position, so it is the top of its
// own rank's heap and leaves it when the swap moves its value to p.
void Selectionsort(std::vector<LineValue>& list, std::int32_t& last) {
    const std::size_t n = list.size();
    Ranking ranking = rankValues(list);
    PositionHeaps heaps(ranking);
    std::vector<std::uint32_t>& rankAt = ranking.rankAt;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const std::uint32_t wanted = ranking.sorted[i];
        const std::uint32_t here = rankAt[i];
        if (here == wanted) {
            heaps.pop(wanted);  // i is the first minimum: no move
            continue;
        }
        const std::uint32_t p = heaps.top(wanted);
        heaps.pop(wanted);
        std::swap(list[i], list[p]);
        rankAt[p] = here;
        rankAt[i] = wanted;
        heaps.replaceTop(here, p);
    }

    // Ascending now, so the values above zero are a suffix: move it to the front.
    const std::size_t first = ranking.notPositive;
    const std::size_t kept = n - first;
    std::move(list.begin() + static_cast<std::ptrdiff_t>(first), list.end(), list.begin());
    std::fill(list.begin() + static_cast<std::ptrdiff_t>(kept), list.end(), LineValue::integer(0));
    last = static_cast<std::int32_t>(kept) - 1;
}

}  // namespace tallimer
