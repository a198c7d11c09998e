#include "LanguageTable.h"

#include <array>

namespace orvane::ui {

namespace {

// The first row is the language of the source texts and the one a run falls back to. Its translation
// holds only the plural forms (%n) Qt cannot take from the source texts.
constexpr std::array Rows = {
    LanguageRow{Language::Russian, "ru", "Русский", "LanguageRussian", ":/i18n/orvane_ru.qm",
                QLocale::Russian, QLocale::Russia},
    LanguageRow{Language::English, "en", "English", "LanguageEnglish", ":/i18n/orvane_en.qm",
                QLocale::English, QLocale::UnitedKingdom},
};

} // namespace

std::span<const LanguageRow> Languages() {
    return Rows;
}

const LanguageRow& RowOf(Language language) {
    for (const LanguageRow& row : Rows)
        if (row.language == language) return row;
    return Rows.front();
}

QLocale LocaleOf(Language language) {
    const LanguageRow& row = RowOf(language);
    return QLocale(row.localeLanguage, row.localeTerritory);
}

std::optional<Language> LanguageFromCode(QStringView code) {
    for (const LanguageRow& row : Rows)
        if (code == QLatin1StringView(row.code)) return row.language;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return QString::fromLatin1(RowOf(language).code);
}

QString LanguageCodes() {
    QStringList codes;
    for (const LanguageRow& row : Rows)
        codes.append(QString::fromLatin1(row.code));
    return codes.join(QStringLiteral(", "));
}

std::optional<Language> LanguageOfDesktop(const QStringList& preferred) {
    for (const QString& name : preferred) {
        // "en-GB", "en_GB.UTF-8" and "en" all name English.
        qsizetype end = 0;
        while (end < name.size() && name[end].isLetter())
            ++end;
        if (const auto found = LanguageFromCode(QStringView(name).left(end).toString().toLower()))
            return found;
    }
    return std::nullopt;
}

QStringList DesktopLanguages() {
    return QLocale::system().uiLanguages();
}

Language StartupLanguage(const QString& commandLineCode, std::optional<Language> saved,
                         const QStringList& desktopPreferred) {
    if (const auto chosen = LanguageFromCode(commandLineCode)) return *chosen;
    if (saved) return *saved;
    return LanguageOfDesktop(desktopPreferred).value_or(Rows.front().language);
}

} // namespace orvane::ui
