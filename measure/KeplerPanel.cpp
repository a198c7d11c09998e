#include "KeplerPanel.h"

#include "BodyColors.h"
#include "BodyNames.h"
#include "MeasureRecorder.h"
#include "MeasureText.h"
#include "NumberText.h"
#include "ScreenLawsController.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orvane::measure {

namespace {

constexpr double SquareMetresPerSquareAu = AstronomicalUnitMetres * AstronomicalUnitMetres;

// T² against a³: the points in the bodies' colours, the line of Kepler's third law, decade or even
// ticks.
class ThirdLawPlot : public QWidget {
  public:
    ThirdLawPlot(const laws::ThirdLaw& law, const QCheckBox& linear, QWidget* parent)
        : QWidget(parent), law_(law), linear_(linear) {
        setMinimumHeight(200);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QRect area = rect().adjusted(64, 8, -24, -30);
        painter.setPen(Qt::black);
        painter.drawRect(area);
        if (law_.points.empty() || !(law_.slope > 0)) return;
        const bool linear = linear_.isChecked();
        double low = std::numeric_limits<double>::max(), high = 0;
        for (const laws::ThirdLawPoint& p : law_.points) {
            low = std::min({low, p.aCubed, p.tSquared});
            high = std::max({high, p.aCubed, p.tSquared});
        }
        // Log scales span whole decades around the points; linear ones start at zero.
        const double from = linear ? 0 : std::floor(std::log10(low));
        const double to = linear ? high * 1.05 : std::max(from + 1, std::ceil(std::log10(high)));
        const auto scaled = [&](double v) { return linear ? v : std::log10(std::max(v, 1e-300)); };
        const auto px = [&](double v) {
            return area.left() + (scaled(v) - from) / (to - from) * area.width();
        };
        const auto py = [&](double v) {
            return area.bottom() - (scaled(v) - from) / (to - from) * area.height();
        };
        painter.setClipRect(area.adjusted(-4, -4, 4, 4));
        painter.setRenderHint(QPainter::Antialiasing);
        // The line, by many short pieces on either scale.
        painter.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashLine));
        QPolygonF line;
        for (int k = 0; k <= 100; ++k) {
            const double s = from + (to - from) * k / 100;
            const double a3 = linear ? s : std::pow(10.0, s);
            line << QPointF(px(a3), py(law_.slope * a3));
        }
        painter.drawPolyline(line);
        const BodyColors colors = AllBodyColors();
        for (const laws::ThirdLawPoint& p : law_.points) {
            const std::int32_t c = colors[static_cast<std::size_t>(p.body - 1)];
            painter.setPen(Qt::black);
            painter.setBrush(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
            painter.drawEllipse(QPointF(px(p.aCubed), py(p.tSquared)), 4, 4);
        }
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::black);
        const QFontMetrics metrics(font());
        const int steps = linear ? 4 : static_cast<int>(to - from);
        for (int k = 0; k <= steps; ++k) {
            const double s = from + (to - from) * k / steps;
            const QString text =
                linear ? ui::NumberToText(s, 'g', 3) : PowerOfTen(static_cast<int>(std::lround(s)));
            const double x = area.left() + area.width() * k / double(steps);
            const double y = area.bottom() - area.height() * k / double(steps);
            painter.drawText(
                QPointF(x - metrics.horizontalAdvance(text) / 2.0, area.bottom() + metrics.ascent() + 2),
                text);
            painter.drawText(
                QPointF(area.left() - metrics.horizontalAdvance(text) - 3, y + metrics.ascent() / 2.0), text);
        }
        const QString xAxis = KeplerPanel::tr("a³, а. е.³");
        painter.drawText(QPointF(area.right() - metrics.horizontalAdvance(xAxis), rect().bottom() - 2),
                         xAxis);
        painter.drawText(QPointF(area.left() + 4, area.top() + metrics.ascent() + 2),
                         KeplerPanel::tr("T², годы²"));
    }

  private:
    const laws::ThirdLaw& law_;
    const QCheckBox& linear_;
};

} // namespace

KeplerPanel::KeplerPanel(const MeasureRecorder& recorder, const ScreenLawsController& laws, QWidget* parent)
    : QWidget(parent), recorder_(recorder), laws_(laws) {
    setObjectName(QStringLiteral("KeplerPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    areasTitle_ = new QLabel(this);
    areasTitle_->setWordWrap(true);
    areas_ = new QLabel(this);
    areas_->setObjectName(QStringLiteral("SectorAreas"));
    areas_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    areas_->setWordWrap(true);
    plotTitle_ = new QLabel(this);
    linear_ = new QCheckBox(this);
    linear_->setObjectName(QStringLiteral("ThirdLawLinear"));
    plot_ = new ThirdLawPlot(thirdLaw_, *linear_, this);
    plot_->setObjectName(QStringLiteral("ThirdLawPlot"));
    connect(linear_, &QCheckBox::toggled, plot_, qOverload<>(&QWidget::update));
    layout->addWidget(areasTitle_);
    layout->addWidget(areas_);
    layout->addWidget(plotTitle_);
    layout->addWidget(plot_, 1);
    layout->addWidget(linear_);
    connect(&laws, &ScreenLawsController::AreasChanged, this, &KeplerPanel::ShowAreas);
    ShowTexts();
    Refresh();
}

void KeplerPanel::ShowTexts() {
    areasTitle_->setText(
        tr("Равные площади (второй закон Кеплера): последние секторы, а. е.² (доля от среднего)"));
    plotTitle_->setText(tr("Третий закон Кеплера: T² от a³, линия T² = 4π²a³/μ"));
    linear_->setText(tr("Линейные шкалы"));
}

void KeplerPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ShowTexts();
    ShowAreas();
}

void KeplerPanel::Refresh() {
    std::array<std::optional<double>, body::Count + 1> measured{};
    for (int b = body::Mercury; b <= body::Count; ++b)
        measured[static_cast<std::size_t>(b)] = recorder_.MeasuredPeriod(b);
    thirdLaw_ = laws::ThirdLawFrom(recorder_.Latest(), measured);
    plot_->update();
    ShowAreas();
}

void KeplerPanel::ShowAreas() {
    const std::vector<double> areas = laws_.Areas().CompleteAreas();
    if (!laws_.Choice().areas || areas.empty()) {
        areas_->setText(tr("— (включите «Равные площади» в меню экрана эксперимента)"));
        return;
    }
    const std::vector<double> shares = laws::SharesOfMean(areas);
    QStringList entries;
    for (std::size_t k = 0; k < areas.size(); ++k)
        //: A sector's area in AU² and, in brackets, its share of the mean of the last sectors.
        entries << tr("%1 (%2)").arg(ui::NumberToText(areas[k] / SquareMetresPerSquareAu, 'g', 5),
                                     ui::NumberToText(shares[k], 'f', 4));
    //: %1 is the list of the last sectors' areas, %2 how many integration steps each sector spans.
    areas_->setText(tr("%1, шагов в секторе: %2")
                        .arg(ui::BodyName(laws_.Choice().body))
                        .arg(laws_.Areas().StepsPerSector()) +
                    QLatin1Char('\n') + entries.join(QStringLiteral("; ")));
}

} // namespace orvane::measure
