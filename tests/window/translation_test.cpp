#include <QFileInfo>
#include <QMenuBar>
#include <QTranslator>

#include "platform/ui_translations.h"
#include "window_fixture.h"

namespace tallimer {

const QString kQmFolder = QFileInfo(QStringLiteral(TALLIMER_BINARY)).path();

// Every menu title and item, the total box and the no-printer message, under one language.
static QStringList windowTexts(const QString& language) {
    installTranslations({language}, kQmFolder);
    Rolling_Caculator window(englishSettings());
    QStringList texts{window.totalText()};
    window.setMessageFunction([&texts](const QString& text) { texts << text; });
    window.printTo(QString());
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* item : QList<QAction*>{menu} + menu->menu()->actions()) {
            texts << item->text();  // a separator reads ""
        }
    }
    removeTranslations();
    return texts;
}

TEST(Translation, WindowTextsAreTheQmFilesOrEnglishForAnUnknownLanguage) {
    const QStringList english = windowTexts(QStringLiteral("en"));
    for (const QString language : {"de", "fr", "es", "it", "nl", "pt_BR", "pl", "xx"}) {
        QTranslator qm;
        ASSERT_EQ(qm.load(QStringLiteral("tallimer_") + language, kQmFolder), language != u"xx");
        QStringList expected;
        for (const QString& text : english) {
            const QString t = qm.translate("tallimer::Rolling_Caculator", text.toUtf8()) +
                              qm.translate("Total", text.toUtf8());
            expected << (t.isEmpty() ? text : t);
        }
        EXPECT_EQ(windowTexts(language), expected) << language.toStdString();
        EXPECT_NE(expected == english, language != u"xx") << language.toStdString();
    }
}

}  // namespace tallimer
