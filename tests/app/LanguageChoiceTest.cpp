// The table of languages and the choice of one at start, without any window.
#include "LanguageTable.h"

#include <QSet>

#include <gtest/gtest.h>

namespace orvane::ui {
namespace {

TEST(LanguageTable, EveryRowIsWholeAndItsCodeNamesIt) {
    QSet<QString> codes, objectNames;
    ASSERT_GE(Languages().size(), 2u);
    EXPECT_EQ(Languages().front().language, Language::Russian); // the language of the source texts
    for (const LanguageRow& row : Languages()) {
        EXPECT_EQ(LanguageFromCode(QString::fromLatin1(row.code)), row.language) << row.code;
        EXPECT_EQ(&RowOf(row.language), &row);
        EXPECT_EQ(LocaleOf(row.language).language(), row.localeLanguage);
        // The date field reads its locale's day names: the locale is the row's language, not C.
        EXPECT_EQ(QLocale::languageToCode(row.localeLanguage), QString::fromLatin1(row.code)) << row.code;
        EXPECT_FALSE(QString::fromUtf8(row.nativeName).isEmpty());
        EXPECT_TRUE(
            QString::fromLatin1(row.translation).endsWith(QStringLiteral("orvane_%1.qm").arg(row.code)));
        codes.insert(QString::fromLatin1(row.code));
        objectNames.insert(QString::fromLatin1(row.menuObjectName));
    }
    EXPECT_EQ(codes.size(), qsizetype(Languages().size()));
    EXPECT_EQ(objectNames.size(), qsizetype(Languages().size()));
    EXPECT_EQ(LanguageCodes(), "ru, en");
    EXPECT_EQ(LanguageFromCode(u"EN"), std::nullopt); // as the command line has always been: exact codes
    EXPECT_EQ(LanguageFromCode(u""), std::nullopt);
}

TEST(LanguageChoice, TheDesktopDecidesOnlyWhenNobodyChose) {
    const QStringList english = {"en-US", "en"};
    const QStringList russian = {"ru-RU", "ru"};
    // Nobody chose: the desktop's first language the program has.
    EXPECT_EQ(StartupLanguage({}, std::nullopt, english), Language::English);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, {"en_GB.UTF-8"}), Language::English);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, russian), Language::Russian);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, {"de-DE", "de"}), Language::Russian);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, {"de-DE", "en-GB"}), Language::English);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, {"de", "ru", "en"}), Language::Russian);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, {"C"}), Language::Russian);
    EXPECT_EQ(StartupLanguage({}, std::nullopt, {}), Language::Russian);
    // A region or script of a language the program has counts as that language; a longer code does not.
    EXPECT_EQ(LanguageOfDesktop({"en-Latn-US"}), Language::English);
    EXPECT_EQ(LanguageOfDesktop({"eng"}), std::nullopt);
    EXPECT_EQ(LanguageOfDesktop({"rue"}), std::nullopt);
    // The saved choice wins over the desktop, --lang over both.
    EXPECT_EQ(StartupLanguage({}, Language::Russian, english), Language::Russian);
    EXPECT_EQ(StartupLanguage({}, Language::English, russian), Language::English);
    EXPECT_EQ(StartupLanguage("ru", Language::English, english), Language::Russian);
    EXPECT_EQ(StartupLanguage("en", std::nullopt, russian), Language::English);
    // A code the parser would have refused changes nothing.
    EXPECT_EQ(StartupLanguage("de", std::nullopt, english), Language::English);
}

} // namespace
} // namespace orvane::ui
