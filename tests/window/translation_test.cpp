#include <algorithm>
#include <cstring>
#include <iterator>

#include <QMenuBar>
#include <QPrinterInfo>
#include <QTranslator>

#include "platform/ui_translations.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

// Every menu title and item, the total box and the no-printer message, under one language.
QStringList windowTexts(const QString& language) {
    installTranslations({language}, QStringLiteral(TALLIMER_QM_DIR));
    Rolling_Caculator window(englishSettings());
    QStringList texts{window.totalText()};
    window.setMessageFunction([&texts](const QString& text) { texts << text; });
    window.printTo(QPrinterInfo());
    for (QAction* menu : window.menuBar()->actions()) {
        texts << menu->text();
        std::ranges::transform(menu->menu()->actions(), std::back_inserter(texts),
                               &QAction::text);  // a separator reads ""
    }
    removeTranslations();
    return texts;
}

class Translation : public ::testing::TestWithParam<const char*> {};

TEST_P(Translation, WindowTextsAreTheQmFilesOrEnglish) {
    const QStringList english = windowTexts(QStringLiteral("en"));
    const QStringList shown = windowTexts(QString::fromLatin1(GetParam()));
    QTranslator qm;
    const bool known = qm.load(QStringLiteral("tallimer_%1").arg(GetParam()), TALLIMER_QM_DIR);
    ASSERT_EQ(shown.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QByteArray source = english[i].toUtf8();
        const QString expected =
            qm.translate("tallimer::Rolling_Caculator", source) + qm.translate("Total", source);
        EXPECT_EQ(shown[i], expected.isEmpty() ? english[i] : expected) << source.constData();
    }
    EXPECT_EQ(known, std::strcmp(GetParam(), "xx") != 0);
    EXPECT_EQ(shown != english, known);
}

INSTANTIATE_TEST_SUITE_P(Languages, Translation,
                         ::testing::Values("de", "fr", "es", "it", "nl", "pt_BR", "pl", "xx"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tallimer
