// The choice of the method that solves the experiment's equations: «Метод решения» on the context menu
// of both set-up screens, one entry per method of the core's table. It holds for the running program
// only: every start of the program begins with Runge–Kutta. A lesson experiment may choose it too.
#include "Form1.h"
#include "MethodNames.h"
#include "PictureBox.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace orvane {

void Form1::BuildMethodCommand() {
    MethodMenu = new QMenu(this);
    MethodMenu->setObjectName(QStringLiteral("MethodMenu"));
    auto* group = new QActionGroup(MethodMenu);
    for (const SolverMethodFacts& facts : SolverMethods) {
        QAction* action = MethodMenu->addAction(QString());
        action->setObjectName(QStringLiteral("Method_") + QString::fromLatin1(facts.key));
        action->setData(static_cast<int>(facts.id));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, method = facts.id] { MethodMenu_Click(method); });
    }
    Picture1->AddMenuAction(MethodMenu->menuAction());
    Picture2->AddMenuAction(MethodMenu->menuAction());
    ShowMethodTexts();
}

void Form1::MethodMenu_Click(SolverMethod method) {
    state_.Options.Method = method;
    ShowMethodChoice();
}

// The menu's check mark and the experiment window's caption follow the method in the shared options.
void Form1::ShowMethodChoice() {
    for (QAction* action : MethodMenu->actions())
        action->setChecked(action->data().toInt() == static_cast<int>(state_.Options.Method));
    if (others_ != nullptr) others_->ShowMethod();
}

void Form1::ShowMethodTexts() {
    MethodMenu->setTitle(tr("Метод решения"));
    for (QAction* action : MethodMenu->actions())
        action->setText(ui::MethodName(static_cast<SolverMethod>(action->data().toInt())));
    ShowMethodChoice();
}

} // namespace orvane
