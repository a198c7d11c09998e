#pragma once

#include "MeasureRecorder.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace orvane {
class Form2;
}

namespace orvane::measure {

class KeplerPanel;
class MeasurementsWindow;

// Records the experiment window's run from its start, whether or not anything shows it, and opens the
// measurements window on the experiment window's "Измерения…". It lives as long as the experiment window
// (its child), and owns the measurements window: closing that window only hides it.
class MeasurementsController : public QObject {
    Q_OBJECT
  public:
    static constexpr int RefreshIntervalMs = 100; // at most ten refreshes a second

    explicit MeasurementsController(Form2& experiment);
    ~MeasurementsController() override;

    // Opens the window, or brings it forward when it is open.
    void Open();
    MeasurementsWindow* Window() const { return window_.get(); }
    const MeasureRecorder& Recorder() const { return recorder_; }
    bool Refreshing() const { return refresh_.isActive(); }

  private:
    void OnStarted();
    void OnTicked();
    void RefreshIfChanged();
    // The window and the Kepler panel in it show what the recorder holds now.
    void Refresh();

    Form2& experiment_;
    MeasureRecorder recorder_;
    std::unique_ptr<MeasurementsWindow> window_;
    KeplerPanel* kepler_ = nullptr; // in the window, when the experiment draws the laws
    QTimer refresh_;
    unsigned long long shownRevision_ = 0;
};

// Gives the experiment window its measurements.
MeasurementsController* AttachMeasurements(Form2& experiment);

} // namespace orvane::measure
