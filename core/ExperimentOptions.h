#pragma once

#include "SolverMethod.h"

#include <cstdint>

namespace orvane {

// How the Sun moves in a run. The numbers are those the Sun switch has always stored: any value of 1 or
// more holds the Sun, and the experiment window uses 2 for held and 0 for free.
enum class SunMode : std::int16_t { Free = 0, Held = 2 };

constexpr bool HoldsSun(SunMode mode) {
    return static_cast<std::int16_t>(mode) >= 1;
}

// The slow-down per step of the set-up window's two choices, in milliseconds; the experiment window and
// its slider start at the fast one.
inline constexpr std::int16_t FastStepDelayMs = 1;
inline constexpr std::int16_t SlowStepDelayMs = 2000;

// The options of a run, shared by both windows and read afresh on every step. The view (centre and zoom)
// is the experiment window's own value, ExperimentView.
struct ExperimentOptions {
    // The Runge–Kutta step in seconds: the set-up window's accuracy choice.
    double TimeStep = 0;
    // The interval of both windows' timers in milliseconds: the set-up window's slow-down choice, then
    // the experiment window's slider.
    std::int16_t StepDelayMs = 0;
    // The experiment window's Sun switch; a run copies it and follows its changes.
    SunMode SunHeld = SunMode::Free;
    // How the experiment's equations are solved: the set-up window's «Метод решения» or a lesson
    // experiment. It holds for the running program only; every start of the program begins with
    // Runge–Kutta. The set-up window's orbit run always uses Runge–Kutta.
    SolverMethod Method = DefaultSolverMethod;
};

// What the experiment window sets when it loads: the fast slow-down and the Sun held. The accuracy is
// the set-up window's and is left as it is.
constexpr void LoadExperimentWindowOptions(ExperimentOptions& options) {
    options.StepDelayMs = FastStepDelayMs;
    options.SunHeld = SunMode::Held;
}

} // namespace orvane
