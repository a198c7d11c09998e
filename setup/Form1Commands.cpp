// The set-up window's commands: the preview screens, the choice of a body, moving a planet along its
// orbit, the 1.1.2000 data set and the parameter file.
#include "BodyTableRows.h"
#include "Controls.h"
#include "ErrorText.h"
#include "Form1.h"
#include "MassRules.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "OrbitRun.h"
#include "ParameterFile.h"
#include "PictureBox.h"
#include "VbTimer.h"

#include <QLineEdit>

#include <cmath>

namespace orvane {

using body::Asteroid;
using body::Sun;

namespace {
QString WholeText(double value) {
    return ui::NumberToText(std::trunc(value));
}
} // namespace

void Form1::Option_Click(Integer body) {
    state_.SelectedBody = body;
    if (body != Sun) state_.SimTime = 0;
}

void Form1::Command7_Click() {
    state_.DrawSetupScreens(*Picture1, *Picture2);
}

void Form1::StopOrbitRun() {
    Timer1->SetEnabled(false);
    orbitPlanet_ = 0;
}

void Form1::Command5_Click() {
    StopOrbitRun();
}

// Reads the Sun's and the asteroid's ten fields. All of them are checked before any is stored, so a
// typing error never leaves half the values taken over.
bool Form1::TakeOverSunAndAsteroid() {
    struct Field {
        QLineEdit* cell;
        int tableColumn; // as the error names it: 1 mass, 2 x, 3 y, 4 vx, 5 vy
        double scale;
        BodyArray SimState::*column;
        int body;
    };
    const double unit = state_.LengthUnit;
    const Field fields[] = {
        {Text2[0], 1, 1, &SimState::BodyMassPct, Sun}, {Text2[10], 1, 1, &SimState::BodyMassPct, Asteroid},
        {Text3[0], 2, unit, &SimState::BodyX, Sun},    {Text3[10], 2, unit, &SimState::BodyX, Asteroid},
        {Text4[0], 3, unit, &SimState::BodyY, Sun},    {Text4[10], 3, unit, &SimState::BodyY, Asteroid},
        {Text5[0], 4, 1, &SimState::BodyVx, Sun},      {Text5[10], 4, 1, &SimState::BodyVx, Asteroid},
        {Text6[0], 5, 1, &SimState::BodyVy, Sun},      {Text6[10], 5, 1, &SimState::BodyVy, Asteroid},
    };
    std::array<double, std::size(fields)> values{};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        const Field& field = fields[k];
        const std::optional<double> value = ui::TextToNumber(field.cell->text());
        if (!value || !std::isfinite(*value * field.scale)) {
            ui::ShowMessage(this, ui::ErrorText({.code = ErrorCode::CellNotANumber,
                                                 .text = field.cell->text().trimmed().toStdString(),
                                                 .field = field.tableColumn,
                                                 .body = field.body}));
            field.cell->setFocus();
            return false;
        }
        values[k] = *value * field.scale;
    }
    if (const auto refusal = CheckSunAndAsteroidMasses(values[0], values[1])) {
        ui::ShowMessage(this, ui::ErrorText({.code = *refusal}));
        (*refusal == ErrorCode::SunMassNotPositive ? Text2[0] : Text2[10])->setFocus();
        return false;
    }
    for (std::size_t k = 0; k < std::size(fields); ++k)
        state_.SetBodyValue(fields[k].column, fields[k].body, values[k]);
    return true;
}

void Form1::Command6_Click() {
    if (!TakeOverSunAndAsteroid()) return;
    if (state_.SelectedBody == 0) {
        ui::ShowMessage(this, ui::ErrorText({.code = ErrorCode::NoPlanetChosen}));
        return;
    }
    if (state_.SelectedBody == Sun) return;

    state_.DrawSetupScreens(*Picture1, *Picture2);
    orbitPlanet_ = state_.SelectedBody;
    StartOrbitRun(orbit_, state_, orbitPlanet_);
    Timer1->SetEnabled(true);
    Timer1_Timer(); // the first step at once, before any timer event
}

// A step that fails ends the run; its message is shown by the handler's guard.
void Form1::Timer1_Timer() {
    try {
        OrbitTimerStep();
    } catch (const RunTimeError&) {
        StopOrbitRun();
        throw;
    }
}

// One step of the run, done by the core; the window shows the planet's cells and sets the timer, so a new
// slow-down takes effect when the next step ends.
void Form1::OrbitTimerStep() {
    if (orbitPlanet_ == 0) return;
    SimState& s = state_;
    const int b = orbitPlanet_;
    OrbitStep(orbit_, s, b, *Picture1, *Picture2);

    const auto column = static_cast<std::size_t>(b - 1);
    ui::SetCell(Text1[column], ui::NumberToText(s.PlanetAngle(b)));
    ui::SetCell(Text3[column], WholeText(s.BodyX(b) / s.LengthUnit));
    ui::SetCell(Text4[column], WholeText(s.BodyY(b) / s.LengthUnit));
    ui::SetCell(Text5[column], WholeText(s.BodyVx(b)));
    ui::SetCell(Text6[column], WholeText(s.BodyVy(b)));
    Timer1->SetInterval(s.Options.StepDelayMs);
}

void Form1::Command2_Click() {
    LoadExperiment(EpochExperiment(state_));
}

void Form1::Command4_Click() {
    SaveParameterFileTo(parameterFile_);
}

bool Form1::SaveParameterFileTo(const QString& path) {
    if (!AgreeToSaveWithoutMasses()) return false;
    const ParameterRows rows = RowsFromBodyTable(state_);
    if (const std::optional<int> body = BodyBeyondTheFile(rows, state_.LengthUnit)) {
        ui::ShowMessage(this, ui::ErrorText({.code = ErrorCode::CoordinatesBeyondFile, .body = *body}));
        return false;
    }
    const SaveResult saved = WriteParameterFile(path.toStdString(), rows);
    if (!saved) ui::ShowMessage(this, ui::ErrorText(saved.Failure()));
    return static_cast<bool>(saved);
}

void Form1::Command3_Click() {
    LoadParameterFileFrom(parameterFile_);
}

bool Form1::LoadParameterFileFrom(const QString& path) {
    const ParameterFileRead read = ReadParameterFile(path.toStdString());
    if (!read.rows) {
        ui::ShowMessage(this, ui::ErrorText(*read.error));
        return false;
    }
    LoadExperiment(ExperimentFromRows(*read.rows, state_.LengthUnit));
    return true;
}

} // namespace orvane
