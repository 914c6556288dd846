// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tallimer::fuzz {

// One entry per way outside input reaches the program. Each takes any bytes, must never crash,
// and aborts (fuzzAssert) when a rule that must always hold is broken. The same functions run
// under libFuzzer and in the corpus replay test.
using Entry = int (*)(const std::uint8_t* data, std::size_t size);

int clcReaderEntry(const std::uint8_t* data, std::size_t size);
int numberReadingEntry(const std::uint8_t* data, std::size_t size);
int totalArgumentsEntry(const std::uint8_t* data, std::size_t size);
int sessionEntry(const std::uint8_t* data, std::size_t size);
int pasteEntry(const std::uint8_t* data, std::size_t size);
int fileNameEntry(const std::uint8_t* data, std::size_t size);

struct Target {
    const char* name;  // also the folder of its corpus, fuzz/corpus/<name>
    Entry entry;
};

std::span<const Target> targets();

}  // namespace tallimer::fuzz
