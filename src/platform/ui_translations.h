// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace tallimer {

// Installs the program's translation for the first of the given UI languages that has one,
// and Qt's own qtbase translation for Qt's dialogs. English, a language without a translation,
// or a missing or broken file gives the English texts, with the English plural forms. Needs a
// QCoreApplication.
void installTranslations(const QStringList& uiLanguages, const QString& folder);

// Removes what installTranslations put in, so the texts are English again.
void removeTranslations();

}  // namespace tallimer
