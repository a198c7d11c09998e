#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace orvane::ui {

// An update run at most once per interval however often it is asked for: what a run at a thousand steps
// a second would otherwise redraw at every step. A request that comes too soon is held, and the update
// runs once the interval is over, with the state as it then stands.
class Paced {
  public:
    explicit Paced(std::function<void()> update);
    Paced(const Paced&) = delete;
    Paced& operator=(const Paced&) = delete;

    // Whether the update may run now: `intervalMs` have passed since it last ran. If not, it is held to
    // run when they have.
    bool Due(int intervalMs);
    // The update has just run: the clock starts again and a held update is dropped.
    void Ran();
    bool Held() const { return held_.isActive(); }
    // Runs a held update now.
    void Flush();

  private:
    std::function<void()> update_;
    QElapsedTimer since_;
    QTimer held_;
};

} // namespace orvane::ui
