// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ui_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tallimer {

namespace {

// Qt takes the whole program's layout direction from this text of the loaded translations.
//: LTR in a language written left to right, RTL in one written right to left.
[[maybe_unused]] constexpr const char* kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// Owned by the application object, so they live as long as the texts that use them.
QTranslator* installed(const char* name) {
    return QCoreApplication::instance()->findChild<QTranslator*>(QString::fromLatin1(name),
                                                                 Qt::FindDirectChildrenOnly);
}

void install(const char* name, const QLocale& locale, const QString& prefix,
             const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QString::fromLatin1(name));
    if (translator->load(locale, prefix, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void installTranslations(const QStringList& uiLanguages, const QString& folder) {
    removeTranslations();
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
            break;
        }
        install("tallimer", locale, QStringLiteral("tallimer"), folder);
        if (installed("tallimer") != nullptr) {
            install("qtbase", locale, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
    // English, asked for or for want of another: the source texts, and the plural forms of the
    // texts that count.
    install("tallimer", QLocale(QLocale::English), QStringLiteral("tallimer"), folder);
}

void removeTranslations() {
    for (const char* name : {"tallimer", "qtbase"}) {
        delete installed(name);  // its destructor uninstalls it
    }
}

}  // namespace tallimer
