// The choice of the program's language: "Язык / Language" on the context menu of both set-up screens,
// with «Русский» and «English». The choice takes effect at once in every open window and is remembered
// for the next start.
#include "Form1.h"
#include "Language.h"
#include "PictureBox.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>

namespace orvane {

void Form1::BuildLanguageCommand() {
    // These words stay the same in every language, so that a user who cannot read the language now
    // shown still finds the way back to their own.
    LanguageMenu = new QMenu(QStringLiteral("Язык / Language"), this);
    LanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(LanguageMenu);
    const struct {
        ui::Language language;
        const char* name;
        const char* objectName;
    } choices[] = {{ui::Language::Russian, "Русский", "LanguageRussian"},
                   {ui::Language::English, "English", "LanguageEnglish"}};
    for (const auto& choice : choices) {
        QAction* action = LanguageMenu->addAction(QString::fromUtf8(choice.name));
        action->setObjectName(QString::fromLatin1(choice.objectName));
        action->setCheckable(true);
        action->setChecked(ui::CurrentLanguage() == choice.language);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [language = choice.language] {
            ui::SaveLanguage(language);
            if (ui::CurrentLanguage() != language) ui::ApplyLanguage(language);
        });
    }
    Picture1->AddMenuAction(LanguageMenu->menuAction());
    Picture2->AddMenuAction(LanguageMenu->menuAction());
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui::RetranslateCaptions(this);
    ShowDateCommandTexts();
    ShowMethodTexts();
    for (QAction* action : LanguageMenu->actions())
        action->setChecked(action->objectName() == (ui::CurrentLanguage() == ui::Language::English
                                                        ? QStringLiteral("LanguageEnglish")
                                                        : QStringLiteral("LanguageRussian")));
}

} // namespace orvane
