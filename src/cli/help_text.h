// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace tallimer {

// What `tallimer --help` prints: the whole command line, as the manual page documents it.
QByteArray helpText();

// What `tallimer --version` prints: the name, the version, the copyright and the license.
QByteArray versionText();

// The synopsis and options of `--total` alone, printed after a bad `--total` argument.
QByteArray totalUsage();

}  // namespace tallimer
