#pragma once

#include <QByteArray>

namespace tallimer {

// What `tallimer --help` prints: the whole command line, as the manual page documents it.
QByteArray helpText();

// The synopsis and options of `--total` alone, printed after a bad `--total` argument.
QByteArray totalUsage();

}  // namespace tallimer
