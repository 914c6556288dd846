// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "files/clc_format.h"
#include "tape_bench_support.h"

namespace tallimer {
namespace {

void BM_ClcWrite(benchmark::State& state) {
    const Tape tape = bench::randomTape(bench::kBenchLines, false);
    const RegionalSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeClc(tape, settings));
    }
}

void BM_ClcRead(benchmark::State& state) {
    const RegionalSettings settings;
    const QByteArray bytes = writeClc(bench::randomTape(bench::kBenchLines, false), settings);
    for (auto _ : state) {
        Tape tape;
        if (!readClc(bytes, settings, tape, nullptr)) {
            state.SkipWithError("the file did not read");
        }
        benchmark::DoNotOptimize(tape);
    }
}

// The whole file round: through the file system, the save including its replace of the target.
void BM_ClcSaveFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.Clc"));
    const Tape tape = bench::randomTape(bench::kBenchLines, false);
    const RegionalSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveClc(path, tape, settings, nullptr));
    }
}

void BM_ClcLoadFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.Clc"));
    const RegionalSettings settings;
    saveClc(path, bench::randomTape(bench::kBenchLines, false), settings, nullptr);
    for (auto _ : state) {
        Tape tape;
        if (!loadClc(path, settings, tape, nullptr)) {
            state.SkipWithError("the file did not load");
        }
        benchmark::DoNotOptimize(tape);
    }
}

BENCHMARK(BM_ClcWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClcRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClcSaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClcLoadFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tallimer
