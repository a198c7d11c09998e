#include "Language.h"

#include "Controls.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace orvane::ui {

namespace {

constexpr const char* LanguageKey = "language";

// The translators in effect; owned by the application.
struct Installed {
    Language language = Language::Russian;
    std::vector<QTranslator*> translators;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Install(const QString& file, const QString& directory = {}) {
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(file, directory)) return;
    Current().translators.push_back(translator.get());
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

void ApplyLanguage(Language language) {
    Installed& current = Current();
    for (QTranslator* translator : current.translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    current.translators.clear();
    current.language = language;
    const LanguageRow& row = RowOf(language);
    // Qt's own words (the file dialogs, the standard buttons and messages), from Debian's
    // qt6-translations-l10n; a language Qt has no file for keeps Qt's English.
    Install(QStringLiteral("qtbase_") + QString::fromLatin1(row.code),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // And the few of Qt's words its translation lacks (the file dialog's "Folder").
    Install(QStringLiteral(":/i18n/qtbase_gaps_") + QString::fromLatin1(row.code));
    Install(QString::fromLatin1(row.translation));
    // With nothing installed Qt sends no event of its own: the windows are told here.
    if (current.translators.empty()) {
        if (auto* app = QCoreApplication::instance()) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(app, &change);
        }
    }
}

Language CurrentLanguage() {
    return Current().language;
}

std::optional<Language> SavedLanguage() {
    return LanguageFromCode(OpenSettings()->value(LanguageKey).toString());
}

void SaveLanguage(Language language) {
    OpenSettings()->setValue(LanguageKey, LanguageCode(language));
}

bool ApplyStartupLanguage(const QString& commandLineCode, const QStringList& desktopPreferred) {
    ApplyLanguage(StartupLanguage(commandLineCode, SavedLanguage(), desktopPreferred));
    return commandLineCode.isEmpty() || LanguageFromCode(commandLineCode).has_value();
}

void RetranslateCaptions(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        const QByteArray source = widget->property(CaptionSourceProperty).toByteArray();
        if (source.isEmpty()) continue;
        const QString shown = widget->property(CaptionShownProperty).toString();
        const QByteArray context = widget->property(CaptionContextProperty).toByteArray();
        const QString caption = QCoreApplication::translate(context.constData(), source.constData());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text() != shown) continue;
            button->setText(caption);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (group->title() != shown) continue;
            group->setTitle(caption);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text() != shown) continue;
            label->setText(caption);
            if (auto* vbLabel = qobject_cast<VbLabel*>(label)) vbLabel->Refit();
        } else {
            continue;
        }
        widget->setProperty(CaptionShownProperty, caption);
    }
}

} // namespace orvane::ui
