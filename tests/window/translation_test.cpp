// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <tuple>

#include <QClipboard>
#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTextLayout>
#include <QXmlStreamReader>

#include "controls/widget_look.h"
#include "platform/ui_translations.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// A .ts file's finished translations of the window's texts, by English text; plural forms by
// the English text with its "%n".
struct TsFile {
    QHash<QString, QString> texts;
    QHash<QString, QStringList> plurals;
    QString whole;  // the file's text, translations and all
};

// Whether every character is drawn by a font the program finds, falling back from the
// controls' Arial, rather than as a box.
bool drawnWithGlyphs(const QString& text) {
    QTextLayout layout(text, arial(11.25));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.begin(), runs.end(),
                        [](const QGlyphRun& run) { return run.glyphIndexes().contains(0); });
}

TsFile readTs(const QString& language) {
    TsFile ts;
    QFile file(QStringLiteral(TALLIMER_TRANSLATIONS "/tallimer_") + language +
               QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        return ts;
    }
    ts.whole = QString::fromUtf8(file.readAll()).simplified();
    file.seek(0);
    const QStringList windowContexts = {
        QStringLiteral("tallimer::Rolling_Caculator"), QStringLiteral("tallimer::FileCommands"),
        QStringLiteral("tallimer::LoadSave"), QStringLiteral("Total")};
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (!windowContexts.contains(context)) {
            continue;
        } else if (xml.name() == u"numerusform") {
            ts.plurals[source] << xml.readElementText();
        } else if (xml.name() == u"translation" && !numerus &&
                   xml.attributes().value(QLatin1String("type")).isEmpty()) {
            ts.texts.insert(source, xml.readElementText());
        }
    }
    return ts;
}

// Every menu title and item, the total box, the no-printer message and the messages of pastes
// that lose 1, 2 and 5 lines, under one language loaded as the program loads it.
QStringList windowTexts(const QString& language) {
    installTranslations({language}, QStringLiteral(":/i18n"));
    Rolling_Caculator window(englishSettings());
    // The menus follow the language's direction; the tape stays left to right.
    EXPECT_EQ(window.menuBar()->layoutDirection(), QLocale(language).textDirection());
    EXPECT_EQ(window.findChild<QLineEdit*>()->layoutDirection(), Qt::LeftToRight);
    QStringList texts{window.totalText()};
    window.setMessageFunction([&texts](const QString& text) { texts << text; });
    window.printTo(QString());
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* item : QList<QAction*>{menu} + menu->menu()->actions()) {
            texts << item->text();  // a separator reads ""
        }
    }
    const int fits = window.lastRow() + 1 + 32001;
    for (const int lost : {1, 2, 5}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("1\n").repeated(fits + lost - 1) +
                                              u'1');
        window.P_m_Click();
    }
    installTranslations({QStringLiteral("en")}, QStringLiteral(":/i18n"));  // as the tests run
    return texts;
}

TEST(Translation, WindowShowsTheTsFilesTranslationsOrEnglishForAnUnknownLanguage) {
    const QString lostLines = QStringLiteral("%n line(s) of the clipboard were not pasted.");
    const QStringList english = windowTexts(QStringLiteral("en"));
    const QStringList englishPlurals = readTs(QStringLiteral("en")).plurals.value(lostLines);
    ASSERT_EQ(englishPlurals.size(), 2);
    // Each language's number of plural forms, and the forms that 1, 2 and 5 take.
    const std::tuple<const char*, qsizetype, std::array<qsizetype, 3>> table[] = {
        {"de", 2, {0, 1, 1}}, {"fr", 2, {0, 1, 1}},    {"es", 2, {0, 1, 1}}, {"it", 2, {0, 1, 1}},
        {"nl", 2, {0, 1, 1}}, {"pt_BR", 2, {0, 1, 1}}, {"pl", 3, {0, 1, 2}}, {"ar", 6, {1, 2, 3}},
        {"he", 2, {0, 1, 1}}, {"fa", 1, {}},           {"zh_CN", 1, {}},     {"ja", 1, {}},
        {"ko", 1, {}},        {"ru", 3, {0, 1, 2}},    {"uk", 3, {0, 1, 2}}, {"tr", 1, {}},
        {"xx", 2, {0, 1, 1}}};
    for (const auto& [name, count, oneTwoFive] : table) {
        const QString language = QString::fromLatin1(name);
        SCOPED_TRACE(name);
        const TsFile ts = readTs(language);
        ASSERT_EQ(ts.texts.isEmpty(), language == u"xx");
        EXPECT_TRUE(drawnWithGlyphs(ts.whole));
        // The dialog's label box is cut to the English caption's width.
        const QFontMetricsF label(arial(11.25, true));
        const QString fileName = QStringLiteral("File Name:");
        EXPECT_LE(label.horizontalAdvance(ts.texts.value(fileName, fileName)),
                  label.horizontalAdvance(fileName));
        QStringList expected;
        for (qsizetype i = 0; i + 3 < english.size(); ++i) {
            expected << ts.texts.value(english[i], english[i]);
        }
        const QStringList forms = ts.plurals.value(lostLines, englishPlurals);
        ASSERT_EQ(forms.size(), count);
        EXPECT_EQ(
            ts.plurals
                .value(QStringLiteral("%n lines were not numbers and count as 0."), englishPlurals)
                .size(),
            count);
        for (const int n : {1, 2, 5}) {
            const qsizetype form = oneTwoFive[n == 1 ? 0 : n == 2 ? 1 : 2];
            expected << QString(forms[form]).replace(QStringLiteral("%n"), QString::number(n));
        }
        EXPECT_EQ(windowTexts(language), expected);
    }
}

}  // namespace
}  // namespace tallimer
