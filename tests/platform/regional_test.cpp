// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "locales.h"
#include "platform/regional.h"
#include "test_names.h"

namespace tallimer {
namespace {

struct LocaleCase {
    const char* locale;
    char16_t group;
    char16_t decimal;
    int primary;
    int secondary;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.locale;
}

class RegionalFromLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(RegionalFromLocale, ReadsSymbolsAndGrouping) {
    const LocaleCase& c = GetParam();
    const RegionalSettings s = testing::settingsFor(c.locale);
    EXPECT_EQ(s.groupSymbol, QChar(c.group)) << c.locale;
    EXPECT_EQ(s.decimalSymbol, QChar(c.decimal)) << c.locale;
    EXPECT_EQ(s.primaryGroup, c.primary) << c.locale;
    EXPECT_EQ(s.secondaryGroup, c.secondary) << c.locale;
}

INSTANTIATE_TEST_SUITE_P(Pinned, RegionalFromLocale,
                         ::testing::Values(LocaleCase{"en_US", u',', u'.', 3, 3},
                                           LocaleCase{"de_DE", u'.', u',', 3, 3},
                                           LocaleCase{"fr_FR", u'\u202f', u',', 3, 3},
                                           LocaleCase{"de_CH", u'\u2019', u'.', 3, 3},
                                           LocaleCase{"en_IN", u',', u'.', 3, 2},
                                           // Groups only from five digits on, yet grouped.
                                           LocaleCase{"es_ES", u'.', u',', 3, 3},
                                           LocaleCase{"C", u',', u'.', 3, 3}),
                         [](const auto& info) { return std::string(info.param.locale); });

TEST(RegionalFromLocale, TheCLocaleStillHasItsGroupSymbol) {
    // QLocale::c() omits group separators unless asked: the symbol must not become a digit.
    const RegionalSettings s = RegionalSettings::fromLocale(QLocale::c());
    EXPECT_EQ(s.groupSymbol, QChar(u','));
    EXPECT_EQ(s.decimalSymbol, QChar(u'.'));
}

struct EnvironmentCase {
    const char* name;
    const char* lang;  // nullptr: unset
    const char* lcNumeric;
    const char* expected;
};

void PrintTo(const EnvironmentCase& c, std::ostream* os) {
    *os << c.name;
}

class RegionalSystem : public ::testing::TestWithParam<EnvironmentCase> {};

TEST_P(RegionalSystem, HonoursTheEnvironment) {
    const EnvironmentCase& c = GetParam();
    QProcessEnvironment env;  // empty: no LANG, LC_ALL or LC_NUMERIC from the test's shell
    env.insert("TALLIMER_PRINT_REGIONAL", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (c.lang != nullptr) {
        env.insert("LANG", c.lang);
    }
    if (c.lcNumeric != nullptr) {
        env.insert("LC_NUMERIC", c.lcNumeric);
    }
    QProcess child;
    child.setProcessEnvironment(env);
    // The test main sees TALLIMER_PRINT_REGIONAL and prints what system() found, running no test.
    child.start(QCoreApplication::applicationFilePath(), QStringList{});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const auto match = QRegularExpression("REGIONAL\\[([^\\]]*)\\]").match(output);
    ASSERT_TRUE(match.hasMatch()) << output.toStdString();
    EXPECT_EQ(match.captured(1).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Children, RegionalSystem,
    ::testing::Values(EnvironmentCase{"LangUnset", nullptr, nullptr, ",|.|3|3"},
                      EnvironmentCase{"LangC", "C", nullptr, ",|.|3|3"},
                      EnvironmentCase{"LangGerman", "de_DE.UTF-8", nullptr, ".|,|3|3"},
                      EnvironmentCase{"NumericOverridesLang", "en_US.UTF-8", "de_DE.UTF-8",
                                      ".|,|3|3"},
                      EnvironmentCase{"LangIndia", "en_IN.UTF-8", nullptr, ",|.|3|2"}),
    test_names::ByName{});

}  // namespace
}  // namespace tallimer
