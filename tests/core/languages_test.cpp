// SPDX-License-Identifier: GPL-3.0-or-later
// The language the environment asks for (languages.tsv), translated texts filled byte for
// byte, counts in English without a translation, and a translation that cannot be loaded
// or translates nothing.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <map>

#include "core/common/languages.h"
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

TEST(Translations, AMissingOrDamagedFileLeavesEnglish) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.path() / "panelwright_de.qm", "not a translation");
    // What lrelease makes of a file that translates nothing yet.
    pw::test::writeFile(folder.path() / "panelwright_fr.qm",
                        std::string("<\xB8\x64\x18\xCA\xEF\x9C\x95\xCD!\x1C\xBF`\xA1\xBD\xDD"
                                    "\xA7\0\0\0\x02"
                                    "de\x88\0\0\0\x02\x01\x01",
                                    30));
    const QString where = QString::fromStdString(folder.path().string());
    pw::installTranslations(app, {"de_DE", "de", "fr"}, where);
    EXPECT_EQ(app.findChildren<QTranslator*>().size(), 0);
    EXPECT_EQ(pw::counted("Messages", 1, "%n cell does not meet",
                          QT_TRANSLATE_N_NOOP("Messages", "%n cells do not meet")),
              "1 cell does not meet");
}

}  // namespace
