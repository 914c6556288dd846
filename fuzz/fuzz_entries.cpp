// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz_entries.h"

namespace tallimer::fuzz {

std::span<const Target> targets() {
    static constexpr Target kTargets[] = {
        {"clc_reader", clcReaderEntry},
        {"number_reading", numberReadingEntry},
        {"total_arguments", totalArgumentsEntry},
        {"session", sessionEntry},
        {"paste", pasteEntry},
        {"file_name", fileNameEntry},
    };
    return kTargets;
}

}  // namespace tallimer::fuzz
