// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/strip_extension.h"

#include <QStringView>

namespace tallimer {

QString StripExtension(const QString& text) {
    const qsizetype dot = text.lastIndexOf(u'.');
    return dot < 0 ? text : text.left(dot);
}

bool discardedInFileName(QChar character) {
    return QStringView(u"*/:<>?\\\"|").contains(character);
}

}  // namespace tallimer
