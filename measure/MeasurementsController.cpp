#include "MeasurementsController.h"

#include "Form2.h"
#include "KeplerPanel.h"
#include "Measurements.h"
#include "MeasurementsWindow.h"
#include "ScreenLawsController.h"
#include "WindowOps.h"

#include <QAction>

namespace orvane::measure {

MeasurementsController::MeasurementsController(Form2& experiment)
    : QObject(&experiment), experiment_(experiment) {
    setObjectName(QStringLiteral("MeasurementsController"));
    refresh_.setInterval(RefreshIntervalMs);
    connect(&refresh_, &QTimer::timeout, this, &MeasurementsController::RefreshIfChanged);
    connect(&experiment, &Form2::Started, this, &MeasurementsController::OnStarted);
    connect(&experiment, &Form2::Ticked, this, &MeasurementsController::OnTicked);
    if (experiment.MeasureAction != nullptr)
        connect(experiment.MeasureAction, &QAction::triggered, this, &MeasurementsController::Open);
    recorder_.Start(SnapshotOf(experiment.Run()));
}

MeasurementsController::~MeasurementsController() = default;

void MeasurementsController::Open() {
    if (window_ == nullptr) {
        window_ = std::make_unique<MeasurementsWindow>(recorder_);
        if (const auto* laws = experiment_.findChild<ScreenLawsController*>()) {
            kepler_ = new KeplerPanel(recorder_, *laws, window_.get());
            window_->AddBelowConservation(kepler_);
        }
    }
    Refresh();
    shownRevision_ = recorder_.Revision();
    ui::ShowModeless(window_.get());
}

void MeasurementsController::OnStarted() {
    recorder_.Start(SnapshotOf(experiment_.Run()));
    if (window_ != nullptr && window_->isVisible()) Refresh();
}

void MeasurementsController::OnTicked() {
    recorder_.Record(SnapshotOf(experiment_.Run()));
    if (window_ != nullptr && window_->isVisible() && !refresh_.isActive()) refresh_.start();
}

// The timer runs only while there is something new to show: a paused run costs nothing.
void MeasurementsController::RefreshIfChanged() {
    if (window_ == nullptr || !window_->isVisible() || recorder_.Revision() == shownRevision_) {
        refresh_.stop();
        return;
    }
    Refresh();
}

void MeasurementsController::Refresh() {
    window_->Refresh();
    if (kepler_ != nullptr) kepler_->Refresh();
    shownRevision_ = recorder_.Revision();
}

MeasurementsController* AttachMeasurements(Form2& experiment) {
    return new MeasurementsController(experiment);
}

} // namespace orvane::measure
