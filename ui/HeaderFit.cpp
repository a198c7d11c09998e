#include "HeaderFit.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace orvane::ui {

namespace {

// Room a heading's text leaves for the style's margins and the section's divider.
constexpr double HeadingPadding = 10;

class HeadingFitter : public QObject {
  public:
    HeadingFitter(QHeaderView* header, double smallest)
        : QObject(header), header_(header), smallest_(smallest) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != header_) return false;
        if (event->type() == QEvent::Resize) Fit();
        return false;
    }

    void Fit() {
        QAbstractItemModel* model = header_->model();
        if (model == nullptr || header_->count() == 0) return;
        const QFont base = header_->parentWidget() != nullptr ? header_->parentWidget()->font() : QFont();
        const QFontMetricsF metrics(base);
        int stretched = 0;
        double fixedWidth = 0;
        for (int section = 0; section < header_->count(); ++section) {
            if (header_->sectionResizeMode(section) == QHeaderView::Stretch)
                ++stretched;
            else
                fixedWidth += header_->sectionSize(section);
        }
        const double share = stretched > 0 ? (header_->width() - fixedWidth) / stretched : 0;
        double scale = 1;
        for (int section = 0; section < header_->count(); ++section) {
            const double room = header_->sectionResizeMode(section) == QHeaderView::Stretch
                                    ? share
                                    : header_->sectionSize(section);
            const QString text = model->headerData(section, header_->orientation()).toString();
            for (const QString& line : text.split(QLatin1Char('\n'))) {
                const double needed = metrics.horizontalAdvance(line) + HeadingPadding;
                if (needed > room && room > 0) scale = std::min(scale, room / needed);
            }
        }
        scale = std::max(scale, smallest_);
        QFont font = base;
        // The program's font is set in pixels; a system font may be in points.
        if (base.pixelSize() > 0)
            font.setPixelSize(std::max(1, static_cast<int>(std::floor(base.pixelSize() * scale))));
        else if (base.pointSizeF() > 0)
            font.setPointSizeF(std::floor(base.pointSizeF() * scale * 4) / 4);
        // The headings are painted in the viewport's font, which a style sheet's polish may have set
        // on it, so that it no longer follows the header's.
        if (font != header_->font()) header_->setFont(font);
        if (font != header_->viewport()->font()) header_->viewport()->setFont(font);
    }

  private:
    QHeaderView* header_;
    double smallest_;
};

} // namespace

void KeepHeadingLinesWhole(QHeaderView* header, double smallestShare) {
    auto* fitter = new HeadingFitter(header, smallestShare);
    header->installEventFilter(fitter);
    // New words, in another language, need their own room.
    QObject::connect(header->model(), &QAbstractItemModel::headerDataChanged, fitter,
                     [fitter] { fitter->Fit(); });
    fitter->Fit();
}

} // namespace orvane::ui
