#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QXmlStreamReader>

#include "platform/ui_translations.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// A .ts file's finished translations of the window's texts, by English text; plural forms by
// the English text with its "%n".
struct TsFile {
    QHash<QString, QString> texts;
    QHash<QString, QStringList> plurals;
};

TsFile readTs(const QString& language) {
    TsFile ts;
    QFile file(QStringLiteral(TALLIMER_TRANSLATIONS "/tallimer_") + language +
               QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        return ts;
    }
    const QStringList windowContexts = {QStringLiteral("tallimer::Rolling_Caculator"),
                                        QStringLiteral("tallimer::FileCommands"),
                                        QStringLiteral("Total")};
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
    for (const QString language : {"de", "fr", "es", "it", "nl", "pt_BR", "pl", "xx"}) {
        SCOPED_TRACE(language.toStdString());
        const TsFile ts = readTs(language);
        ASSERT_EQ(ts.texts.isEmpty(), language == u"xx");
        QStringList expected;
        for (qsizetype i = 0; i + 3 < english.size(); ++i) {
            expected << ts.texts.value(english[i], english[i]);
        }
        // 1, 2 and 5 take the first, second and last form in every language here.
        const QStringList forms = ts.plurals.value(lostLines, englishPlurals);
        ASSERT_EQ(forms.size(), language == u"pl" ? 3 : 2);
        for (const int n : {1, 2, 5}) {
            const qsizetype form = n == 1 ? 0 : n == 2 ? 1 : forms.size() - 1;
            expected << QString(forms[form]).replace(QStringLiteral("%n"), QString::number(n));
        }
        EXPECT_EQ(windowTexts(language), expected);
    }
}

}  // namespace
}  // namespace tallimer
