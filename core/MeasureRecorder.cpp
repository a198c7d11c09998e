#include "MeasureRecorder.h"

namespace orvane::measure {

MeasureRecorder::MeasureRecorder(std::size_t capacity) : history_(capacity) {}

void MeasureRecorder::Start(const RunSnapshot& snapshot) {
    history_.Clear();
    steps_ = 0;
    baselineTimes_.clear();
    latest_ = snapshot;
    baseline_ = ConservedQuantities(snapshot);
    for (int body = body::Sun + 1; body <= body::Count; ++body)
        clocks_[body].Start(snapshot.time, PolarAngleAboutSun(snapshot, body));
    started_ = true;
    Add(snapshot);
}

void MeasureRecorder::Record(const RunSnapshot& snapshot) {
    if (!started_) {
        Start(snapshot);
        return;
    }
    if (snapshot.sunHeld != latest_.sunHeld) {
        // The step just made already ran under the new option: the baseline is the moment before it,
        // measured the way the new option conserves.
        RunSnapshot before = latest_;
        before.sunHeld = snapshot.sunHeld;
        if (steps_ == 0) {
            // Nothing has run yet under the old option: the run simply starts under the new one.
            Start(before);
        } else {
            baseline_ = ConservedQuantities(before);
            if (baselineTimes_.size() >= MaxBaselineMarks) baselineTimes_.erase(baselineTimes_.begin());
            baselineTimes_.push_back(before.time);
        }
    }
    ++steps_;
    for (int body = body::Sun + 1; body <= body::Count; ++body)
        clocks_[body].Advance(snapshot.time, PolarAngleAboutSun(snapshot, body));
    latest_ = snapshot;
    Add(snapshot);
}

void MeasureRecorder::Add(const RunSnapshot& snapshot) {
    latestConservation_ = ConservedQuantities(snapshot);
    Sample sample;
    sample.time = snapshot.time;
    sample.x = snapshot.x;
    sample.y = snapshot.y;
    sample.vx = snapshot.vx;
    sample.vy = snapshot.vy;
    sample.vx[body::Sun] = SunVx(snapshot);
    sample.vy[body::Sun] = SunVy(snapshot);
    sample.sunHeld = snapshot.sunHeld;
    sample.method = snapshot.method;
    sample.energy = latestConservation_.total;
    sample.angularMomentum = latestConservation_.angularMomentum;
    sample.relativeEnergyChange = EnergyChange().value_or(-1);
    history_.Add(sample);
    ++revision_;
}

std::optional<double> MeasureRecorder::EnergyChange() const {
    return RelativeChange(baseline_.total, latestConservation_.total);
}

std::optional<double> MeasureRecorder::AngularMomentumChange() const {
    return RelativeChange(baseline_.angularMomentum, latestConservation_.angularMomentum);
}

std::optional<double> MeasureRecorder::MeasuredPeriod(int body) const {
    if (body <= body::Sun || body > body::Count) return std::nullopt;
    return clocks_[static_cast<std::size_t>(body)].LastPeriod();
}

BodyReading ReadBody(const MeasureRecorder& recorder, int body) {
    BodyReading reading;
    reading.orbit = OrbitOf(recorder.Latest(), body);
    if (reading.orbit.kind != OrbitKind::Bound) return reading;
    reading.measuredPeriod = recorder.MeasuredPeriod(body);
    if (reading.measuredPeriod)
        reading.periodDifferencePct = (*reading.measuredPeriod / *reading.orbit.keplerPeriod - 1) * 100;
    return reading;
}

} // namespace orvane::measure
