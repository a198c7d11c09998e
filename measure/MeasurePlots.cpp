#include "MeasurePlots.h"

#include "AxisTicks.h"
#include "Bodies.h"
#include "BodyNames.h"
#include "HistoryCsv.h"
#include "MeasureRecorder.h"
#include "MeasureText.h"
#include "NumberText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvane::measure {

namespace {
// Below this |dE/E0| is rounding noise of doubles; zero and smaller values are drawn on this floor.
constexpr double SmallestEnergyChange = 1e-16;
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

    // The data, in the axes' units.
    const auto& samples = recorder_.History().Samples();
    const double lastSeconds = samples.empty() ? 0 : samples.back().time;
    const bool inYears = lastSeconds >= 2 * DaysPerJulianYear * SecondsPerDay;
    const double timeUnit = inYears ? DaysPerJulianYear * SecondsPerDay : SecondsPerDay;
    times_.clear();
    values_.clear();
    const bool logarithmic = quantity_ == Quantity::EnergyChange;
    for (const Sample& sample : samples) {
        double value = 0;
        if (logarithmic) {
            // A change not yet measured (negative) or beyond measure (an energy of almost 0 at the start) has
            // no place on the axis.
            if (sample.relativeEnergyChange < 0 || !std::isfinite(sample.relativeEnergyChange)) continue;
            value = std::log10(std::max(sample.relativeEnergyChange, SmallestEnergyChange));
        } else {
            const double dx = sample.x[body_] - sample.x[body::Sun];
            const double dy = sample.y[body_] - sample.y[body::Sun];
            value = std::sqrt(dx * dx + dy * dy) / MetresPerMillionKm;
        }
        times_.push_back(sample.time / timeUnit);
        values_.push_back(value);
    }

    const QString title = logarithmic
                              ? QStringLiteral("Относительное изменение энергии |ΔE/E₀|")
                              : QStringLiteral("Расстояние от Солнца: %1, млн км").arg(ui::BodyName(body_));
    const QString timeCaption = inYears ? QStringLiteral("время, годы") : QStringLiteral("время, сутки");

    // Ranges.
    double tMax = std::max(times_.empty() ? 0.0 : times_.back(), inYears ? 2.0 : 10.0);
    double vLo = 0, vHi = 1;
    if (!values_.empty()) {
        const auto [lo, hi] = std::minmax_element(values_.begin(), values_.end());
        vLo = *lo;
        vHi = *hi;
    }
    if (logarithmic) {
        vLo = std::floor(vLo);
        vHi = std::max(std::ceil(vHi), vLo + 2);
    } else {
        const double pad = std::max((vHi - vLo) * 0.05, std::max(std::abs(vHi) * 1e-3, 1.0));
        vLo = std::max(0.0, vLo - pad);
        vHi += pad;
    }

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

    // New baselines after a change of the Sun option.
    if (logarithmic) {
        painter.setPen(QPen(BaselineColor, 1, Qt::DashLine));
        for (const double seconds : recorder_.BaselineTimes()) {
            const double x = px(seconds / timeUnit);
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
            painter.drawText(QPointF(x + 3, area.top() + line), QStringLiteral("новый отсчёт"));
        }
    }

    // The curve, reduced to the lowest and highest value of each pixel column in the order they came:
    // a long history costs no more to draw than a short one and loses no peak.
    if (times_.size() >= 2) {
        QPolygonF curve;
        curve.reserve(2 * area.width() + 4);
        long column = -1;
        double low = 0, high = 0;
        bool lowFirst = true;
        const auto flush = [&] {
            if (column < 0) return;
            const double x = static_cast<double>(column);
            curve << QPointF(x, py(lowFirst ? low : high)) << QPointF(x, py(lowFirst ? high : low));
        };
        for (std::size_t k = 0; k < times_.size(); ++k) {
            const auto here = static_cast<long>(std::floor(px(times_[k])));
            const double v = values_[k];
            if (here != column) {
                flush();
                column = here;
                low = high = v;
                lowFirst = true;
            } else if (v < low) {
                low = v;
                lowFirst = false;
            } else if (v > high) {
                high = v;
            }
        }
        flush();
        painter.setClipRect(area);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(CurveColor, 1));
        painter.drawPolyline(curve);
    }
}

} // namespace orvane::measure
