// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <tuple>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QRawFont>
#include <QRegularExpression>
#include <QScreen>
#include <QTextLayout>
#include <QXmlStreamReader>

#include "controls/widget_look.h"
#include "platform/twips.h"
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

// Whether the ink of a text, centred in a box of the given height as a label centres it, stays
// inside the box: marks stacked above or below a letter (Thai tone marks) are not cut off.
bool inkFitsHeight(const QString& text, const QFont& font, double height) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const double top = (height - line.height()) / 2;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::all_of(runs.begin(), runs.end(), [&](const QGlyphRun& run) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF ink = run.rawFont().boundingRect(glyphs[i]).translated(at[i]);
            if (top + ink.top() < 0 || top + ink.bottom() > height) {
                return false;
            }
        }
        return true;
    });
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
        {"zh_TW", 1, {}},     {"cs", 3, {0, 1, 2}},    {"sv", 2, {0, 1, 1}}, {"da", 2, {0, 1, 1}},
        {"nb", 2, {0, 1, 1}}, {"fi", 2, {0, 1, 1}},    {"hu", 1, {}},        {"ro", 3, {0, 1, 1}},
        {"el", 2, {0, 1, 1}}, {"bg", 2, {0, 1, 1}},    {"vi", 1, {}},        {"id", 1, {}},
        {"hi", 2, {0, 1, 1}}, {"th", 1, {}},           {"xx", 2, {0, 1, 1}}};
    // Every translation shipped is in the table, so each has its glyphs and plural forms checked.
    QStringList shipped =
        QDir(QStringLiteral(TALLIMER_TRANSLATIONS))
            .entryList({QStringLiteral("tallimer_*.ts")}, QDir::Files)
            .replaceInStrings(QRegularExpression(QStringLiteral("^tallimer_|\\.ts$")), QString());
    shipped.removeOne(QStringLiteral("en"));
    shipped.sort();
    QStringList tabled;
    for (const auto& row : table) {
        tabled << QString::fromLatin1(std::get<0>(row));
    }
    tabled.removeOne(QStringLiteral("xx"));
    tabled.sort();
    EXPECT_EQ(tabled, shipped);
    for (const auto& [name, count, oneTwoFive] : table) {
        const QString language = QString::fromLatin1(name);
        SCOPED_TRACE(name);
        const TsFile ts = readTs(language);
        ASSERT_EQ(ts.texts.isEmpty(), language == u"xx");
        EXPECT_TRUE(drawnWithGlyphs(ts.whole));
        // The dialog's label box is cut to the English caption's width, 270 twips high.
        const QFontMetricsF label(arial(11.25, true));
        const QString fileName = QStringLiteral("File Name:");
        EXPECT_LE(label.horizontalAdvance(ts.texts.value(fileName, fileName)),
                  label.horizontalAdvance(fileName));
        // A statistic's label leaves the total box (458 pixels, 18 point) three fifths for its
        // number.
        const QFontMetricsF total(arial(18, true));
        for (const char* statistic : {"Average : ", "Mean : ", "Mode : "}) {
            EXPECT_LE(total.horizontalAdvance(ts.texts.value(QString::fromLatin1(statistic))),
                      458 * 2 / 5.0)
                << statistic;
        }
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
        EXPECT_TRUE(inkFitsHeight(ts.texts.value(fileName, fileName), arial(11.25, true),
                                  twipsToPixels(270, twipsPerPixel(dpi))));
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
