// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include "platform/regional.h"

namespace tallimer::testing {

// The pinned locales every formatting and reading test runs under.
inline RegionalSettings settingsFor(const char* name) {
    return RegionalSettings::fromLocale(QLocale(QString::fromLatin1(name)));
}

inline const char* const kPinnedLocales[] = {"en_US", "de_DE", "fr_FR", "de_CH", "en_IN"};

}  // namespace tallimer::testing
