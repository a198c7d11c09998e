#pragma once

#include "ScreenLaws.h"

#include <QWidget>

class QCheckBox;
class QLabel;

namespace orvane {
class ScreenLawsController;
}

namespace orvane::measure {

class MeasureRecorder;

// Kepler's second and third laws in numbers, below the measurements window's conserved quantities: the
// areas of the last sectors the experiment's «Равные площади» has swept (AU² and each one's share of
// their mean), and every bound body's T² against a³ with the line T² = 4π²a³/μ, on log–log scales or,
// as a choice, linear ones.
class KeplerPanel : public QWidget {
    Q_OBJECT
  public:
    KeplerPanel(const MeasureRecorder& recorder, const ScreenLawsController& laws, QWidget* parent);

    // Shows the sectors and the run's latest orbits.
    void Refresh();
    // The third law's points as plotted now.
    const laws::ThirdLaw& ThirdLaw() const { return thirdLaw_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ShowTexts();
    void ShowAreas();

    const MeasureRecorder& recorder_;
    const ScreenLawsController& laws_;
    QLabel* areasTitle_ = nullptr;
    QLabel* areas_ = nullptr;
    QLabel* plotTitle_ = nullptr;
    QWidget* plot_ = nullptr;
    QCheckBox* linear_ = nullptr;
    laws::ThirdLaw thirdLaw_;
};

} // namespace orvane::measure
