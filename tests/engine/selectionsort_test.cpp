// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/total.h"
#include "selectionsort_reference.h"
#include "tape_values.h"

namespace tallimer {
namespace {

using test::identical;
using test::val;

std::vector<LineValue> values(std::initializer_list<const char*> texts) {
    std::vector<LineValue> list;
    for (const char* text : texts) {
        list.push_back(val(text));
    }
    return list;
}

void expectSame(const std::vector<LineValue>& actual, const std::vector<LineValue>& expected,
                const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_TRUE(identical(actual[i], expected[i]))
            << what << ": position " << i << " " << actual[i].plainText({}).toStdString() << " vs "
            << expected[i].plainText({}).toStdString();
    }
}

TEST(SelectionsortTest, KeepsValuesAboveZero) {
    std::vector<LineValue> list = values({"4", "-2", "0", "7"});
    std::int32_t last = 99;
    Selectionsort(list, last);
    EXPECT_EQ(last, 1);
    expectSame(list, {val("4"), val("7"), LineValue::integer(0), LineValue::integer(0)},
               "4 -2 0 7");
}

TEST(SelectionsortTest, AllBlank) {
    std::vector<LineValue> list = values({"", "", "0"});
    std::int32_t last = 99;
    Selectionsort(list, last);
    EXPECT_EQ(last, -1);
    expectSame(list, std::vector<LineValue>(3, LineValue::integer(0)), "blank");
}

TEST(SelectionsortTest, EmptyAndSingleLists) {
    std::vector<LineValue> list;
    std::int32_t last = 99;
    Selectionsort(list, last);
    EXPECT_EQ(last, -1);
    list = values({"3.0"});
    Selectionsort(list, last);
    EXPECT_EQ(last, 0);
    expectSame(list, values({"3.0"}), "single");
}

// Selection sort is not stable: equal values of different scale show where each one went.
TEST(SelectionsortTest, EqualValuesMoveAsTheSwapsDo) {
    std::vector<LineValue> list = values({"2.0", "2.00", "1", "2"});
    std::int32_t last = 0;
    Selectionsort(list, last);
    EXPECT_EQ(last, 3);
    // i = 0 swaps 1 to the front and 2.0 to position 2; the rest are already in place.
    expectSame(list, values({"1", "2.00", "2.0", "2"}), "unstable");
}

// Lists drawn from a small pool with many equal values of different kinds and scales,
// negatives, zeros and empty values.
std::vector<LineValue> valuePool() {
    std::vector<LineValue> pool =
        values({"", "0", "0.00", "-0", "1.5", "1.50", "1.500", "-1.5", "2", "2.0", "-7", "3", "0.3",
                "0.30", "-0.3", "79228162514264337593543950335", "-79228162514264337593543950335",
                "0.0000000000000000000000000001"});
    for (const double d : {1.5, 2.0, -0.0, 0.0, 0.1 + 0.2, -7.0, 1e300, -1e300, 3.0}) {
        pool.push_back(LineValue::fromDouble(d));
    }
    for (const int i : {0, 2, -7, 3}) {
        pool.push_back(LineValue::integer(i));
    }
    return pool;
}

TEST(SelectionsortTest, SameAsTheQuadraticSortOnRandomLists) {
    const std::vector<LineValue> pool = valuePool();
    std::mt19937 random(20240611);
    for (int round = 0; round < 4000; ++round) {
        const std::size_t size = round < 3990 ? random() % 40 : 500 + random() % 1500;
        // A narrow slice of the pool on some rounds makes long runs of equal values.
        const std::size_t width = 1 + random() % pool.size();
        const std::size_t start = random() % (pool.size() - width + 1);
        std::vector<LineValue> list;
        for (std::size_t i = 0; i < size; ++i) {
            list.push_back(pool[start + random() % width]);
        }
        std::vector<LineValue> expected = list;
        std::int32_t expectedLast = 0;
        SelectionsortQuadratic(expected, expectedLast);
        std::int32_t last = 0;
        Selectionsort(list, last);
        ASSERT_EQ(last, expectedLast) << "round " << round;
        expectSame(list, expected, "random list");
        if (::testing::Test::HasFailure()) {
            FAIL() << "round " << round;
        }
    }
}

TEST(SelectionsortTest, ReferenceMatchesTheWrittenExample) {
    std::vector<LineValue> list = values({"4", "-2", "0", "7"});
    std::int32_t last = 0;
    SelectionsortQuadratic(list, last);
    EXPECT_EQ(last, 1);
    expectSame(list, {val("4"), val("7"), LineValue::integer(0), LineValue::integer(0)}, "ref");
}

}  // namespace
}  // namespace tallimer
