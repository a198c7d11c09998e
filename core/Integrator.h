#pragma once

#include "SimState.h"
#include "SolverMethod.h"

#include <memory>

namespace orvane {

// A method of solving the equations of motion step by step. It is handed the right-hand side as a
// callback (`derivative` reads StateVec(1..n) and fills DerivVec(1..n)) and keeps whatever else it needs
// itself; the Runge–Kutta method alone works in the state's own StepStart and RkK1..RkK4, which the
// program has always kept there for inspection after a step.
//
// The methods other than Runge–Kutta treat the equations as second-order ones, as both of the program's
// derivatives are: the first n/2 components are positions, the last n/2 their velocities in the same
// order; the derivative gives the positions' rates and then the accelerations. A body the derivative
// holds in place (the held Sun) has both rates 0 whatever velocity the state keeps for it.
class Integrator {
  public:
    Integrator() = default;
    Integrator(const Integrator&) = delete;
    Integrator& operator=(const Integrator&) = delete;
    virtual ~Integrator() = default;

    virtual SolverMethod Id() const = 0;

    // One step of length h: StateVec(1..n) of `state` from the moment `time` to time + h, and `time`
    // advanced with it. A floating-point fault raises the run-time error and leaves StateVec(1..n) and
    // `time` as they were before the step.
    void Step(SimState& state, double& time, double h, Integer n, const Derivative& derivative);

    // What a method kept from its last step describes the state that step left. Called after the state
    // was changed from outside the steps in a way the state vector does not show.
    virtual void Forget() {}

  protected:
    // The method's own step of StateVec(1..n); on a fault it may stop half-way, Step puts the state back.
    virtual void Advance(SimState& state, double h, Integer n, const Derivative& derivative) = 0;

  private:
    StateArray start_{"IntegratorStart"};
};

// The integrator of a run: the method the run's options name, made anew when they name another one.
class RunIntegrator {
  public:
    Integrator& For(SolverMethod method);
    // The run's state was replaced or changed from outside: nothing kept from the last step counts.
    void Forget();

  private:
    std::unique_ptr<Integrator> current_;
};

namespace second_order {
// The rate of position k (1..n/2) for the velocities a kick of `dt` would give, from the derivative's
// rates `rates` at the state before the kick: the position's rate plus dt times its acceleration. For a
// moving body that is its kicked velocity to the last bit (its rate is its velocity); a held body's
// stays 0, since its acceleration is 0 too. So no further evaluation is needed for the drift.
inline double KickedPositionRate(const StateArray& rates, int k, Integer n, double dt) {
    return rates(k) + dt * rates(k + n / 2);
}
} // namespace second_order

} // namespace orvane
