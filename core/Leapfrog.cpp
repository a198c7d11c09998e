// The leapfrog (velocity Verlet) method, of order 2, kick–drift–kick:
//     v½ = v₀ + (h/2)·a(x₀),   x₁ = x₀ + h·v½,   v₁ = v½ + (h/2)·a(x₁).
// Symplectic and time-reversible, so an orbit's energy error stays bounded. The acceleration at the
// end of a step is the one the next step starts with: it is kept, and every step after the first
// evaluates the forces once.
#include "FloatingPoint.h"
#include "Integrator.h"

namespace orvane {

namespace {
class Leapfrog final : public Integrator {
  public:
    SolverMethod Id() const override { return SolverMethod::Leapfrog; }
    void Forget() override { kept_ = false; }

  protected:
    void Advance(SimState& s, double h, Integer n, const Derivative& derivative) override {
        const int half = n / 2;
        const double halfStep = h / 2;
        ClearFloatingPointStatus();
        if (!KeptFor(s, n)) {
            derivative(s);
            for (int k = 1; k <= n; ++k)
                rates_(k) = s.DerivVec(k);
        }
        for (int k = 1; k <= half; ++k)
            s.StateVec(k) = s.StateVec(k) + h * second_order::KickedPositionRate(rates_, k, n, halfStep);
        for (int k = half + 1; k <= n; ++k)
            s.StateVec(k) = s.StateVec(k) + halfStep * rates_(k);
        CheckFloatingPointStatus();

        // The rates at the end, with the velocity after the second kick, as an evaluation there gives
        // them: the accelerations depend on the positions alone.
        kept_ = false;
        derivative(s);
        for (int k = half + 1; k <= n; ++k)
            s.StateVec(k) = s.StateVec(k) + halfStep * s.DerivVec(k);
        for (int k = 1; k <= half; ++k)
            rates_(k) = second_order::KickedPositionRate(s.DerivVec, k, n, halfStep);
        for (int k = half + 1; k <= n; ++k)
            rates_(k) = s.DerivVec(k);
        CheckFloatingPointStatus();
        Keep(s, n);
    }

  private:
    // The kept rates hold for the very state the last step left, with the same masses and Sun.
    bool KeptFor(const SimState& s, Integer n) const {
        if (!kept_ || n != keptN_ || s.Options.SunHeld != keptSun_ || !(s.BodyMass == keptMass_) ||
            s.GravConst != keptG_)
            return false;
        for (int k = 1; k <= n; ++k)
            if (s.StateVec(k) != keptState_(k)) return false;
        return true;
    }
    void Keep(const SimState& s, Integer n) {
        keptN_ = n;
        keptSun_ = s.Options.SunHeld;
        keptMass_ = s.BodyMass;
        keptG_ = s.GravConst;
        for (int k = 1; k <= n; ++k)
            keptState_(k) = s.StateVec(k);
        kept_ = true;
    }

    StateArray rates_{"LeapfrogRates"};
    StateArray keptState_{"LeapfrogState"};
    BodyArray keptMass_{"LeapfrogMass"};
    double keptG_ = 0;
    SunMode keptSun_ = SunMode::Free;
    Integer keptN_ = 0;
    bool kept_ = false;
};
} // namespace

std::unique_ptr<Integrator> MakeLeapfrog() {
    return std::make_unique<Leapfrog>();
}

} // namespace orvane
