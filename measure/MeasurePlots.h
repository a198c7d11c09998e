#pragma once

#include "MeasurePlotData.h"

#include <QWidget>

#include <vector>

namespace orvane::measure {

class MeasureRecorder;

// A plot of one quantity of the recorded history against time, drawn with QPainter: axes with ticks and
// units, the curve, and the moments a new baseline was taken.
class HistoryPlot : public QWidget {
    Q_OBJECT
  public:
    enum class Quantity {
        EnergyChange, // |dE/E0| on a logarithmic axis
        Distance      // distance of one body from the Sun, millions of km
    };

    HistoryPlot(const MeasureRecorder& recorder, Quantity quantity, QWidget* parent);

    void SetBody(int body);
    int Body() const { return body_; }
    QSize sizeHint() const override { return {460, 230}; }
    QSize minimumSizeHint() const override { return {300, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const MeasureRecorder& recorder_;
    Quantity quantity_;
    int body_ = 4;
    // Work space of the drawing, kept between paints so a repaint allocates nothing once it has grown.
    PlotSeries series_;
    std::vector<PlotPoint> columns_;
};

} // namespace orvane::measure
