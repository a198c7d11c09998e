// The explicit Euler method, of order 1: the whole step taken with the rates at its start,
//     x₁ = x₀ + h·v₀,   v₁ = v₀ + h·a(x₀).
// It is the textbook's first method and the lesson's bad example: on an orbit each step leaves the
// body a little outside the circle it was on, so the energy grows step after step and the planet
// spirals away from the Sun.
#include "FloatingPoint.h"
#include "Integrator.h"

namespace orvane {

namespace {
class ExplicitEuler final : public Integrator {
  public:
    SolverMethod Id() const override { return SolverMethod::Euler; }

  protected:
    void Advance(SimState& s, double h, Integer n, const Derivative& derivative) override {
        ClearFloatingPointStatus();
        derivative(s);
        for (int k = 1; k <= n; ++k)
            s.StateVec(k) = s.StateVec(k) + h * s.DerivVec(k);
        CheckFloatingPointStatus();
    }
};
} // namespace

std::unique_ptr<Integrator> MakeExplicitEuler() {
    return std::make_unique<ExplicitEuler>();
}

} // namespace orvane
