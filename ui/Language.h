#pragma once

#include "LanguageTable.h"

#include <QString>

#include <optional>

class QWidget;

namespace orvane::ui {

// Puts the language into effect at once: the program's translation embedded in it and Qt's own (the
// standard dialogs' buttons and messages) are installed, and Qt sends every widget a LanguageChange event,
// on which the windows show their texts anew.
void ApplyLanguage(Language language);
Language CurrentLanguage();

// The user's choice, kept in the program's settings; nothing when none was made.
std::optional<Language> SavedLanguage();
void SaveLanguage(Language language);

// The language a run starts in: the one the command line names for this run only (a code, or empty),
// otherwise the saved choice, otherwise the first of the desktop's preferred languages the program has,
// otherwise Russian. Applies it; false when the code names no language.
bool ApplyStartupLanguage(const QString& commandLineCode,
                          const QStringList& desktopPreferred = DesktopLanguages());

// Shows in the language now in effect every caption of `window` made by MakeControl that still shows its
// caption; a caption a handler has replaced is left to the window.
void RetranslateCaptions(QWidget* window);

} // namespace orvane::ui
