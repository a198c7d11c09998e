#include "PictureBox.h"

#include "MessageBox.h"
#include "WindowPacer.h"

#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
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

void PictureBox::MarkChanged(const QRect& changed) {
    if (changed.isEmpty()) return;
    pending_ += changed.translated(Border, Border);
    if (pending_.rectCount() > MostPendingRects) pending_ = pending_.boundingRect();
    if (!presentTimer_.isActive()) presentTimer_.start();
}

void PictureBox::Present() {
    update(pending_);
    pending_ = QRegion();
}

QRect PictureBox::DrawingRect() const {
    return rect().adjusted(Border, Border, -Border, -Border);
}

void PictureBox::EnsureImage() {
    // A whole number of device pixels per logical pixel keeps every point and line crisp.
    const int scale = std::max(1, qRound(devicePixelRatioF()));
    const QSize logical = DrawingRect().size().expandedTo(QSize(1, 1));
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
    knownRuns_.Forget();
}

void PictureBox::resizeEvent(QResizeEvent*) {
    EnsureImage();
}

void PictureBox::Cls() {
    EnsureImage();
    image_.fill(Qt::white);
    knownRuns_.Forget();
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
    KnownRuns& runs;

    Raster(QImage& image, int deviceScale, KnownRuns& knownRuns)
        : bits(reinterpret_cast<QRgb*>(image.bits())), stride(image.bytesPerLine() / 4), width(image.width()),
          height(image.height()), scale(deviceScale), runs(knownRuns) {}

    // One logical pixel, however many device pixels that is; pixels outside the drawing are skipped.
    void Plot(int x, int y, QRgb rgb) { Block(x, y, x, y, rgb); }

    // The logical pixels from (x0, y0) to (x1, y1) inclusive, ordered corners, clipped to the drawing. A
    // pixel that already has the colour is only read: redrawing an unchanged axis then costs a comparison
    // per pixel and marks nothing.
    void Block(int x0, int y0, int x1, int y1, QRgb rgb) {
        const int deviceLeft = std::max(x0, 0) * scale, deviceRight = std::min((x1 + 1) * scale, width);
        const int deviceTop = std::max(y0, 0) * scale, deviceBottom = std::min((y1 + 1) * scale, height);
        for (int row = deviceTop; row < deviceBottom; ++row) {
            QRgb* line = bits + row * stride;
            for (int col = deviceLeft; col < deviceRight; ++col) {
                if (line[col] == rgb) continue;
                line[col] = rgb;
                runs.Changed(col / scale, row / scale, rgb);
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
            if (KnownRuns::Run* known = runs.Find(pixels, rgb)) {
                const auto covered = known->covered;
                const int count = std::exchange(known->coveredCount, 0);
                for (int k = 0; k < count; ++k)
                    Plot(covered[k].x(), covered[k].y(), rgb);
                return;
            }
            Block(pixels.left(), pixels.top(), pixels.right(), pixels.bottom(), rgb);
            runs.Remember(pixels, rgb);
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

} // namespace

void PictureBox::Line(float x1, float y1, float x2, float y2, std::int32_t color) {
    EnsureImage();
    const QPointF a = ToPixel(x1, y1);
    const QPointF b = ToPixel(x2, y2);
    double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    if (ClipLine(ax, ay, bx, by)) {
        Raster raster(image_, deviceScale_, knownRuns_);
        raster.Line(static_cast<int>(std::floor(ax)), static_cast<int>(std::floor(ay)),
                    static_cast<int>(std::floor(bx)), static_cast<int>(std::floor(by)),
                    ToQColor(color).rgb());
        MarkChanged(raster.TakeChanged());
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
        Raster raster(image_, deviceScale_, knownRuns_);
        // Side by side: together they would mark the whole inside of the box.
        raster.Line(left, top, right, top, rgb);
        MarkChanged(raster.TakeChanged());
        raster.Line(left, bottom, right, bottom, rgb);
        MarkChanged(raster.TakeChanged());
        raster.Line(left, top, left, bottom, rgb);
        MarkChanged(raster.TakeChanged());
        raster.Line(right, top, right, bottom, rgb);
        MarkChanged(raster.TakeChanged());
    }
}

void PictureBox::PSet(float x, float y, std::int32_t color) {
    EnsureImage();
    const QPointF p = ToPixel(x, y);
    const QRect area = DrawingRect();
    if (std::isfinite(p.x()) && std::isfinite(p.y()) && p.x() >= 0 && p.y() >= 0 && p.x() < area.width() &&
        p.y() < area.height()) {
        Raster raster(image_, deviceScale_, knownRuns_);
        raster.Plot(static_cast<int>(p.x()), static_cast<int>(p.y()), ToQColor(color).rgb());
        MarkChanged(raster.TakeChanged());
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    EnsureImage();
    QPainter painter(this);
    const QRect area = DrawingRect();
    if (!area.contains(event->rect())) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // Only the exposed part is copied: most presentations cover a few dozen plotted pixels.
    for (const QRect& exposed : event->region()) {
        const QRect target = exposed & area;
        if (target.isEmpty()) continue;
        const QRect source((target.topLeft() - area.topLeft()) * deviceScale_, target.size() * deviceScale_);
        painter.drawImage(target, image_, source);
    }
}

void PictureBox::AddMenuAction(QAction* action) {
    menuActions_.append(action);
}

bool PictureBox::SaveImage(const QString& path) const {
    QImage picture = image_;
    picture.setDevicePixelRatio(1);
    return picture.save(path, "PNG");
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PictureMenu"));
    QAction* save = menu.addAction(QStringLiteral("Сохранить изображение…"));
    for (const QPointer<QAction>& action : menuActions_)
        if (action != nullptr) menu.addAction(action);
    if (menu.exec(event->globalPos()) != save) return;
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить изображение"),
                                     QStringLiteral("orvane.png"), QStringLiteral("Изображения PNG (*.png)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
    if (!SaveImage(path))
        ShowMessage(this, QStringLiteral("Не удалось сохранить изображение в файл %1").arg(path));
}

} // namespace orvane::ui
