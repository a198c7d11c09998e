#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace orvane::ui {

// The languages of the program. Russian is the language of the source texts.
enum class Language { Russian, English };

// Everything the program knows of one language. Adding a language is its row in the table (LanguageTable.cpp)
// and its translation file i18n/orvane_<code>.ts; the command line, the language menu, the date dialog, the
// measurements' and the errors' texts all read the row.
struct LanguageRow {
    Language language;
    const char* code;       // as the command line and the settings write it: "ru"
    const char* nativeName; // as the language menu names it, in the language itself (UTF-8)
    const char* menuObjectName;
    const char* translation;          // the compiled translation in the program's resources
    QLocale::Language localeLanguage; // the date field's and the calendar's locale, Qt's own translations
    QLocale::Territory localeTerritory;
};

std::span<const LanguageRow> Languages();
const LanguageRow& RowOf(Language language);
QLocale LocaleOf(Language language);

// "ru", "en"... exactly as the table writes them.
std::optional<Language> LanguageFromCode(QStringView code);
QString LanguageCode(Language language);
// The codes of every language, "ru, en", for a message that lists them.
QString LanguageCodes();

// The first of the desktop's preferred UI languages ("en-GB", "de_DE", "ru") that the program has.
std::optional<Language> LanguageOfDesktop(const QStringList& preferred);
// The desktop's preferred UI languages as the system tells them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QStringList DesktopLanguages();

// The language a run starts in: the command line's for this run (a valid code or empty), else the saved
// choice, else the desktop's first language the program has, else Russian.
Language StartupLanguage(const QString& commandLineCode, std::optional<Language> saved,
                         const QStringList& desktopPreferred);

} // namespace orvane::ui
