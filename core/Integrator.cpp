#include "Integrator.h"

#include "FloatingPoint.h"

namespace orvane {

void Integrator::Step(SimState& state, double& time, double h, Integer n, const Derivative& derivative) {
    const double timeBefore = time;
    for (int k = 1; k <= n; ++k)
        start_(k) = state.StateVec(k);
    try {
        ClearFloatingPointStatus();
        time = time + h;
        CheckFloatingPointStatus();
        Advance(state, h, n, derivative);
    } catch (const RunTimeError&) {
        // A faulted step is undone as a whole, so the state stays one the user can go on from.
        for (int k = 1; k <= n; ++k)
            state.StateVec(k) = start_(k);
        time = timeBefore;
        Forget();
        throw;
    }
}

Integrator& RunIntegrator::For(SolverMethod method) {
    if (current_ == nullptr || current_->Id() != method) current_ = FactsOf(method).make();
    return *current_;
}

void RunIntegrator::Forget() {
    if (current_ != nullptr) current_->Forget();
}

} // namespace orvane
