#include "MeasurePlots.h"

#include "AxisTicks.h"
#include "Bodies.h"
#include "BodyNames.h"
#include "HistoryCsv.h"
#include "MeasurePlotData.h"
#include "MeasureRecorder.h"
#include "MeasureText.h"
#include "NumberText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane::measure {

namespace {
const QColor CurveColor(0, 70, 200);
const QColor GridColor(225, 225, 225);
const QColor BaselineColor(200, 60, 0);
} // namespace

HistoryPlot::HistoryPlot(const MeasureRecorder& recorder, Quantity quantity, QWidget* parent)
    : QWidget(parent), recorder_(recorder), quantity_(quantity) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HistoryPlot::SetBody(int body) {
    body_ = body;
    update();
}

void HistoryPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int line = metrics.height();

    // The data in the axes' units and their ranges, decided by the core.
    const bool logarithmic = quantity_ == Quantity::EnergyChange;
    const PlotQuantity plotted = logarithmic ? PlotQuantity::EnergyChange : PlotQuantity::Distance;
    BuildPlotSeries(recorder_.History(), plotted, body_, series_);
    const PlotRange range = PlotRangeOf(series_, plotted);
    const double tMax = range.timeMax;
    const double vLo = range.valueMin;
    const double vHi = range.valueMax;
    const double timeUnit = series_.secondsPerTimeUnit;

    const QString title = logarithmic ? tr("Относительное изменение энергии |ΔE/E₀|")
                                      : tr("Расстояние от Солнца: %1, млн км").arg(ui::BodyName(body_));
    const QString timeCaption = series_.inYears ? tr("время, годы") : tr("время, сутки");

    // Tick labels decide the margins.
    std::vector<double> valueTicks;
    if (logarithmic) {
        for (const double decade : DecadeTicks(std::pow(10.0, vLo), std::pow(10.0, vHi), 7))
            valueTicks.push_back(std::round(std::log10(decade)));
    } else {
        valueTicks = LinearTicks(vLo, vHi, 6);
    }
    const auto valueLabel = [&](double v) {
        if (logarithmic) return PowerOfTen(static_cast<int>(v));
        return ui::NumberToText(v, 'g', 7);
    };
    int labelWidth = 0;
    for (const double v : valueTicks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(valueLabel(v)));
    const QRect area(labelWidth + 12, line + 8, width() - labelWidth - 24, height() - 3 * line - 16);
    if (area.width() < 20 || area.height() < 20) return;
    const auto px = [&](double t) { return area.left() + t / tMax * area.width(); };
    const auto py = [&](double v) { return area.bottom() - (v - vLo) / (vHi - vLo) * area.height(); };

    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 2, width(), line), Qt::AlignHCenter, title);

    // Grid, ticks and labels.
    for (const double v : valueTicks) {
        const double y = py(v);
        painter.setPen(GridColor);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(area.left() - 4, y), QPointF(area.left(), y));
        painter.drawText(QRectF(0, y - line / 2.0, area.left() - 7, line), Qt::AlignRight | Qt::AlignVCenter,
                         valueLabel(v));
    }
    for (const double t : LinearTicks(0, tMax, std::max(2, area.width() / 70))) {
        const double x = px(t);
        painter.setPen(GridColor);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        painter.drawText(QRectF(x - 40, area.bottom() + 5, 80, line), Qt::AlignHCenter,
                         ui::NumberToText(t, 'g', 6));
    }
    painter.drawText(QRect(area.left(), area.bottom() + line + 6, area.width(), line), Qt::AlignHCenter,
                     timeCaption);
    painter.setPen(Qt::black);
    painter.drawRect(area);

    // New baselines after a change of the Sun option: the lines behind the curve, their words over it.
    static const std::vector<double> none;
    const std::vector<double>& baselines = logarithmic ? recorder_.BaselineTimes() : none;
    painter.setPen(QPen(BaselineColor, 1, Qt::DashLine));
    for (const double seconds : baselines) {
        const double x = px(seconds / timeUnit);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }

    // The curve, thinned to the lowest and highest value of each pixel column.
    ThinToPixelColumns(series_, tMax, area.left(), area.width(), columns_);
    if (series_.times.size() >= 2) {
        QPolygonF curve;
        curve.reserve(static_cast<qsizetype>(columns_.size()));
        for (const PlotPoint& point : columns_)
            curve << QPointF(static_cast<double>(point.column), py(point.value));
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(CurveColor, 1));
        painter.drawPolyline(curve);
        painter.setClipping(false);
    }

    //: A mark on the plots: the conservation laws count anew from here (the Sun's mode changed).
    const QString mark = tr("новый отсчёт");
    for (const double seconds : baselines) {
        const double x = px(seconds / timeUnit);
        // Beside the line on its right, or on its left where the plot's edge would cut the words; on a
        // pale box, so that the curve under them does not cross them out.
        const double width = metrics.horizontalAdvance(mark);
        const double left = x + 3 + width <= area.right() ? x + 3 : x - 3 - width;
        const QRectF box(left - 1, area.top() + line - metrics.ascent() - 1, width + 2, metrics.height() + 2);
        painter.fillRect(box, QColor(255, 255, 255, 210));
        painter.setPen(BaselineColor);
        painter.drawText(QPointF(left, area.top() + line), mark);
    }
}

} // namespace orvane::measure
