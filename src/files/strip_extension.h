// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

namespace tallimer {

// The text before its last "." (which may be empty); the text unchanged when it has none. The
// whole text is searched, so a "." in a folder name counts when the file name has none.
QString StripExtension(const QString& text);

// The characters the file-name box discards as they are typed: * / : < > ? \ " and |.
bool discardedInFileName(QChar character);

}  // namespace tallimer
