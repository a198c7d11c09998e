#include "Language.h"

#include "Controls.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace orvane::ui {

namespace {

constexpr const char* LanguageKey = "language";

struct Installed {
    Language language = Language::Russian;
    QTranslator* translator = nullptr; // owned by the application
};

Installed& Current() {
    static Installed installed;
    return installed;
}

} // namespace

std::optional<Language> LanguageFromCode(QStringView code) {
    if (code.compare(u"ru", Qt::CaseInsensitive) == 0) return Language::Russian;
    if (code.compare(u"en", Qt::CaseInsensitive) == 0) return Language::English;
    return std::nullopt;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

void ApplyLanguage(Language language) {
    Installed& current = Current();
    if (current.translator != nullptr) {
        QCoreApplication::removeTranslator(current.translator);
        delete current.translator;
        current.translator = nullptr;
    }
    current.language = language;
    if (language == Language::Russian) {
        // No translation is installed, so Qt sends no event of its own: the windows are told here.
        if (auto* app = QCoreApplication::instance()) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(app, &change);
        }
        return;
    }
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/orvane_%1.qm").arg(LanguageCode(language)))) {
        current.translator = translator.release();
        QCoreApplication::installTranslator(current.translator);
    }
}

Language CurrentLanguage() {
    return Current().language;
}

Language SavedLanguage() {
    return LanguageFromCode(OpenSettings()->value(LanguageKey).toString()).value_or(Language::Russian);
}

void SaveLanguage(Language language) {
    OpenSettings()->setValue(LanguageKey, LanguageCode(language));
}

bool ApplyStartupLanguage(const QString& commandLineCode) {
    const std::optional<Language> chosen =
        commandLineCode.isEmpty() ? std::nullopt : LanguageFromCode(commandLineCode);
    ApplyLanguage(chosen.value_or(SavedLanguage()));
    return commandLineCode.isEmpty() || chosen.has_value();
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
