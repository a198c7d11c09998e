#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace orvane {

class Integrator;

// The methods a run can be solved with. Each is one file of its own behind the Integrator interface
// and one row of SolverMethods; the windows give each its name in the user's language by its row.
enum class SolverMethod : std::int8_t { Euler, SymplecticEuler, Leapfrog, RungeKutta4 };

// Every run begins with the classical Runge–Kutta method, the one the program has always solved with.
inline constexpr SolverMethod DefaultSolverMethod = SolverMethod::RungeKutta4;

std::unique_ptr<Integrator> MakeExplicitEuler();
std::unique_ptr<Integrator> MakeSymplecticEuler();
std::unique_ptr<Integrator> MakeLeapfrog();
std::unique_ptr<Integrator> MakeRungeKutta4();

struct SolverMethodFacts {
    SolverMethod id;
    // How a lesson experiment's file names it (`method = leapfrog`).
    std::string_view key;
    // The global error after a fixed time shrinks as the step to this power.
    int order;
    // Keeps the energy error of an orbit bounded over any number of revolutions instead of letting it grow.
    bool symplectic;
    std::unique_ptr<Integrator> (*make)();
};

// The one table of methods, in the order the windows list them.
inline constexpr std::array<SolverMethodFacts, 4> SolverMethods{{
    {SolverMethod::Euler, "euler", 1, false, &MakeExplicitEuler},
    {SolverMethod::SymplecticEuler, "symplectic-euler", 1, true, &MakeSymplecticEuler},
    {SolverMethod::Leapfrog, "leapfrog", 2, true, &MakeLeapfrog},
    {SolverMethod::RungeKutta4, "rk4", 4, false, &MakeRungeKutta4},
}};

constexpr const SolverMethodFacts& FactsOf(SolverMethod method) {
    for (const SolverMethodFacts& facts : SolverMethods)
        if (facts.id == method) return facts;
    return SolverMethods.back();
}

constexpr std::optional<SolverMethod> SolverMethodFromKey(std::string_view key) {
    for (const SolverMethodFacts& facts : SolverMethods)
        if (facts.key == key) return facts.id;
    return std::nullopt;
}

} // namespace orvane
