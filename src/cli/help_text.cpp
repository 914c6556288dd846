// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/help_text.h"

#include "platform/product.h"

namespace tallimer {

namespace {

constexpr char kTotalSynopsis[] = "tallimer --total FILE [--decimals PLACES] [--function NAME]\n";

constexpr char kTotalOptions[] =
    "  --total FILE        print the total of the calculation file FILE as the total box\n"
    "                      shows it, and exit; no display is needed\n"
    "  --decimals PLACES   with --total: 0 to 6, or variable (the default; 25 means the same)\n"
    "  --function NAME     with --total: numbers (the running total, the default), average,\n"
    "                      mean (the middle value) or mode (the most frequent value)\n";

}  // namespace

QByteArray helpText() {
    QByteArray text("Usage: tallimer [FILE.Clc]\n");
    text += "       ";
    text += kTotalSynopsis;
    text +=
        "       tallimer --controls-gallery\n"
        "       tallimer --version\n"
        "       tallimer --help\n"
        "\n"
        "Without options, opens the calculator window. Arguments that contain \".Clc\" name\n"
        "a calculation file to open in it.\n"
        "\n";
    text += kTotalOptions;
    text +=
        "  --controls-gallery  show the painted buttons and scroll bars in all their looks\n"
        "  --version           print the name, version, copyright and license, and exit\n"
        "  --help              print this help, and exit\n"
        "\n"
        "--total exits 0 when it printed the total, 1 when the file cannot be read and 2 on\n"
        "bad arguments. Numbers follow LC_ALL, LC_NUMERIC or LANG. See tallimer(1).\n"
        "\n"
        "License: " TALLIMER_LICENSE "; --version says more.\n";
    return text;
}

QByteArray versionText() {
    return QByteArray(kProductTitle) +
           " " TALLIMER_VERSION
           "\n"
           "Copyright " TALLIMER_COPYRIGHT
           "\n"
           "License: " TALLIMER_LICENSE
           ", the GNU General Public License, version 3 or any later version\n"
           "<https://www.gnu.org/licenses/gpl-3.0.html>. This is free software: you may change\n"
           "and redistribute it under that license. There is NO WARRANTY, to the extent\n"
           "permitted by law.\n";
}

QByteArray totalUsage() {
    return QByteArray("Usage: ") + kTotalSynopsis + kTotalOptions;
}

}  // namespace tallimer
