// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/regional.h"

namespace tallimer::fuzz {

// A rule that must hold for every input. Aborts, so that the fuzzer keeps the input and the
// replay test fails, in every build type.
#define FUZZ_ASSERT(condition)                                                           \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (false)

// Takes an input apart from the front; past its end every read gives 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_pos >= m_size; }
    std::size_t remaining() const { return empty() ? 0 : m_size - m_pos; }
    const std::uint8_t* rest() const { return m_data + m_pos; }

    std::uint8_t byte() { return empty() ? 0 : m_data[m_pos++]; }
    int upTo(int count) { return count <= 0 ? 0 : byte() % count; }
    int upTo16(int count) {
        const int high = byte();
        return count <= 0 ? 0 : ((high << 8) | byte()) % count;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// The regional settings an input runs under, chosen by one byte: en_US, de_DE (comma
// decimal), fr_FR (a space-like group symbol), de_CH (apostrophe), en_IN (groups 3 then 2).
const RegionalSettings& settingsFor(std::uint8_t choice);

}  // namespace tallimer::fuzz
