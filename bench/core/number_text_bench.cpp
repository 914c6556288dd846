// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QLocale>
#include <QString>
#include <QStringList>

#include <random>
#include <vector>

#include "platform/number_reader.h"
#include "platform/number_text.h"

namespace tallimer {
namespace {

const RegionalSettings& settings() {
    static const RegionalSettings s =
        RegionalSettings::fromLocale(QLocale(QStringLiteral("en_US")));
    return s;
}

std::vector<Decimal> amounts() {
    std::mt19937_64 rng(31);
    std::vector<Decimal> out(256);
    for (auto& d : out) {
        d = *Decimal::fromParts(rng() % 10000000000ULL, int(rng() % 5), rng() % 4 == 0);
    }
    return out;
}

void BM_FormatNumber(benchmark::State& state) {
    const auto values = amounts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(values[i], 2, settings()));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_FormatNumber);

void BM_PlainTextOneThird(benchmark::State& state) {
    const Decimal third =
        *Decimal::fromParts(uint128(3333333333333333333ULL) * 1000000000 + 333333333, 28, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(plainText(third, settings()));
    }
}
BENCHMARK(BM_PlainTextOneThird);

void BM_ReadTyped(benchmark::State& state) {
    const QStringList texts = {"(1,234,567.89)", "42", "-0.5", "12,345.6789", "1E3", "987654.32-"};
    qsizetype i = 0;
    Decimal out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readTyped(texts[i], settings(), out));
        benchmark::DoNotOptimize(out);
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_ReadTyped);

void BM_ReadTypedLong(benchmark::State& state) {
    const QString text = QStringLiteral("0.33333333333333333333333333333333333");
    Decimal out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readTyped(text, settings(), out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_ReadTypedLong);

// A pasted text that fails the user's convention only at its end and is read a second time in
// the other: the time grows with the length, no faster.
void BM_ReadPastedLong(benchmark::State& state) {
    const QString text =
        u'1' + QStringLiteral(",234").repeated(state.range(0)) + QStringLiteral(".5.");
    Decimal out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPasted(text, settings(), out));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadPastedLong)->Range(1 << 8, 1 << 18)->Complexity(benchmark::oN);

void BM_ReadPoint(benchmark::State& state) {
    const QStringList texts = {"1234.56", " 42 ", "-0.5", "7x", "1.5E3"};
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPoint(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_ReadPoint);

}  // namespace
}  // namespace tallimer
