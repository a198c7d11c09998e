// The semi-implicit (symplectic) Euler method, of order 1: the velocity first, with the acceleration
// at the start, then the position with the new velocity,
//     v₁ = v₀ + h·a(x₀),   x₁ = x₀ + h·v₁.
// One evaluation per step, as the explicit method, yet it keeps the energy error of an orbit bounded:
// the step is a canonical map, and the orbit it draws is the exact one of a slightly different system.
#include "FloatingPoint.h"
#include "Integrator.h"

namespace orvane {

namespace {
class SymplecticEuler final : public Integrator {
  public:
    SolverMethod Id() const override { return SolverMethod::SymplecticEuler; }

  protected:
    void Advance(SimState& s, double h, Integer n, const Derivative& derivative) override {
        const int half = n / 2;
        ClearFloatingPointStatus();
        derivative(s);
        for (int k = 1; k <= half; ++k)
            s.StateVec(k) = s.StateVec(k) + h * second_order::KickedPositionRate(s.DerivVec, k, n, h);
        for (int k = half + 1; k <= n; ++k)
            s.StateVec(k) = s.StateVec(k) + h * s.DerivVec(k);
        CheckFloatingPointStatus();
    }
};
} // namespace

std::unique_ptr<Integrator> MakeSymplecticEuler() {
    return std::make_unique<SymplecticEuler>();
}

} // namespace orvane
