// The set-up window's second data set of real positions: the planets on a date the user chooses, offered
// on a right-click of the 1.1.2000 button and of both preview screens, and by Ctrl+D.
#include "DataSetOnDate.h"
#include "DateDialog.h"
#include "ErrorText.h"
#include "Form1.h"
#include "Guard.h"
#include "MessageBox.h"
#include "PictureBox.h"

#include <QAction>
#include <QPushButton>

namespace orvane {

void Form1::BuildDateCommand() {
    LoadOnDate = new QAction(this);
    LoadOnDate->setObjectName(QStringLiteral("LoadOnDate"));
    LoadOnDate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    LoadOnDate->setShortcutVisibleInContextMenu(true);
    connect(LoadOnDate, &QAction::triggered, this,
            [this] { ui::Guarded(this, nullptr, [this] { LoadOnDate_Click(); }); });
    addAction(LoadOnDate); // the shortcut works anywhere in the window

    auto* command2 = findChild<QPushButton*>(QStringLiteral("Command2"));
    command2->addAction(LoadOnDate);
    command2->setContextMenuPolicy(Qt::ActionsContextMenu);
    Picture1->AddMenuAction(LoadOnDate);
    Picture2->AddMenuAction(LoadOnDate);
    ShowDateCommandTexts();
}

void Form1::ShowDateCommandTexts() {
    LoadOnDate->setText(tr("Загрузить данные на другую дату…"));
    findChild<QPushButton*>(QStringLiteral("Command2"))
        ->setToolTip(tr("Правый щелчок или Ctrl+D — загрузить данные на другую дату"));
}

void Form1::LoadOnDate_Click() {
    DateDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    LoadDataSetOn(dialog.SelectedDate());
}

void Form1::LoadDataSetOn(const CalendarDate& date) {
    if (const auto refusal = DataSetDateRefusal(date)) {
        ui::ShowMessage(this, ui::ErrorText(*refusal));
        return;
    }
    // A run still going would overwrite the loaded planet with its next step.
    StopOrbitRun();
    if (const auto refusal = LoadDataSetOnDate(state_, date)) {
        ui::ShowMessage(this, ui::ErrorText(*refusal));
        return;
    }
    ShowBodyColumns(state_.BodyAngle, TableValues::Full);
}

} // namespace orvane
