#include "PictureBox.h"

#include "MessageBox.h"
#include "SaveDialog.h"
#include "WindowPacer.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace orvane::ui {

namespace {
constexpr int Border = 1;
const QColor Foreground = Qt::black;
// A region of more rectangles than this is presented as its bounding rectangle: adding to a region
// costs in proportion to its rectangles.
constexpr int MostPendingRects = 256;

int RefreshIntervalMs() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hertz = screen != nullptr && screen->refreshRate() >= 20 ? screen->refreshRate() : 60;
    return static_cast<int>(1000 / hertz);
}

QColor ToQColor(std::int32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    presentTimer_.setSingleShot(true);
    presentTimer_.setInterval(RefreshIntervalMs());
    connect(&presentTimer_, &QTimer::timeout, this, &PictureBox::Present);
}

void PictureBox::showEvent(QShowEvent*) {
    // The window is paced rather than this box alone: a text box set at every tick would otherwise
    // present the whole window at the tick rate.
    ui::PaceWindow(window(), RefreshIntervalMs());
}

// A step changes a few pixels of each body on both screens: their rectangles are only noted, and united
// with what waits to be presented a batch at a time. United one by one, each would cost in proportion
// to the rectangles already waiting, a thousand steps a second.
void PictureBox::MarkChanged(const QRect& changed) {
    if (changed.isEmpty()) return;
    const QRect widget = changed.translated(Border, Border);
    if (pendingRects_.empty() || !pendingRects_.back().contains(widget)) pendingRects_.push_back(widget);
    if (pendingRects_.size() >= PendingBatch) UnitePending();
    if (!presentTimer_.isActive()) presentTimer_.start();
}

void PictureBox::MarkChanged(const QRegion& changed) {
    if (changed.isEmpty()) return;
    UnitePending();
    pending_ += changed.translated(Border, Border);
    if (pending_.rectCount() > MostPendingRects) pending_ = pending_.boundingRect();
    if (!presentTimer_.isActive()) presentTimer_.start();
}

void PictureBox::UnitePending() const {
    if (pendingRects_.empty()) return;
    // A moving point's places of a few steps in a row overlap or touch: joined into their bounding
    // rectangle wherever it is no larger than the two together, they are united as one.
    const auto area = [](const QRect& r) { return static_cast<qint64>(r.width()) * r.height(); };
    for (std::size_t a = 0; a < pendingRects_.size(); ++a)
        for (std::size_t b = a + 1; b < pendingRects_.size(); ++b) {
            const QRect both = pendingRects_[a] | pendingRects_[b];
            if (area(both) > area(pendingRects_[a]) + area(pendingRects_[b])) continue;
            pendingRects_[a] = both;
            pendingRects_[b] = pendingRects_.back();
            pendingRects_.pop_back();
            b = a; // the grown rectangle may now join ones already passed
        }
    std::vector<QRegion> parts(pendingRects_.begin(), pendingRects_.end());
    pendingRects_.clear();
    for (std::size_t step = 1; step < parts.size(); step *= 2)
        for (std::size_t k = 0; k + step < parts.size(); k += 2 * step)
            parts[k] += parts[k + step];
    pending_ += parts.front();
    if (pending_.rectCount() > MostPendingRects) pending_ = pending_.boundingRect();
}

const QRegion& PictureBox::PendingRegion() const {
    UnitePending();
    return pending_;
}

void PictureBox::Present() {
    UnitePending();
    update(pending_);
    pending_ = QRegion();
}

QRect PictureBox::DrawingRect() const {
    return rect().adjusted(Border, Border, -Border, -Border);
}

void PictureBox::EnsureImage() {
    const QSize logical = DrawingRect().size().expandedTo(QSize(1, 1));
    // Every plotted point comes here, and asking the widget for its pixel ratio was 40 % of the cost of
    // a point; the ratio is asked again only at a resize or a paint, which follow a change of screen.
    if (scaleKnown_ && image_.size() == logical * deviceScale_) return;
    scaleKnown_ = true;
    // A whole number of device pixels per logical pixel keeps every point and line crisp.
    const int scale = std::max(1, qRound(devicePixelRatioF()));
    const QSize device = logical * scale;
    if (image_.size() == device && deviceScale_ == scale) return;
    deviceScale_ = scale;
    QImage fresh(device, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(scale);
    fresh.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(fresh);
    drawnStrips_.Forget();
}

void PictureBox::resizeEvent(QResizeEvent*) {
    scaleKnown_ = false;
    EnsureImage();
}

void PictureBox::Cls() {
    EnsureImage();
    image_.fill(Qt::white);
    drawnStrips_.Forget();
    MarkChanged(QRect(QPoint(0, 0), image_.size() / deviceScale_));
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
    originX_ = x1;
    originY_ = y1;
    spanX_ = x2 - x1;
    spanY_ = y2 - y1;
}

QPointF PictureBox::ToPixel(double x, double y) const {
    const QRect area = DrawingRect();
    return {(x - originX_) / spanX_ * area.width(), (y - originY_) / spanY_ * area.height()};
}

// Liang–Barsky clipping to a margin around the drawing area, so far-away or enormous coordinates never
// reach the rasteriser. A clipped end is placed on the boundary that cut it, computed from the slope,
// so that even a line between astronomically distant points keeps its visible part exactly.
bool PictureBox::ClipLine(double& x1, double& y1, double& x2, double& y2) const {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    const QRect area = DrawingRect();
    const double bounds[4] = {-2, area.width() + 2.0, -2, area.height() + 2.0};
    const double dx = x2 - x1, dy = y2 - y1;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    double t0 = 0, t1 = 1;
    int cut0 = -1, cut1 = -1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - bounds[0], bounds[1] - x1, y1 - bounds[2], bounds[3] - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) {
            if (t > t0) t0 = t, cut0 = k;
        } else {
            if (t < t1) t1 = t, cut1 = k;
        }
        if (t0 > t1) return false;
    }
    const auto onBoundary = [&](int k, double& x, double& y) {
        if (k < 2) {
            x = bounds[k];
            y = y1 + (x - x1) * (dy / dx);
        } else {
            y = bounds[k];
            x = x1 + (y - y1) * (dx / dy);
        }
    };
    const double sx = x1, sy = y1;
    if (cut1 >= 0) {
        x2 = sx, y2 = sy;
        onBoundary(cut1, x2, y2);
    }
    if (cut0 >= 0) onBoundary(cut0, x1, y1);
    return true;
}

namespace {

// Direct access to the backing image's pixels, taken once per drawing call. It remembers the bounds of
// the logical pixels whose colour it changed: the axes are drawn at every tick over identical pixels,
// and only a real change needs presenting.
struct Raster {
    QRgb* bits;
    qsizetype stride; // in pixels
    int width, height, scale;
    int left = std::numeric_limits<int>::max(), top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min(), bottom = std::numeric_limits<int>::min();
    DrawnStrips& strips;

    Raster(QImage& image, int deviceScale, DrawnStrips& drawnStrips)
        : bits(reinterpret_cast<QRgb*>(image.bits())), stride(image.bytesPerLine() / 4), width(image.width()),
          height(image.height()), scale(deviceScale), strips(drawnStrips) {}

    // One logical pixel, however many device pixels that is; pixels outside the drawing are skipped.
    void Plot(int x, int y, QRgb rgb) { Block(x, y, x, y, rgb); }

    // The logical pixels from (x0, y0) to (x1, y1) inclusive, ordered corners, clipped to the drawing. A
    // pixel that already has the colour is only read: redrawing an unchanged axis then costs a comparison
    // per pixel and marks nothing.
    void Block(int x0, int y0, int x1, int y1, QRgb rgb) {
        DeviceBlock(std::max(x0, 0) * scale, std::max(y0, 0) * scale, (x1 + 1) * scale, (y1 + 1) * scale,
                    rgb);
    }

    // The device pixels from (left, top) up to but not including (right, bottom), clipped to the image.
    void DeviceBlock(int deviceLeft, int deviceTop, int deviceRight, int deviceBottom, QRgb rgb) {
        deviceLeft = std::max(deviceLeft, 0), deviceTop = std::max(deviceTop, 0);
        deviceRight = std::min(deviceRight, width), deviceBottom = std::min(deviceBottom, height);
        for (int row = deviceTop; row < deviceBottom; ++row) {
            QRgb* line = bits + row * stride;
            for (int col = deviceLeft; col < deviceRight; ++col) {
                if (line[col] == rgb) continue;
                line[col] = rgb;
                strips.Changed(col / scale, row / scale, rgb);
                left = std::min(left, col / scale), right = std::max(right, col / scale);
                top = std::min(top, row / scale), bottom = std::max(bottom, row / scale);
            }
        }
    }

    // The logical pixels changed since the last call, as one rectangle; empty when none changed.
    QRect TakeChanged() {
        const QRect changed = left <= right ? QRect(QPoint(left, top), QPoint(right, bottom)) : QRect();
        left = top = std::numeric_limits<int>::max();
        right = bottom = std::numeric_limits<int>::min();
        return changed;
    }

    // Bresenham's line between two pixels, both ends included.
    void Line(int x0, int y0, int x1, int y1, QRgb rgb) {
        // The axes and the sides of a box: the same pixels as the general case, a row or column at once.
        if (x0 == x1 || y0 == y1) {
            const QRect pixels(QPoint(std::min(x0, x1), std::min(y0, y1)),
                               QPoint(std::max(x0, x1), std::max(y0, y1)));
            if (DrawnStrips::Strip* known = strips.Find(pixels, rgb)) {
                const auto covered = known->covered;
                const int count = std::exchange(known->coveredCount, 0);
                for (int k = 0; k < count; ++k)
                    Plot(covered[k].x(), covered[k].y(), rgb);
                return;
            }
            Block(pixels.left(), pixels.top(), pixels.right(), pixels.bottom(), rgb);
            strips.Remember(pixels, rgb);
            return;
        }
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            Plot(x0, y0, rgb);
            if (x0 == x1 && y0 == y1) return;
            const int twice = 2 * error;
            if (twice >= dy) error += dy, x0 += sx;
            if (twice <= dx) error += dx, y0 += sy;
        }
    }
};

// The device pixels of a large point: a block of 3 × 3 logical pixels around the one the point falls
// in, so that it is as large on a screen of twice the pixel density (6 × 6 device pixels there). Only
// points on the drawing get one: their pixel coordinates are not negative, so truncation is floor.
struct LargePoint {
    int left, top, size;
    LargePoint(double pixelX, double pixelY, int scale)
        : left((static_cast<int>(pixelX) - 1) * scale), top((static_cast<int>(pixelY) - 1) * scale),
          size(3 * scale) {}
};

// Where a point lands in logical pixels of a drawing area of the given size, and whether it lands on it.
// PSet and PSetRows share it: both must find the same pixel for the same point.
struct PointPixel {
    double x, y;
    bool Visible(double width, double height) const {
        return std::isfinite(x) && std::isfinite(y) && x >= 0 && y >= 0 && x < width && y < height;
    }
};

[[maybe_unused]] inline PointPixel ToPointPixel(float x, float y, double originX, double originY,
                                                double spanX, double spanY, double width, double height) {
    return {(x - originX) / spanX * width, (y - originY) / spanY * height};
}

// The same arithmetic for x and y at once, lane by lane exactly as above (IEEE operations on doubles in
// the same order), for the many points of a redraw.
struct PairMapping {
#if defined(__SSE2__)
    __m128d origin, span, size;
    PairMapping(double originX, double originY, double spanX, double spanY, double width, double height)
        : origin(_mm_set_pd(originY, originX)), span(_mm_set_pd(spanY, spanX)),
          size(_mm_set_pd(height, width)) {}
    // The pixel of the point xy[0], xy[1], and whether it lands on the drawing.
    bool Map(const float* xy, PointPixel& pixel) const {
        const __m128d point =
            _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(xy))));
        const __m128d mapped = _mm_mul_pd(_mm_div_pd(_mm_sub_pd(point, origin), span), size);
        _mm_storeu_pd(&pixel.x, mapped);
        const __m128d inside = _mm_and_pd(_mm_cmpge_pd(mapped, _mm_setzero_pd()), _mm_cmplt_pd(mapped, size));
        return _mm_movemask_pd(inside) == 3;
    }
#else
    double originX, originY, spanX, spanY, width, height;
    bool Map(const float* xy, PointPixel& pixel) const {
        pixel = ToPointPixel(xy[0], xy[1], originX, originY, spanX, spanY, width, height);
        return pixel.Visible(width, height);
    }
#endif
};
static_assert(offsetof(PointPixel, y) == sizeof(double), "x and y lie side by side");

} // namespace

void PictureBox::Line(float x1, float y1, float x2, float y2, std::int32_t color) {
    EnsureImage();
    const QPointF a = ToPixel(x1, y1);
    const QPointF b = ToPixel(x2, y2);
    double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    if (ClipLine(ax, ay, bx, by)) {
        Raster raster(image_, deviceScale_, drawnStrips_);
        const int x0 = static_cast<int>(std::floor(ax)), y0 = static_cast<int>(std::floor(ay));
        const int x1p = static_cast<int>(std::floor(bx)), y1p = static_cast<int>(std::floor(by));
        const QRgb rgb = ToQColor(color).rgb();
        raster.Line(x0, y0, x1p, y1p, rgb);
        MarkChanged(raster.TakeChanged());
        if (largeMarks_) {
            // A second line beside the first: below a flat line, right of a steep one.
            const bool flat = std::abs(x1p - x0) >= std::abs(y1p - y0);
            raster.Line(x0 + (flat ? 0 : 1), y0 + (flat ? 1 : 0), x1p + (flat ? 0 : 1), y1p + (flat ? 1 : 0),
                        rgb);
            MarkChanged(raster.TakeChanged());
        }
    }
}

void PictureBox::Box(float x, float y, float dx, float dy) {
    EnsureImage();
    const QRect area = DrawingRect();
    const auto clampX = [&](double v) { return std::clamp(v, -4.0, area.width() + 4.0); };
    const auto clampY = [&](double v) { return std::clamp(v, -4.0, area.height() + 4.0); };
    const QPointF a = ToPixel(x, y);
    const QPointF b = ToPixel(static_cast<double>(x) + dx, static_cast<double>(y) + dy);
    if (std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) && std::isfinite(b.y())) {
        // Clamping the corners keeps every visible side where it is and pushes the others out of sight.
        const int left = static_cast<int>(std::floor(clampX(std::min(a.x(), b.x()))));
        const int right = static_cast<int>(std::floor(clampX(std::max(a.x(), b.x()))));
        const int top = static_cast<int>(std::floor(clampY(std::min(a.y(), b.y()))));
        const int bottom = static_cast<int>(std::floor(clampY(std::max(a.y(), b.y()))));
        const QRgb rgb = Foreground.rgb();
        Raster raster(image_, deviceScale_, drawnStrips_);
        // Side by side: together they would mark the whole inside of the box.
        raster.Line(left, top, right, top, rgb);
        MarkChanged(raster.TakeChanged());
        raster.Line(left, bottom, right, bottom, rgb);
        MarkChanged(raster.TakeChanged());
        raster.Line(left, top, left, bottom, rgb);
        MarkChanged(raster.TakeChanged());
        raster.Line(right, top, right, bottom, rgb);
        MarkChanged(raster.TakeChanged());
        if (largeMarks_) {
            // Each side two pixels wide, the second one inside the box.
            raster.Line(left, top + 1, right, top + 1, rgb);
            MarkChanged(raster.TakeChanged());
            raster.Line(left, bottom - 1, right, bottom - 1, rgb);
            MarkChanged(raster.TakeChanged());
            raster.Line(left + 1, top, left + 1, bottom, rgb);
            MarkChanged(raster.TakeChanged());
            raster.Line(right - 1, top, right - 1, bottom, rgb);
            MarkChanged(raster.TakeChanged());
        }
    }
}

void PictureBox::PSet(float x, float y, std::int32_t color) {
    EnsureImage();
    const QRect area = DrawingRect();
    const double width = area.width(), height = area.height();
    const float xy[2] = {x, y};
    PointPixel p;
    if (PairMapping{originX_, originY_, spanX_, spanY_, width, height}.Map(xy, p)) {
        Raster raster(image_, deviceScale_, drawnStrips_);
        if (largeMarks_) {
            const LargePoint block(p.x, p.y, deviceScale_);
            raster.DeviceBlock(block.left, block.top, block.left + block.size, block.top + block.size,
                               ToQColor(color).rgb());
        } else {
            raster.Plot(static_cast<int>(p.x), static_cast<int>(p.y), ToQColor(color).rgb());
        }
        MarkChanged(raster.TakeChanged());
    }
}

void PictureBox::PSetRows(const float* xy, std::size_t rows, std::span<const std::int32_t> colors) {
    EnsureImage();
    if (rows == 0 || colors.empty()) return;
    const QRect area = DrawingRect();
    const double width = area.width(), height = area.height();
    std::vector<QRgb> rgbs;
    rgbs.reserve(colors.size());
    for (const std::int32_t color : colors)
        rgbs.push_back(ToQColor(color).rgb());
    QRgb* const bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / 4;
    const int imageWidth = image_.width(), imageHeight = image_.height();
    const int scale = deviceScale_;
    const bool single = scale == 1 && !largeMarks_;
    const int blockSize = largeMarks_ ? 3 * scale : scale;
    const std::size_t perRow = rgbs.size();
    const PairMapping mapping{originX_, originY_, spanX_, spanY_, width, height};
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t k = 0; k < perRow; ++k, xy += 2) {
            PointPixel p;
            if (!mapping.Map(xy, p)) continue;
            const QRgb rgb = rgbs[k];
            if (single) {
                bits[static_cast<qsizetype>(p.y) * stride + static_cast<int>(p.x)] = rgb;
                continue;
            }
            int left = static_cast<int>(p.x) * scale, top = static_cast<int>(p.y) * scale;
            if (largeMarks_) {
                const LargePoint block(p.x, p.y, scale);
                left = block.left, top = block.top;
                if (scale == 1 && left >= 0 && top >= 0 && left + 3 <= imageWidth && top + 3 <= imageHeight) {
                    // Inside the image, as nearly every point is: three rows of three, unchecked.
                    for (QRgb* line = bits + top * stride + left; line != bits + (top + 3) * stride + left;
                         line += stride)
                        line[0] = line[1] = line[2] = rgb;
                    continue;
                }
            }
            for (int r = std::max(top, 0); r < std::min(top + blockSize, imageHeight); ++r)
                for (int c = std::max(left, 0); c < std::min(left + blockSize, imageWidth); ++c)
                    bits[r * stride + c] = rgb;
        }
    }
    // The pixels were written without noting which strips they covered: the strips are drawn whole again.
    drawnStrips_.Forget();
    MarkChanged(QRect(QPoint(0, 0), area.size()));
}

void PictureBox::SetLargeMarks(bool large) {
    largeMarks_ = large;
    drawnStrips_.Forget();
    // The names change their font: they are laid out again.
    labelStyle_.reset();
    labelTexts_.Clear();
    dotImages_.Clear();
    for (const ShownLabel& label : labels_)
        RepaintLabelBox(label.box);
    labels_.clear();
    for (const ShownShape& shape : overlay_)
        MarkChanged(shape.bounds);
    layers_.Forget();
}

// The names' font and its measures, worked out once per look: a tick names the bodies on both screens.
const PictureBox::LabelStyle& PictureBox::Style() const {
    if (!labelStyle_) {
        QFont labelFont = font();
        labelFont.setBold(true);
        labelFont.setPixelSize(largeMarks_ ? 20 : 11);
        const QFontMetrics metrics(labelFont);
        // Room for the white rim on every side.
        labelStyle_ = LabelStyle{labelFont, metrics.height() + 2, metrics.ascent()};
    }
    return *labelStyle_;
}

const std::pair<QString, int>& PictureBox::LabelText(std::string_view text) const {
    if (const std::pair<QString, int>* laidOut = labelTexts_.Find(text)) return *laidOut;
    const QString words = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int widthPx = QFontMetrics(Style().font).horizontalAdvance(words) + 2;
    return labelTexts_.Add(std::string(text), std::pair<QString, int>(words, widthPx));
}

orvane::TextExtent PictureBox::LabelExtent(std::string_view text) const {
    const QRect area = DrawingRect();
    if (area.width() <= 0 || area.height() <= 0) return {};
    const int heightPx = Style().height;
    return {LabelText(text).second * std::abs(spanX_) / area.width(),
            heightPx * std::abs(spanY_) / area.height()};
}

void PictureBox::SetLabels(std::span<const orvane::SurfaceLabel> labels) {
    const int heightPx = labels.empty() ? 0 : Style().height;
    const auto place = [&](const orvane::SurfaceLabel& label) -> std::optional<ShownLabel> {
        const QPointF corner = ToPixel(label.x, label.y);
        if (!std::isfinite(corner.x()) || !std::isfinite(corner.y())) return std::nullopt;
        const auto& [words, widthPx] = LabelText(label.text);
        const QRect box(static_cast<int>(std::lround(std::clamp(corner.x(), -1e6, 1e6))),
                        static_cast<int>(std::lround(std::clamp(corner.y(), -1e6, 1e6))), widthPx, heightPx);
        return ShownLabel{box, words, ToQColor(label.color).rgb()};
    };
    // Most steps move no name by a whole pixel: then nothing is built or presented.
    if (static_cast<qsizetype>(labels.size()) == labels_.size()) {
        bool same = true;
        for (std::size_t k = 0; same && k < labels.size(); ++k)
            same = place(labels[k]) == labels_[static_cast<qsizetype>(k)];
        if (same) return;
    }
    QList<ShownLabel> shown;
    shown.reserve(static_cast<qsizetype>(labels.size()));
    for (const orvane::SurfaceLabel& label : labels)
        if (const std::optional<ShownLabel> placed = place(label)) shown.append(*placed);
    if (shown == labels_) return;
    // Only the boxes that changed are presented again: the names' old places and their new ones.
    for (const ShownLabel& label : labels_)
        if (!shown.contains(label)) RepaintLabelBox(label.box);
    for (const ShownLabel& label : shown)
        if (!labels_.contains(label)) RepaintLabelBox(label.box);
    labels_ = std::move(shown);
}

// A name's box goes straight into the region of the window's next paint, not into the pending region of
// the next presentation: a paint draws the names as they stand at that moment, so a name that moved
// after a presentation was asked for, but before it was painted, would otherwise be drawn only where
// the older request happened to cover it ("Вен а"), and its old place left for a later frame (two
// Suns at once).
void PictureBox::RepaintLabelBox(const QRect& box) {
    if (!box.isEmpty()) update(box.translated(Border, Border));
}

// A name with its white rim, drawn once and then only copied: laying the text out nine times over at
// every presentation would cost more than the whole run. It is laid out once, its white letters drawn
// once and copied to the rim's eight places, then the letters in colour over them: the same pixels as
// nine drawText calls (eight white, one coloured) at a third of the cost, for the tape's text changes at
// every frame.
const QImage& PictureBox::LabelImage(const QString& text, QRgb rgb, QSize size) const {
    const TextLook look{text, rgb, size, Style().font.pixelSize(), deviceScale_};
    if (const QImage* image = labelImages_->Find(look)) return *image;
    QTextLayout layout(text, Style().font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    // drawText puts the baseline at its point; a layout's line hangs from its top.
    const QPointF origin = QPointF(1, 1 + Style().ascent) - QPointF(0, line.ascent());
    const QSize whole = size.expandedTo(QSize(1, 1));
    // The white letters, on an image a pixel larger all round so that each copy is whole.
    QImage white((whole + QSize(2, 2)) * deviceScale_, QImage::Format_ARGB32_Premultiplied);
    white.setDevicePixelRatio(deviceScale_);
    white.fill(Qt::transparent);
    {
        QPainter painter(&white);
        painter.setPen(Qt::white);
        for (const QGlyphRun& run : runs)
            painter.drawGlyphRun(origin + QPointF(1, 1), run);
    }
    QImage image(whole * deviceScale_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(deviceScale_);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const QPoint rim : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(-1, -1),
                             QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1)})
        painter.drawImage(QPointF(rim) - QPointF(1, 1), white);
    painter.setPen(QColor(rgb));
    for (const QGlyphRun& run : runs)
        painter.drawGlyphRun(origin, run);
    painter.end();
    return labelImages_->Add(look, std::move(image));
}

void PictureBox::SetOverlay(std::span<const orvane::OverlayShape> shapes) {
    using Kind = orvane::OverlayShape::Kind;
    const QRect area(QPoint(0, 0), DrawingRect().size());
    const double width = area.width(), height = area.height();
    // Far-away points are held a screen's breadth or so outside it, where the painter still clips them.
    // The arithmetic is ToPixel's, without asking for the drawing area at every point.
    const auto pixel = [&](float x, float y) {
        const auto clamp = [](double v) {
            return static_cast<int>(
                std::floor(std::isfinite(v) ? std::clamp(v, -20000.0, 20000.0) : -20000.0));
        };
        return QPoint(clamp((x - originX_) / spanX_ * width), clamp((y - originY_) / spanY_ * height));
    };
    // The list of the last frame but one is written over, keeping its points' storage: the same few
    // dozen shapes come again at every frame.
    QList<ShownShape>& shown = spareOverlay_;
    shown.resize(static_cast<qsizetype>(shapes.size()));
    qsizetype count = 0;
    for (const orvane::OverlayShape& shape : shapes) {
        if (shape.xy.size() < 2) continue;
        ShownShape& s = shown[count++];
        s.kind = shape.kind;
        s.rgb = ToQColor(shape.color).rgb();
        s.dashed = shape.dashed;
        s.behind = shape.behind;
        s.points.resize(static_cast<qsizetype>(shape.xy.size() / 2));
        for (std::size_t k = 0; k + 1 < shape.xy.size(); k += 2)
            s.points[static_cast<qsizetype>(k / 2)] = pixel(shape.xy[k], shape.xy[k + 1]);
        s.text.clear();
        s.textSize = QSize();
        s.backed = false;
        if (shape.kind == Kind::Text) {
            const auto& [words, widthPx] = LabelText(shape.text);
            s.text = words;
            s.textSize = QSize(widthPx, Style().height);
            if (shape.standing) s.points.front() -= QPoint(0, s.textSize.height());
            // Words running off the right edge (a tape's length on the small overview) are moved left
            // until they end at it, or begin at the left edge.
            QPoint& corner = s.points.front();
            if (const int over = corner.x() + widthPx - area.width(); over > 0)
                corner.rx() -= std::min(over, std::max(0, corner.x()));
            s.backed = shape.backed;
            s.bounds = QRect(s.points.front(), s.textSize);
        } else {
            s.bounds = s.points.boundingRect().adjusted(-4, -4, 4, 4);
        }
        s.bounds &= area;
    }
    shown.resize(count);
    if (shown == overlay_) return;
    // Only what changed is presented again: the places of the shapes that went and of those that came.
    // Shapes are matched by what they are, not by their place in the list: when the oldest sector goes,
    // every shape after it moves up one place and would otherwise count as changed.
    const auto key = [](const ShownShape& shape) {
        const QRect& b = shape.bounds;
        return std::array<qint64, 4>{
            (static_cast<qint64>(shape.kind) << 32) | shape.rgb,
            (static_cast<qint64>(b.left()) << 32) ^ static_cast<quint32>(b.top()),
            (static_cast<qint64>(b.right()) << 32) ^ static_cast<quint32>(b.bottom()), shape.points.size()};
    };
    const auto sortedKeys = [&key](const QList<ShownShape>& shapes) {
        std::vector<std::pair<std::array<qint64, 4>, qsizetype>> keys;
        keys.reserve(static_cast<std::size_t>(shapes.size()));
        for (qsizetype k = 0; k < shapes.size(); ++k)
            keys.emplace_back(key(shapes[k]), k);
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    const auto before = sortedKeys(overlay_), after = sortedKeys(shown);
    std::vector<bool> kept(before.size()), came(after.size(), true);
    // Walk both sorted lists; among shapes of equal key, each new one takes an equal old one still free.
    for (std::size_t a = 0, b = 0; a < after.size(); ++a) {
        while (b < before.size() && before[b].first < after[a].first)
            ++b;
        for (std::size_t c = b; c < before.size() && before[c].first == after[a].first; ++c)
            if (!kept[c] && overlay_[before[c].second] == shown[after[a].second]) {
                kept[c] = true;
                came[a] = false;
                break;
            }
    }
    // The layers are drawn again, and presented, on the tiles of the shapes that went and came.
    EnsureImage();
    layers_.Prepare(area.size(), deviceScale_, largeMarks_);
    // A shape that went and one that came in its place in the list are marked together: a long line
    // that moved only in part is marked only there.
    std::vector<bool> went(static_cast<std::size_t>(overlay_.size())),
        arrived(static_cast<std::size_t>(shown.size()));
    for (std::size_t k = 0; k < before.size(); ++k)
        went[static_cast<std::size_t>(before[k].second)] = !kept[k];
    for (std::size_t k = 0; k < after.size(); ++k)
        arrived[static_cast<std::size_t>(after[k].second)] = came[k];
    bool anyChanged = false;
    for (std::size_t k = 0; k < std::max(went.size(), arrived.size()); ++k) {
        const bool old = k < went.size() && went[k], now = k < arrived.size() && arrived[k];
        const auto at = static_cast<qsizetype>(k);
        if (old && now)
            layers_.MarkChange(overlay_[at], shown[at]);
        else if (old)
            layers_.Mark(overlay_[at]);
        else if (now)
            layers_.Mark(shown[at]);
        anyChanged = anyChanged || old || now;
    }
    // Drawn in a different order, the same shapes could still overlap differently.
    if (!anyChanged) layers_.MarkAll();
    const QRegion marked = layers_.Marked();
    MarkChanged(marked);
    std::swap(overlay_, spareOverlay_);
    if (overlay_.isEmpty()) {
        layers_.Forget();
        composed_ = QImage();
        return;
    }
    layers_.Render(overlay_, marked, LayerPictures());
}

// A small circle with a white inside, drawn once per colour and then only copied: stroking a circle
// costs as much as a long line. Drawn at a whole pixel's offset, its pixels are those drawn in place.
const QImage& PictureBox::DotImage(QRgb rgb) const {
    const TextLook look{QString(), rgb, QSize(), largeMarks_ ? 2 : 1, deviceScale_};
    if (const QImage* image = dotImages_.Find(look)) return *image;
    QImage image(QSize(2 * DotReach, 2 * DotReach) * deviceScale_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(deviceScale_);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QPen pen{QColor(rgb)};
    pen.setWidth(largeMarks_ ? 2 : 1);
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(DotReach, DotReach), 3, 3);
    painter.end();
    return dotImages_.Add(look, std::move(image));
}

// A line two pixels wide is drawn as the lines of the trails are: a second one-pixel line beside the
// first, below a flat segment and right of a steep one.
void PictureBox::EnsureLayers() const {
    if (overlay_.isEmpty() || layers_.Ready(image_.size(), deviceScale_)) return;
    layers_.Prepare(image_.size() / deviceScale_, deviceScale_, largeMarks_);
    layers_.Render(overlay_, layers_.Marked(), LayerPictures());
}

OverlayLayers::Pictures PictureBox::LayerPictures() const {
    return {[this](QRgb rgb) -> const QImage& { return DotImage(rgb); }, DotReach,
            [this](const ShownShape& shape) -> const QImage& {
                return LabelImage(shape.text, shape.rgb, shape.textSize);
            }};
}

void PictureBox::PaintLabels(QPainter& painter, const QRect& area) const {
    if (labels_.isEmpty()) return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    for (const ShownLabel& label : labels_)
        painter.drawImage(area.topLeft() + label.box.topLeft(),
                          LabelImage(label.text, label.rgb, label.box.size()));
    painter.restore();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    scaleKnown_ = false;
    EnsureImage();
    QPainter painter(this);
    const QRect area = DrawingRect();
    if (!area.contains(event->rect())) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // Only the exposed part is copied: most presentations cover a few dozen plotted pixels. Shapes over
    // the drawing are laid over it there first.
    EnsureLayers();
    const bool layered = !overlay_.isEmpty();
    if (layered && composed_.size() != image_.size()) {
        composed_ = QImage(image_.size(), QImage::Format_RGB32);
        composed_.setDevicePixelRatio(deviceScale_);
    }
    for (const QRect& exposed : event->region()) {
        const QRect target = exposed & area;
        if (target.isEmpty()) continue;
        const QRect source((target.topLeft() - area.topLeft()) * deviceScale_, target.size() * deviceScale_);
        if (layered) layers_.Compose(image_, composed_, source);
        painter.drawImage(target, layered ? composed_ : image_, source);
    }
    PaintLabels(painter, area);
}

void PictureBox::AddMenuAction(QAction* action) {
    menuActions_.append(action);
}

QImage PictureBox::ShownImage() const {
    QImage picture = image_;
    if (!overlay_.isEmpty()) {
        EnsureLayers();
        layers_.Compose(image_, picture, picture.rect());
    }
    if (!labels_.isEmpty()) {
        QPainter painter(&picture);
        PaintLabels(painter, QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
    }
    return picture;
}

QByteArray PictureBox::PngOfShownImage() const {
    QImage picture = ShownImage();
    picture.setDevicePixelRatio(1);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

bool PictureBox::SaveImage(const QString& path) {
    return SaveWholeFile(this, path, PngOfShownImage(), SavedFile::Picture);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PictureMenu"));
    menu.setToolTipsVisible(true);
    QAction* save = menu.addAction(tr("Сохранить изображение…"));
    for (const QPointer<QAction>& action : menuActions_)
        if (action != nullptr) menu.addAction(action);
    if (menu.exec(event->globalPos()) != save) return;
    const QString path = AskWhereToSave(this, {QStringLiteral("SaveImageDialog"), tr("Сохранить изображение"),
                                               QStringLiteral("orvane.png"), tr("Изображения PNG (*.png)"),
                                               QStringLiteral("png")});
    if (!path.isEmpty()) SaveImage(path);
}

} // namespace orvane::ui
