// The classical fourth-order Runge–Kutta method, the program's own and every run's first: the step is
// SimState::RungeKuttaStep, unchanged, with its work vectors in the shared state.
#include "Integrator.h"

namespace orvane {

namespace {
class RungeKutta4 final : public Integrator {
  public:
    SolverMethod Id() const override { return SolverMethod::RungeKutta4; }

  protected:
    void Advance(SimState& s, double h, Integer n, const Derivative& derivative) override {
        s.RungeKuttaStep(n, derivative, h);
    }
};
} // namespace

std::unique_ptr<Integrator> MakeRungeKutta4() {
    return std::make_unique<RungeKutta4>();
}

} // namespace orvane
