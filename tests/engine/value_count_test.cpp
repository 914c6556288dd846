// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "engine/line_value.h"
#include "engine/total_value_count.h"

namespace tallimer {
namespace {

// More distinct values than announced: the table grows instead of filling up (a full table
// would leave the probe loop no free slot to stop at).
TEST(ValueCountTest, MoreDistinctValuesThanExpectedAreAllCounted) {
    ValueCount counts(1);  // a table of 16 slots
    for (std::uint32_t i = 0; i < 100; ++i) {
        counts.add(LineValueOrderKey::of(LineValue::integer(static_cast<std::int32_t>(i))), i);
    }
    counts.add(LineValueOrderKey::of(LineValue::integer(7)), 100);
    ASSERT_EQ(counts.entries().size(), 100u);
    for (std::uint32_t i = 0; i < 100; ++i) {
        const ValueCount::Entry& entry = counts.entries()[i];
        EXPECT_EQ(entry.key,
                  LineValueOrderKey::of(LineValue::integer(static_cast<std::int32_t>(i))));
        EXPECT_EQ(entry.firstLine, i);
        EXPECT_EQ(entry.count, i == 7 ? 2u : 1u) << i;
    }
}

}  // namespace
}  // namespace tallimer
