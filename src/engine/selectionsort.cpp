#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

#include "engine/line_value_order.h"
#include "engine/total.h"

namespace tallimer {

namespace {

// Dense ranks of the values: equal values share a rank, a smaller value has a smaller rank.
// Returns the lowest rank of a value above zero.
std::uint32_t rankValues(const std::vector<LineValue>& list, std::vector<std::uint32_t>& rank) {
    const std::size_t n = list.size();
    std::vector<LineValueOrderKey> keys;
    keys.reserve(n);
    for (const LineValue& value : list) {
        keys.push_back(LineValueOrderKey::of(value));
    }
    std::vector<std::uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(),
              [&keys](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });

    rank.assign(n, 0);
    std::uint32_t current = 0;
    std::uint32_t firstPositive = std::numeric_limits<std::uint32_t>::max();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && keys[order[i - 1]] < keys[order[i]]) {
            ++current;
        }
        if (firstPositive == std::numeric_limits<std::uint32_t>::max() &&
            keys[order[i]].cls > LineValueOrderKey::kZero) {
            firstPositive = current;
        }
        rank[order[i]] = current;
    }
    return firstPositive;
}

// A min-tree over the positions still to be sorted. A leaf holds (rank << 32 | position), so
// the minimum of a subtree is its smallest value at its first position: exactly the element
// the selection sort's inner loop settles on ("list(j) < m" keeps the first of equal minima).
class MinimumTree {
public:
    explicit MinimumTree(const std::vector<std::uint32_t>& rank)
        : m_leaves(std::bit_ceil(std::max<std::size_t>(rank.size(), 1))),
          m_nodes(2 * m_leaves, kRemoved) {
        for (std::size_t i = 0; i < rank.size(); ++i) {
            m_nodes[m_leaves + i] = leaf(rank[i], i);
        }
        for (std::size_t node = m_leaves - 1; node >= 1; --node) {
            m_nodes[node] = std::min(m_nodes[2 * node], m_nodes[2 * node + 1]);
        }
    }

    std::size_t firstMinimum() const { return static_cast<std::uint32_t>(m_nodes[1]); }
    void set(std::size_t position, std::uint32_t rank) { update(position, leaf(rank, position)); }
    void remove(std::size_t position) { update(position, kRemoved); }

private:
    static constexpr std::uint64_t kRemoved = std::numeric_limits<std::uint64_t>::max();
    static std::uint64_t leaf(std::uint32_t rank, std::size_t position) {
        return (std::uint64_t{rank} << 32) | position;
    }
    void update(std::size_t position, std::uint64_t value) {
        std::size_t node = m_leaves + position;
        m_nodes[node] = value;
        for (node /= 2; node >= 1; node /= 2) {
            m_nodes[node] = std::min(m_nodes[2 * node], m_nodes[2 * node + 1]);
        }
    }

    std::size_t m_leaves;
    std::vector<std::uint64_t> m_nodes;
};

}  // namespace

void Selectionsort(std::vector<LineValue>& list, std::int32_t& last) {
    const std::size_t n = list.size();
    std::vector<std::uint32_t> rank;
    const std::uint32_t firstPositive = rankValues(list, rank);

    // The selection sort's swaps, each minimum found in O(log n) instead of a scan.
    if (n > 1) {
        MinimumTree tree(rank);
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const std::size_t p = tree.firstMinimum();
            if (p != i) {
                std::swap(list[i], list[p]);
                std::swap(rank[i], rank[p]);
                tree.set(p, rank[p]);
            }
            tree.remove(i);
        }
    }

    // Ascending now, so the values above zero are a suffix: move it to the front.
    std::size_t first = 0;
    while (first < n && rank[first] < firstPositive) {
        ++first;
    }
    const std::size_t kept = n - first;
    std::move(list.begin() + static_cast<std::ptrdiff_t>(first), list.end(), list.begin());
    std::fill(list.begin() + static_cast<std::ptrdiff_t>(kept), list.end(), LineValue::integer(0));
    last = static_cast<std::int32_t>(kept) - 1;
}

}  // namespace tallimer
