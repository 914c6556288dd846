// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

#include "platform/regional.h"

namespace tallimer {

// True when the command line asks for the headless total, which runs before any application
// object exists and needs no display.
bool isTotalCommand(int argc, char** argv);

// `tallimer --total FILE [--decimals 0..6|variable|25] [--function numbers|average|mean|mode]`.
// `arguments` excludes the program name. Writes what the process prints to `out` and `err` and
// returns its exit code: 0 done, 1 file not readable, 2 bad arguments.
int runTotalCommand(const QStringList& arguments, const RegionalSettings& settings, QByteArray& out,
                    QByteArray& err);

// The same on the real command line, standard output and error, and the user's regional
// settings from the environment (LANG, LC_ALL, LC_NUMERIC).
int runTotalCommand(int argc, char** argv);

}  // namespace tallimer
