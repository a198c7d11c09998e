// «Метод решения»: choosing how the experiment's equations are solved in the set-up window, what the
// experiment and the measurements windows say about it, and a lesson experiment's own method.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form2.h"
#include "Integrator.h"
#include "LessonExperiment.h"
#include "MeasurementsWindow.h"
#include "PictureBox.h"
#include "ProgramWindows.h"
#include "Settings.h"
#include "StateLayout.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSettings>

namespace orvane {
namespace {

using test::Click;
using test::Find;

struct MethodChoice : ::testing::Test {
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();
    void SetUp() override { form.show(); }
    void TearDown() override { driver::CloseOpenedWindows(windows); }

    QMenu* MethodMenu(ui::PictureBox* screen) {
        QList<QAction*> actions;
        const QStringList entries = test::MenuEntries(screen, &actions);
        const int at = entries.indexOf("Метод решения");
        EXPECT_GE(at, 0) << entries.join(" | ").toStdString();
        return at >= 0 ? actions[at]->menu() : nullptr;
    }
};

TEST_F(MethodChoice, BothScreensOfferTheFourMethodsWithRungeKuttaChosenAtStart) {
    for (ui::PictureBox* screen : {form.Picture1, form.Picture2}) {
        QMenu* menu = MethodMenu(screen);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), "MethodMenu");
        QStringList names, checked;
        for (QAction* action : menu->actions()) {
            names << action->text();
            EXPECT_TRUE(action->isCheckable());
            if (action->isChecked()) checked << action->objectName();
        }
        EXPECT_EQ(names, (QStringList{"Явный метод Эйлера", "Симплектический метод Эйлера",
                                      "Метод Верле (leapfrog)", "Метод Рунге — Кутты 4-го порядка"}));
        EXPECT_EQ(checked, QStringList{"Method_rk4"});
    }
    EXPECT_EQ(state.Options.Method, SolverMethod::RungeKutta4);
}

// The run is solved by the method chosen, from its next step; the experiment window's caption says so
// (it keeps "Orvane2.0" for Runge–Kutta), and so does the measurements window.
TEST_F(MethodChoice, TheChosenMethodSolvesTheRunAndTheWindowsNameIt) {
    Form2* experiment = driver::StartExperiment(windows);
    ASSERT_NE(experiment, nullptr);
    EXPECT_EQ(experiment->windowTitle(), "Orvane2.0");
    auto* euler = Find<QAction>(&form, "Method_euler");
    ASSERT_NE(euler, nullptr);
    euler->trigger();
    EXPECT_EQ(state.Options.Method, SolverMethod::Euler);
    EXPECT_EQ(experiment->windowTitle(), "Orvane2.0 — Явный метод Эйлера");
    EXPECT_TRUE(euler->isChecked());
    EXPECT_FALSE(Find<QAction>(&form, "Method_rk4")->isChecked());

    // One click of «Старт»: the Earth moves exactly as one explicit Euler step of the packed state says,
    // x₁ = x₀ + h·vx₀.
    const SimState before = experiment->Run();
    const double x0 = before.StateVec(orvane::state::X(body::Earth, body::Count));
    const double vx0 = before.StateVec(orvane::state::Vx(body::Earth, body::Count));
    Click(experiment, "Command1");
    experiment->Command4_Click();
    EXPECT_EQ(experiment->Run().Options.Method, SolverMethod::Euler);
    EXPECT_EQ(experiment->Run().StateVec(orvane::state::X(body::Earth, body::Count)), x0 + 172800 * vx0);

    auto* window = driver::OpenMeasurements(experiment);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Find<QLabel>(window, "MethodLabel")->text(), "Метод решения: Явный метод Эйлера");

    Find<QAction>(&form, "Method_leapfrog")->trigger();
    EXPECT_EQ(experiment->windowTitle(), "Orvane2.0 — Метод Верле (leapfrog)");
    Click(experiment, "Command1");
    window->Refresh();
    EXPECT_EQ(Find<QLabel>(window, "MethodLabel")->text(), "Метод решения: Метод Верле (leapfrog)");

    Find<QAction>(&form, "Method_rk4")->trigger();
    EXPECT_EQ(experiment->windowTitle(), "Orvane2.0");
}

// The choice holds for the running program only: nothing is written to the settings, and a set-up
// window loaded afresh (as at the next start) begins with Runge–Kutta.
TEST_F(MethodChoice, EveryStartOfTheProgramBeginsWithRungeKutta) {
    Find<QAction>(&form, "Method_symplectic-euler")->trigger();
    EXPECT_EQ(state.Options.Method, SolverMethod::SymplecticEuler);
    for (const QString& key : ui::OpenSettings()->allKeys())
        EXPECT_FALSE(key.contains("ethod", Qt::CaseInsensitive)) << key.toStdString();

    SimState nextState;
    ProgramWindows nextWindows{nextState};
    Form1& next = nextWindows.Setup();
    EXPECT_EQ(nextState.Options.Method, SolverMethod::RungeKutta4);
    EXPECT_TRUE(Find<QAction>(&next, "Method_rk4")->isChecked());
}

// A lesson experiment that names a method chooses it, as the menu would; one that names none keeps the
// user's choice.
TEST_F(MethodChoice, ALessonExperimentMayChooseTheMethod) {
    const auto lesson = [](const char* methodLine) {
        const std::string text =
            std::string("title = t\nparameters = p.dat\nmasses = 33316600 5.55 81.6 100 10.75 "
                        "31810 9514 1454 1708.5 0.21 0\n") +
            methodLine;
        return *ParseLessonExperiment(text).experiment;
    };
    ParameterRows rows{};
    for (int i = 1; i <= body::Count; ++i)
        rows[static_cast<std::size_t>(i - 1)] = {0, 1000.0 * i, 0, 0, 0};
    form.LoadLesson(lesson("method = symplectic-euler\n"), rows);
    EXPECT_EQ(state.Options.Method, SolverMethod::SymplecticEuler);
    EXPECT_TRUE(Find<QAction>(&form, "Method_symplectic-euler")->isChecked());
    Find<QAction>(&form, "Method_euler")->trigger();
    form.LoadLesson(lesson(""), rows);
    EXPECT_EQ(state.Options.Method, SolverMethod::Euler);
    EXPECT_TRUE(Find<QAction>(&form, "Method_euler")->isChecked());
}

} // namespace
} // namespace orvane
