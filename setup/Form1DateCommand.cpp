// The set-up window's second data set of real positions: the planets on a date the user chooses, offered
// on a right-click of the 1.1.2000 button and of both preview screens, and by Ctrl+D.
#include "Controls.h"
#include "DataSetOnDate.h"
#include "DateDialog.h"
#include "ErrorText.h"
#include "Form1.h"
#include "Guard.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PictureBox.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace orvane {

namespace {

// An angle in [0, 360) to hundredths of a degree; one that rounds up to a full turn is 0.
double AngleInHundredths(double degrees) {
    const double rounded = std::round(degrees * 100) / 100;
    return rounded >= 360 ? rounded - 360 : rounded;
}

// The planets of a date carry every digit the elements give, more than their narrow cells can show. The
// cells show what the parameter file would keep, whole thousands of kilometres and whole metres per
// second, and the angle to hundredths of a degree; the body table keeps the full values, and an experiment
// starts from them. The Sun's and the asteroid's cells accept typing and show their values in full.
} // namespace

void Form1::ShowPlanetsReadably() {
    const SimState& s = state_;
    const auto whole = [](double value) { return ui::NumberToText(std::trunc(value)); };
    for (int planet = body::Mercury; planet <= body::Pluto; ++planet) {
        const auto column = static_cast<std::size_t>(planet - 1);
        ui::SetCell(Text1[column], ui::NumberToText(AngleInHundredths(s.PlanetAngle(planet))));
        ui::SetCell(Text3[column], whole(s.BodyX(planet) / s.LengthUnit));
        ui::SetCell(Text4[column], whole(s.BodyY(planet) / s.LengthUnit));
        ui::SetCell(Text5[column], whole(s.BodyVx(planet)));
        ui::SetCell(Text6[column], whole(s.BodyVy(planet)));
    }
}

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
    const ExperimentOnDate planets = PlanetsOnDate(state_, date);
    if (planets.refusal) {
        ui::ShowMessage(this, ui::ErrorText(*planets.refusal));
        return;
    }
    LoadExperiment(*planets.experiment);
}

} // namespace orvane
