// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz_entries.h"

// libFuzzer's entry for one target, named at build time.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tallimer::fuzz::Entry entry = [] {
        for (const tallimer::fuzz::Target& target : tallimer::fuzz::targets()) {
            if (std::strcmp(target.name, TALLIMER_FUZZ_TARGET) == 0) {
                return target.entry;
            }
        }
        return tallimer::fuzz::Entry{};
    }();
    return entry(data, size);
}
