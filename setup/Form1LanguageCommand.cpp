// The choice of the program's language: "Язык / Language" on the context menu of both set-up screens,
// with each language of the table named in its own words. The choice takes effect at once in every open
// window and is remembered for the next start.
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
    for (const ui::LanguageRow& choice : ui::Languages()) {
        QAction* action = LanguageMenu->addAction(QString::fromUtf8(choice.nativeName));
        action->setObjectName(QString::fromLatin1(choice.menuObjectName));
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
    const QString current = QString::fromLatin1(ui::RowOf(ui::CurrentLanguage()).menuObjectName);
    for (QAction* action : LanguageMenu->actions())
        action->setChecked(action->objectName() == current);
}

} // namespace orvane
