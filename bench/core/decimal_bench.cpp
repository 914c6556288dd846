// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <array>
#include <random>

#include "platform/decimal.h"

namespace tallimer {
namespace {

constexpr std::size_t kCount = 256;
using Operands = std::array<Decimal, kCount>;

// Tape-like amounts: up to 9 digits with 0 to 4 decimals.
Operands amounts(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    Operands out;
    for (auto& d : out) {
        d = *Decimal::fromParts(rng() % 1000000000 + 1, int(rng() % 5), rng() % 4 == 0);
    }
    return out;
}

// Full 28-digit fractions, the shape of quotients such as 1/3.
Operands longFractions(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    Operands out;
    for (auto& d : out) {
        const uint128 m = (uint128(rng()) << 64 | rng()) % (uint128(1) << 93);
        d = *Decimal::fromParts(m, 28, rng() % 2 == 0);
    }
    return out;
}

Operands nearTheTop(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    Operands out;
    for (auto& d : out) {
        d = *Decimal::fromParts(Decimal::kMaxMagnitude - rng() % 1000, int(rng() % 3), false);
    }
    return out;
}

template <DecStatus (*Op)(const Decimal&, const Decimal&, Decimal&)>
void run(benchmark::State& state, const Operands& a, const Operands& b) {
    std::size_t i = 0;
    Decimal out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Op(a[i], b[i], out));
        benchmark::DoNotOptimize(out);
        i = (i + 1) % kCount;
    }
}

void BM_DecimalAdd(benchmark::State& state) {
    run<add>(state, amounts(1), amounts(2));
}
BENCHMARK(BM_DecimalAdd);

void BM_DecimalAddLongFractions(benchmark::State& state) {
    run<add>(state, amounts(1), longFractions(2));
}
BENCHMARK(BM_DecimalAddLongFractions);

void BM_DecimalAddRoundingAtTheTop(benchmark::State& state) {
    run<add>(state, nearTheTop(3), longFractions(4));
}
BENCHMARK(BM_DecimalAddRoundingAtTheTop);

void BM_DecimalSubtract(benchmark::State& state) {
    run<subtract>(state, amounts(5), amounts(6));
}
BENCHMARK(BM_DecimalSubtract);

void BM_DecimalMultiply(benchmark::State& state) {
    run<multiply>(state, amounts(7), amounts(8));
}
BENCHMARK(BM_DecimalMultiply);

void BM_DecimalMultiplyLongFractions(benchmark::State& state) {
    // 56 decimals rounded back to 28.
    run<multiply>(state, longFractions(9), longFractions(10));
}
BENCHMARK(BM_DecimalMultiplyLongFractions);

void BM_DecimalMultiplyFractionByAmount(benchmark::State& state) {
    // A quotient carried on down the tape: 28 + 4 decimals rounded back to 28.
    run<multiply>(state, longFractions(21), amounts(22));
}
BENCHMARK(BM_DecimalMultiplyFractionByAmount);

void BM_DecimalDivide(benchmark::State& state) {
    run<divide>(state, amounts(11), amounts(12));
}
BENCHMARK(BM_DecimalDivide);

void BM_DecimalDivideByLongFractions(benchmark::State& state) {
    // Divisors wider than 64 bits.
    run<divide>(state, amounts(13), longFractions(14));
}
BENCHMARK(BM_DecimalDivideByLongFractions);

void BM_DecimalCompare(benchmark::State& state) {
    const Operands a = amounts(15), b = amounts(16);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a[i] < b[i]);
        i = (i + 1) % kCount;
    }
}
BENCHMARK(BM_DecimalCompare);

void BM_DecimalCompareLongFractions(benchmark::State& state) {
    const Operands a = amounts(17), b = longFractions(18);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a[i] < b[i]);
        i = (i + 1) % kCount;
    }
}
BENCHMARK(BM_DecimalCompareLongFractions);

void BM_DecimalFromDouble(benchmark::State& state) {
    std::mt19937_64 rng(19);
    std::array<double, kCount> values;
    for (auto& v : values) {
        v = double(rng() % 100000000) / 100.0;
    }
    std::size_t i = 0;
    Decimal out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Decimal::fromDouble(values[i], out));
        benchmark::DoNotOptimize(out);
        i = (i + 1) % kCount;
    }
}
BENCHMARK(BM_DecimalFromDouble);

}  // namespace
}  // namespace tallimer
