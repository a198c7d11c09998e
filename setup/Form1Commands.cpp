// The set-up window's commands: the preview screens, the choice of a body, moving a planet along its
// orbit, the 1.1.2000 data set and the parameter file.
#include "Controls.h"
#include "DefaultData.h"
#include "DrawingSurface.h"
#include "FloatingPoint.h"
#include "Form1.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "ParameterFile.h"
#include "PictureBox.h"
#include "VbTimer.h"

#include <QLineEdit>

#include <cmath>

namespace orvane {

namespace {
constexpr int Sun = 1;
constexpr int Asteroid = 11;
constexpr double DegreesPerPi = 180 / 3.14159; // the program's angles have always used this value of pi

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
        const char* quantity;
        double scale;
        BodyArray SimState::*column;
        int body;
    };
    const double unit = state_.LengthUnit;
    const Field fields[] = {
        {Text2[0], "Масса Солнца", 1, &SimState::BodyMassPct, Sun},
        {Text2[10], "Масса астероида", 1, &SimState::BodyMassPct, Asteroid},
        {Text3[0], "Координата Солнца X", unit, &SimState::BodyX, Sun},
        {Text3[10], "Координата астероида X", unit, &SimState::BodyX, Asteroid},
        {Text4[0], "Координата Солнца Y", unit, &SimState::BodyY, Sun},
        {Text4[10], "Координата астероида Y", unit, &SimState::BodyY, Asteroid},
        {Text5[0], "Скорость Солнца по оси X", 1, &SimState::BodyVx, Sun},
        {Text5[10], "Скорость астероида по оси X", 1, &SimState::BodyVx, Asteroid},
        {Text6[0], "Скорость Солнца по оси Y", 1, &SimState::BodyVy, Sun},
        {Text6[10], "Скорость астероида по оси Y", 1, &SimState::BodyVy, Asteroid},
    };
    std::array<double, std::size(fields)> values{};
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        const Field& field = fields[k];
        const QString quantity = QString::fromUtf8(field.quantity);
        const std::optional<double> value = ui::TextToNumber(field.cell->text());
        if (!value || !std::isfinite(*value * field.scale)) {
            ui::ShowMessage(this,
                            QStringLiteral("%1: «%2» — не число. Введите число, например 1500 или -2,5.")
                                .arg(quantity, field.cell->text().trimmed()));
            field.cell->setFocus();
            return false;
        }
        values[k] = *value * field.scale;
    }
    if (values[0] <= 0) {
        ui::ShowMessage(this, QStringLiteral("Масса Солнца должна быть больше нуля."));
        Text2[0]->setFocus();
        return false;
    }
    if (values[1] < 0) {
        ui::ShowMessage(
            this, QStringLiteral("Масса астероида не может быть отрицательной (ноль убирает его влияние)."));
        Text2[10]->setFocus();
        return false;
    }
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        double& stored = (state_.*(fields[k].column))(fields[k].body);
        if (stored != values[k]) state_.DataSetDate.reset(); // no longer the data set as loaded
        stored = values[k];
    }
    return true;
}

void Form1::Command6_Click() {
    if (!TakeOverSunAndAsteroid()) return;
    if (state_.SelectedBody == 0) {
        ui::ShowMessage(this, QStringLiteral("Выберете планету для изменения параметров"));
        return;
    }
    if (state_.SelectedBody == Sun) return;

    state_.DrawSetupScreens(*Picture1, *Picture2);
    orbitPlanet_ = state_.SelectedBody;
    orbit_ = state_;
    SimState& o = orbit_;
    o.LoopI = orbitPlanet_;
    o.StateVec(1) = state_.BodyX(orbitPlanet_);
    o.StateVec(2) = state_.BodyY(orbitPlanet_);
    o.StateVec(3) = state_.BodyVx(orbitPlanet_);
    o.StateVec(4) = state_.BodyVy(orbitPlanet_);
    o.SetBodyColor();
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

void Form1::OrbitTimerStep() {
    if (orbitPlanet_ == 0) return;
    SimState& o = orbit_;
    SimState& s = state_;
    const int b = orbitPlanet_;
    o.LoopI = orbitPlanet_;
    o.TimeStep = s.TimeStep;
    o.RungeKuttaStep(4, Derivative::Orbit);

    s.BodyX(b) = o.StateVec(1);
    s.BodyY(b) = o.StateVec(2);
    s.BodyVx(b) = o.StateVec(3);
    s.BodyVy(b) = o.StateVec(4);
    s.DataSetDate.reset(); // a moved planet is no longer where the data set put it

    ClearFloatingPointStatus();
    const double x = o.StateVec(1);
    const double y = o.StateVec(2);
    if (x != 0) {
        s.AngleRad = std::atan(y / x);
        s.PlanetAngle(b) = s.AngleRad * DegreesPerPi;
        if (x < 0)
            s.PlanetAngle(b) = s.PlanetAngle(b) + 180;
        else if (y < 0)
            s.PlanetAngle(b) = s.PlanetAngle(b) + 360;
    } else {
        // On the y axis the angle is known without an arctangent.
        s.PlanetAngle(b) = y > 0 ? 90 : 270;
    }
    const double screenX = s.BodyX(b) / s.LengthUnit / 1000;
    const double screenY = s.BodyY(b) / s.LengthUnit / 1000;
    CheckFloatingPointStatus();
    const std::int32_t color = RgbColor(o.ColorR, o.ColorG, o.ColorB);
    Picture1->PSet(ToSingle(screenX), ToSingle(screenY), color);
    Picture2->PSet(ToSingle(screenX), ToSingle(screenY), color);

    const auto column = static_cast<std::size_t>(b - 1);
    ui::SetCell(Text1[column], ui::NumberToText(s.PlanetAngle(b)));
    ui::SetCell(Text3[column], WholeText(s.BodyX(b) / s.LengthUnit));
    ui::SetCell(Text4[column], WholeText(s.BodyY(b) / s.LengthUnit));
    ui::SetCell(Text5[column], WholeText(s.BodyVx(b)));
    ui::SetCell(Text6[column], WholeText(s.BodyVy(b)));

    s.SimTime = s.SimTime + s.TimeStep;
    Timer1->SetInterval(s.StepDelayMs);
}

void Form1::Command2_Click() {
    // A run still going would overwrite the loaded planet with its next step.
    StopOrbitRun();
    SimState& s = state_;
    for (int i = 1; i <= 10; ++i) {
        const BodyRecord& body = EpochBodies[static_cast<std::size_t>(i - 1)];
        if (i >= 2) { // the set has no angle for the Sun
            s.BodyAngle(i) = body.angle;
            // The current angle follows the data set, so what the table shows and what the file saves agree.
            s.PlanetAngle(i) = body.angle;
        }
        s.BodyX(i) = body.x * s.LengthUnit;
        s.BodyY(i) = body.y * s.LengthUnit;
        s.BodyVx(i) = body.vx;
        s.BodyVy(i) = body.vy;
    }
    s.DataSetDate = CalendarDate{2000, 1, 1}; // a run from this table can be compared with the real sky
    ShowBodyColumns(s.BodyAngle);
}

void Form1::Command4_Click() {
    SimState& s = state_;
    ParameterRows rows;
    const Integer n = s.BodyCount;
    for (s.LoopI = 1; s.LoopI <= n; s.LoopI = Add16(s.LoopI, 1)) {
        const int i = s.LoopI;
        rows[static_cast<std::size_t>(i - 1)] = {s.PlanetAngle(i), s.BodyX(i) / s.LengthUnit,
                                                 s.BodyY(i) / s.LengthUnit, s.BodyVx(i), s.BodyVy(i)};
    }
    if (const auto failure = WriteParameterFile(parameterFile_.toStdString(), rows))
        ui::ShowMessage(this, QString::fromStdString(*failure));
}

void Form1::Command3_Click() {
    const ParameterFileRead read = ReadParameterFile(parameterFile_.toStdString());
    if (!read.rows) {
        ui::ShowMessage(this, QString::fromStdString(read.error));
        return;
    }
    StopOrbitRun();
    SimState& s = state_;
    const Integer n = s.BodyCount;
    for (s.LoopI = 1; s.LoopI <= n; s.LoopI = Add16(s.LoopI, 1)) {
        const int i = s.LoopI;
        const ParameterRow& row = (*read.rows)[static_cast<std::size_t>(i - 1)];
        s.PlanetAngle(i) = row.angle;
        s.BodyX(i) = s.LengthUnit * row.x;
        s.BodyY(i) = s.LengthUnit * row.y;
        s.BodyVx(i) = row.vx;
        s.BodyVy(i) = row.vy;
    }
    s.DataSetDate.reset(); // a file holds no date
    const Integer lastPlanetColumn = Add16(n, -2);
    for (s.LoopI = 1; s.LoopI <= lastPlanetColumn; s.LoopI = Add16(s.LoopI, 1))
        ui::SetCell(Text1[static_cast<std::size_t>(s.LoopI)], WholeText(s.PlanetAngle(s.LoopI + 1)));
    const Integer lastColumn = Add16(n, -1);
    for (s.LoopI = 0; s.LoopI <= lastColumn; s.LoopI = Add16(s.LoopI, 1)) {
        const auto k = static_cast<std::size_t>(s.LoopI);
        const int body = s.LoopI + 1;
        ui::SetCell(Text3[k], WholeText(s.BodyX(body) / s.LengthUnit));
        ui::SetCell(Text4[k], WholeText(s.BodyY(body) / s.LengthUnit));
        ui::SetCell(Text5[k], WholeText(s.BodyVx(body)));
        ui::SetCell(Text6[k], WholeText(s.BodyVy(body)));
    }
}

} // namespace orvane
