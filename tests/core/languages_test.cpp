// SPDX-License-Identifier: GPL-3.0-or-later
// The language the environment asks for (languages.tsv), translated texts filled byte for
// byte, counts in English without a translation, and the translations built in.

#include "core/common/languages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <map>

#include "core/common/messages.h"
#include "core/common/translated_text.h"
#include "test_support.h"

namespace {

using pw::test::TableRow;

class WantedLanguages : public testing::TestWithParam<TableRow> {};

TEST_P(WantedLanguages, FollowTheLocaleOfMessagesAndLanguage) {
    const TableRow& row = GetParam();
    std::map<std::string, QString> environment;
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    for (std::size_t at = 0; at < 4; ++at) {
        if (row.at(at) != "-") {
            environment[names[at]] = QString::fromStdString(row.at(at));
        }
    }
    const QStringList languages = pw::wantedLanguages([&](const char* name) {
        const auto found = environment.find(name);
        return found == environment.end() ? QString() : found->second;
    });
    const QString expected = row.at(4) == "-" ? QString() : QString::fromStdString(row.at(4));
    EXPECT_EQ(languages.join(u' '), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, WantedLanguages,
                         testing::ValuesIn(pw::test::readRows(PANELWRIGHT_TEST_DATA
                                                              "/languages.tsv")),
                         pw::test::RowNamer());

TEST(TranslatedText, FillsPlaceholdersByteForByteAndOnlyOnce) {
    const QString text = QStringLiteral("ERROR: file %1 is %2, not %3 %9 100%");
    EXPECT_EQ(pw::filled(text, {"\xE9.map", "%2 %1", "3"}),
              "ERROR: file \xE9.map is %2 %1, not 3 %9 100%");
    EXPECT_EQ(pw::filled(QStringLiteral("Feld \u00e9 %1"), {"x"}), "Feld \xC3\xA9 x");
}

TEST(TranslatedText, CountsInEnglishWithoutATranslation) {
    for (const auto& [count, expected] :
         std::vector<std::pair<int, QString>>{{0, "0 cells"}, {1, "1 cell"}, {2, "2 cells"}}) {
        EXPECT_EQ(pw::counted("TranslatedTextTest", count, "%n cell", "%n cells"), expected);
    }
}

// The languages asked for, best first, and the language of the translation installed
// ("" for the English of the sources): the first language built in is taken, whatever
// lies in any folder.
TEST(Translations, TheFirstLanguageBuiltInIsInstalled) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"de_DE", "de"}, "de"}, {{"it", "fr_FR", "fr"}, "fr"}, {{"en", "de"}, ""}, {{"it"}, ""}};
    for (const auto& [languages, expected] : cases) {
        pw::installTranslations(app, languages);
        const QList<QTranslator*> installed = app.findChildren<QTranslator*>();
        const std::string text = pw::messages::translated(pw::messages::kMapCreated);
        EXPECT_EQ(installed.isEmpty() ? QString() : installed.front()->language(), expected)
            << languages.join(u' ').toStdString();
        EXPECT_EQ(text == pw::messages::kMapCreated, expected.isEmpty()) << text;
        qDeleteAll(installed);
    }
}

}  // namespace
