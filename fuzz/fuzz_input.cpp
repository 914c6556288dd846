// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz_input.h"

#include <array>

#include <QLocale>

namespace tallimer::fuzz {

const RegionalSettings& settingsFor(std::uint8_t choice) {
    static const std::array<RegionalSettings, 5> kSettings = [] {
        std::array<RegionalSettings, 5> all;
        const char* const names[] = {"en_US", "de_DE", "fr_FR", "de_CH", "en_IN"};
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = RegionalSettings::fromLocale(QLocale(QString::fromLatin1(names[i])));
        }
        return all;
    }();
    return kSettings[choice % kSettings.size()];
}

}  // namespace tallimer::fuzz
