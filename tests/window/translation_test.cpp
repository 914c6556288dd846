#include <QMenuBar>
#include <QPrinterInfo>
#include <QTranslator>

#include "platform/ui_translations.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// Every menu title and item, then the total box and the no-printer message.
QStringList windowTexts(const QString& language) {
    installTranslations({language}, QStringLiteral(TALLIMER_QM_DIR));
    Rolling_Caculator window(englishSettings());
    QStringList texts;
    window.setMessageFunction([&texts](const QString& text) { texts << text; });
    for (QAction* menu : window.menuBar()->actions()) {
        texts << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator()) {
                texts << item->text();
            }
        }
    }
    texts << window.totalText();
    window.printTo(QPrinterInfo());
    removeTranslations();
    return texts;
}

class Translation : public ::testing::TestWithParam<const char*> {};

TEST_P(Translation, WindowTextsComeFromTheLanguagesQmFile) {
    const QString language = QString::fromLatin1(GetParam());
    const QStringList english = windowTexts(QStringLiteral("en"));
    const QStringList shown = windowTexts(language);
    QTranslator qm;
    const bool known = qm.load(QStringLiteral("tallimer_") + language, TALLIMER_QM_DIR);
    EXPECT_EQ(known, language != QStringLiteral("xx"));
    ASSERT_EQ(shown.size(), english.size());
    int translated = 0;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QByteArray source = english[i].toUtf8();
        QString expected = qm.translate("tallimer::Rolling_Caculator", source);
        expected = expected.isEmpty() ? qm.translate("Total", source) : expected;
        expected = expected.isEmpty() ? english[i] : expected;
        EXPECT_EQ(shown[i], expected) << source.constData();
        translated += shown[i] != english[i] ? 1 : 0;
    }
    // Digit items such as "0.00" read alike everywhere; the words do not.
    EXPECT_GE(translated, known ? 10 : 0);
    EXPECT_EQ(translated == 0, !known);
}

INSTANTIATE_TEST_SUITE_P(Languages, Translation,
                         ::testing::Values("de", "fr", "es", "it", "nl", "pt_BR", "pl", "xx"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tallimer
