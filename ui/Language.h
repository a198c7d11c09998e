#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QWidget;

namespace orvane::ui {

// The languages of the program. Russian is the language of the source texts and the default everywhere.
enum class Language { Russian, English };

// "ru" and "en", as the command line and the settings write them.
std::optional<Language> LanguageFromCode(QStringView code);
QString LanguageCode(Language language);

// Puts the language into effect at once: the translation embedded in the program is installed (none for
// Russian), and Qt sends every widget a LanguageChange event, on which the windows show their texts anew.
void ApplyLanguage(Language language);
Language CurrentLanguage();

// The user's choice, kept in the program's settings; Russian when none was made.
Language SavedLanguage();
void SaveLanguage(Language language);

// The language a run starts in: the one the command line names for this run only (a code, or empty),
// otherwise the saved choice. Applies it; false when the code names no language (the saved one is used).
bool ApplyStartupLanguage(const QString& commandLineCode);

// Shows in the language now in effect every caption of `window` made by MakeControl that still shows its
// caption; a caption a handler has replaced is left to the window.
void RetranslateCaptions(QWidget* window);

} // namespace orvane::ui
