#include "OverlayLayers.h"

#include <QPainter>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace orvane::ui {

namespace {

QRgb Darker(QRgb a, QRgb b) {
    return qRgb(std::min(qRed(a), qRed(b)), std::min(qGreen(a), qGreen(b)), std::min(qBlue(a), qBlue(b)));
}

// x · a / 255 for each channel of a premultiplied pixel, rounded as the painter rounds it.
QRgb ByteMul(QRgb x, unsigned a) {
    unsigned t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

// A premultiplied pixel over an opaque one, as the painter's SourceOver does it.
QRgb Over(QRgb drawing, QRgb shape) {
    const unsigned alpha = qAlpha(shape);
    if (alpha == 0) return drawing;
    if (alpha == 255) return shape;
    return (shape + ByteMul(drawing, 255 - alpha)) | 0xFF000000;
}

std::int64_t FloorDivision(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// a rounded to the nearest integer of a / b, halves up, for b > 0.
std::int64_t RoundedDivision(std::int64_t a, std::int64_t b) {
    const std::int64_t twice = 2 * a + b, by = 2 * b;
    return twice >= 0 ? twice / by : -((-twice + by - 1) / by);
}

// The pixels of a segment, both ends included: along its longer side one pixel per column or row, across
// it the nearest. Each pixel is found from the segment's ends alone, so a clipped part has the pixels of
// the whole. `on` and `off` give a dash pattern (none when on is 0), `phase` the pixels of the line
// before this segment; only the pixels inside `clip` are visited, a tile's length at a time, and of those
// only where `wanted` says the rectangle they lie in is.
template <class Wanted, class Plot>
void SegmentPixels(QPoint a, QPoint b, int on, int off, std::int64_t phase, const QRect& clip,
                   Wanted&& wanted, Plot&& plot) {
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    const bool flat = std::abs(dx) >= std::abs(dy);
    const int length = flat ? std::abs(dx) : std::abs(dy);
    const int major0 = flat ? a.x() : a.y(), step = (flat ? dx : dy) < 0 ? -1 : 1;
    const int low = flat ? clip.left() : clip.top(), high = flat ? clip.right() : clip.bottom();
    const int from = std::max(0, step > 0 ? low - major0 : major0 - high);
    const int to = std::min(length, step > 0 ? high - major0 : major0 - low);
    const int across = flat ? dy : dx;
    const int minor0 = flat ? a.y() : a.x();
    const int minorLow = flat ? clip.top() : clip.left(), minorHigh = flat ? clip.bottom() : clip.right();
    const auto minorAt = [&](int k) {
        return length == 0 ? minor0
                           : minor0 + static_cast<int>(RoundedDivision(std::int64_t{k} * across, length));
    };
    for (int k = from; k <= to;) {
        // The pixels up to the next tile boundary along the longer side.
        const int major = major0 + step * k;
        const int tile = static_cast<int>(FloorDivision(major, OverlayLayers::Tile));
        const int edge = step > 0 ? (tile + 1) * OverlayLayers::Tile - 1 : tile * OverlayLayers::Tile;
        const int last = std::min(to, k + std::abs(edge - major));
        const int m0 = minorAt(k), m1 = minorAt(last);
        const int majorLast = major0 + step * last;
        const int majorLow = std::min(major, majorLast), majorHigh = std::max(major, majorLast);
        const bool want = flat ? wanted(majorLow, std::min(m0, m1), majorHigh, std::max(m0, m1))
                               : wanted(std::min(m0, m1), majorLow, std::max(m0, m1), majorHigh);
        if (want && length == 0) {
            if (minor0 >= minorLow && minor0 <= minorHigh && (on == 0 || phase % (on + off) < on))
                flat ? plot(major0, minor0) : plot(minor0, major0);
        } else if (want) {
            // minorAt(j) kept as a quotient and remainder: a step along adds 2 · across / (2 · length).
            const std::int64_t by = 2 * std::int64_t{length}, add = 2 * std::int64_t{across};
            const std::int64_t first = std::int64_t{k} * add + length;
            std::int64_t quotient = FloorDivision(first, by), remainder = first - quotient * by;
            for (int j = k; j <= last; ++j) {
                const int minor = minor0 + static_cast<int>(quotient);
                remainder += add;
                if (remainder >= by) remainder -= by, ++quotient;
                if (remainder < 0) remainder += by, --quotient;
                if (on > 0 && (phase + j) % (on + off) >= on) continue;
                if (minor < minorLow || minor > minorHigh) continue;
                if (flat)
                    plot(major0 + step * j, minor);
                else
                    plot(minor, major0 + step * j);
            }
        }
        k = last + 1;
    }
}

// The segments of a polyline, each with its dash phase and, for a wide line, the offset of its second
// line: below a flat segment, right of a steep one.
template <class Segment>
void PolylineSegments(const QPolygon& points, bool wide, Segment&& segment) {
    if (points.size() == 1) segment(points[0], points[0], QPoint(), std::int64_t{0});
    std::int64_t phase = 0;
    for (qsizetype k = 0; k + 1 < points.size(); ++k) {
        const QPoint a = points[k], b = points[k + 1];
        const bool flat = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
        segment(a, b, wide ? (flat ? QPoint(0, 1) : QPoint(1, 0)) : QPoint(), phase);
        phase += std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    }
}

// Both layers' empty pixels are a byte repeated: 0 for transparent, 0xFF for white.
void Fill(uchar* bits, qsizetype bytesPerLine, const QRect& device, unsigned char byte) {
    for (int row = device.top(); row <= device.bottom(); ++row)
        std::memset(bits + row * bytesPerLine + device.left() * 4, byte,
                    static_cast<std::size_t>(device.width()) * 4);
}

} // namespace

QColor OverlayLayers::PaleBacking() {
    // White enough for the letters, the trails still seen.
    return {255, 255, 255, 190};
}

void OverlayLayers::Forget() {
    behind_ = QImage();
    front_ = QImage();
    scale_ = 0;
    marks_.clear();
    inked_.clear();
    anyMarked_ = false;
}

void OverlayLayers::Prepare(QSize logical, int scale, bool wide) {
    if (Ready(logical * scale, scale) && wide == wide_) return;
    behind_ = QImage(logical * scale, QImage::Format_RGB32);
    front_ = QImage(logical * scale, QImage::Format_ARGB32_Premultiplied);
    behind_.setDevicePixelRatio(scale);
    front_.setDevicePixelRatio(scale);
    behind_.fill(0xFFFFFFFF);
    front_.fill(0);
    scale_ = scale;
    wide_ = wide;
    logical_ = logical;
    columns_ = (logical.width() + Tile - 1) / Tile;
    rows_ = (logical.height() + Tile - 1) / Tile;
    marks_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
    inked_.assign(marks_.size(), 0);
    MarkAll();
}

template <class Visit>
bool OverlayLayers::VisitTiles(const QRect& pixels, Visit&& visit) const {
    const QRect box = pixels & QRect(QPoint(0, 0), logical_);
    if (box.isEmpty()) return false;
    for (int row = box.top() / Tile; row <= box.bottom() / Tile; ++row)
        for (int column = box.left() / Tile; column <= box.right() / Tile; ++column)
            if (visit(static_cast<std::size_t>(row * columns_ + column))) return true;
    return false;
}

bool OverlayLayers::AnyTileMarked(int left, int top, int right, int bottom) const {
    return VisitTiles(QRect(QPoint(left, top), QPoint(right, bottom)),
                      [this](std::size_t tile) { return marks_[tile] != 0; });
}

void OverlayLayers::MarkAll() {
    std::fill(marks_.begin(), marks_.end(), 1);
    anyMarked_ = !marks_.empty();
}

void OverlayLayers::MarkPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= logical_.width() || y >= logical_.height()) return;
    marks_[static_cast<std::size_t>(y / Tile * columns_ + x / Tile)] = 1;
    anyMarked_ = true;
}

void OverlayLayers::MarkSegment(QPoint a, QPoint b, QPoint beside) {
    // A pixel left of or above the drawing may have its wide line's second pixel on it.
    const QRect area(QPoint(-1, -1), QPoint(logical_.width() - 1, logical_.height() - 1));
    SegmentPixels(
        a, b, 0, 0, 0, area, [](int, int, int, int) { return true; },
        [&](int x, int y) {
            MarkPixel(x, y);
            MarkPixel(x + beside.x(), y + beside.y());
        });
}

void OverlayLayers::Mark(const ShownShape& shape) {
    if (shape.kind == orvane::OverlayShape::Kind::Polyline) {
        PolylineSegments(shape.points, wide_,
                         [&](QPoint a, QPoint b, QPoint beside, std::int64_t) { MarkSegment(a, b, beside); });
        return;
    }
    VisitTiles(shape.bounds, [this](std::size_t tile) {
        marks_[tile] = 1;
        anyMarked_ = true;
        return false;
    });
}

void OverlayLayers::MarkChange(const ShownShape& went, const ShownShape& came) {
    const bool sameLine = went.kind == orvane::OverlayShape::Kind::Polyline && came.kind == went.kind &&
                          !went.dashed && !came.dashed && went.points.size() == came.points.size();
    if (!sameLine) {
        Mark(went);
        Mark(came);
        return;
    }
    // A long line (an orbit) moves a few of its points at a time: only the segments that moved change.
    const QPolygon& a = went.points;
    const QPolygon& b = came.points;
    for (qsizetype k = 0; k + 1 < a.size(); ++k) {
        if (a[k] == b[k] && a[k + 1] == b[k + 1]) continue;
        for (const QPolygon* line : {&a, &b}) {
            const QPoint p = (*line)[k], q = (*line)[k + 1];
            const bool flat = std::abs(q.x() - p.x()) >= std::abs(q.y() - p.y());
            MarkSegment(p, q, wide_ ? (flat ? QPoint(0, 1) : QPoint(1, 0)) : QPoint());
        }
    }
}

QRegion OverlayLayers::Marked() const {
    if (!anyMarked_) return {};
    // Runs of marked tiles in each row, a run continuing the same run of the row above joined to it.
    std::vector<QRect> rects;
    std::vector<std::size_t> above; // the rects of the row above, by their runs
    std::vector<std::size_t> current;
    for (int row = 0; row < rows_; ++row) {
        current.clear();
        for (int column = 0; column < columns_;) {
            if (!marks_[static_cast<std::size_t>(row * columns_ + column)]) {
                ++column;
                continue;
            }
            int end = column;
            while (end + 1 < columns_ && marks_[static_cast<std::size_t>(row * columns_ + end + 1)])
                ++end;
            const QRect run(column * Tile, row * Tile, (end - column + 1) * Tile, Tile);
            const auto same = std::find_if(above.begin(), above.end(), [&](std::size_t k) {
                return rects[k].left() == run.left() && rects[k].right() == run.right();
            });
            if (same != above.end()) {
                rects[*same].setBottom(run.bottom());
                current.push_back(*same);
            } else {
                rects.push_back(run);
                current.push_back(rects.size() - 1);
            }
            column = end + 1;
        }
        std::swap(above, current);
    }
    const QRect area(QPoint(0, 0), logical_);
    std::vector<QRegion> parts;
    parts.reserve(rects.size());
    for (const QRect& rect : rects)
        parts.emplace_back(rect & area);
    // United pairwise: adding rectangles one by one to a growing region costs in proportion to its
    // rectangles each time.
    for (std::size_t step = 1; step < parts.size(); step *= 2)
        for (std::size_t k = 0; k + step < parts.size(); k += 2 * step)
            parts[k] += parts[k + step];
    return parts.empty() ? QRegion() : parts.front();
}

void OverlayLayers::Render(const QList<ShownShape>& shapes, const QRegion& marked, const Pictures& pictures) {
    if (!anyMarked_ || front_.isNull()) return;
    const int scale = scale_;
    uchar* const frontBits = front_.bits();
    uchar* const behindBits = behind_.bits();
    // Only the marked tiles that hold something are cleared: most of an overlay is empty.
    const QRect image(QPoint(0, 0), front_.size());
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column) {
            const auto tile = static_cast<std::size_t>(row * columns_ + column);
            if (!marks_[tile] || !inked_[tile]) continue;
            const QRect device =
                QRect(column * Tile * scale, row * Tile * scale, Tile * scale, Tile * scale) & image;
            if (inked_[tile] & FrontInk) Fill(frontBits, front_.bytesPerLine(), device, 0);
            if (inked_[tile] & BehindInk) Fill(behindBits, behind_.bytesPerLine(), device, 0xFF);
            inked_[tile] = 0;
        }
    // A shape drawn by the painter inks the marked tiles of its bounds.
    const auto ink = [this](const QRect& bounds, std::uint8_t layer) {
        VisitTiles(bounds, [&](std::size_t tile) {
            if (marks_[tile]) inked_[tile] |= layer;
            return false;
        });
    };
    // Taken before any painter begins: the painters and the lines write into the same pixels, each at once.
    struct Layer {
        QRgb* bits;
        qsizetype stride; // in pixels
        bool darken;      // the behind layer: each pixel keeps the darker of the tints
    };
    const Layer layers[2] = {{reinterpret_cast<QRgb*>(front_.bits()), front_.bytesPerLine() / 4, false},
                             {reinterpret_cast<QRgb*>(behind_.bits()), behind_.bytesPerLine() / 4, true}};
    std::optional<QPainter> painters[2];
    const auto painterFor = [&](bool behind) -> QPainter& {
        std::optional<QPainter>& painter = painters[behind ? 1 : 0];
        if (!painter) {
            painter.emplace(behind ? &behind_ : &front_);
            painter->setClipRegion(marked);
            if (behind) painter->setCompositionMode(QPainter::CompositionMode_Darken);
        }
        return *painter;
    };
    const QRect near = marked.boundingRect();
    const QRect area(QPoint(0, 0), logical_);
    using Kind = orvane::OverlayShape::Kind;
    for (const ShownShape& shape : shapes) {
        if (!near.intersects(shape.bounds)) continue;
        switch (shape.kind) {
        case Kind::Polyline: {
            const Layer& layer = layers[shape.behind ? 1 : 0];
            const QRgb rgb = 0xFF000000 | shape.rgb;
            const int on = shape.dashed ? (wide_ ? 8 : 4) : 0, off = wide_ ? 4 : 2;
            const auto wanted = [this](int left, int top, int right, int bottom) {
                return AnyTileMarked(left, top, right, bottom);
            };
            const std::uint8_t inkOf = shape.behind ? BehindInk : FrontInk;
            const auto plot = [&](int x, int y) {
                const auto tile = static_cast<std::size_t>(y / Tile * columns_ + x / Tile);
                if (!marks_[tile]) return;
                inked_[tile] |= inkOf;
                for (int row = y * scale; row < (y + 1) * scale; ++row) {
                    QRgb* line = layer.bits + row * layer.stride;
                    for (int col = x * scale; col < (x + 1) * scale; ++col)
                        line[col] = layer.darken ? Darker(line[col], rgb) : rgb;
                }
            };
            PolylineSegments(shape.points, wide_, [&](QPoint a, QPoint b, QPoint beside, std::int64_t phase) {
                if (std::max(a.x(), b.x()) + 1 < near.left() || std::min(a.x(), b.x()) - 1 > near.right() ||
                    std::max(a.y(), b.y()) + 1 < near.top() || std::min(a.y(), b.y()) - 1 > near.bottom())
                    return;
                SegmentPixels(a, b, on, off, phase, area, wanted, plot);
                if (!beside.isNull())
                    SegmentPixels(a + beside, b + beside, on, off, phase, area, wanted, plot);
            });
            break;
        }
        case Kind::Fill: {
            if (!marked.intersects(shape.bounds)) break;
            QPainter& painter = painterFor(shape.behind);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(shape.rgb));
            painter.drawPolygon(shape.points);
            ink(shape.bounds, shape.behind ? BehindInk : FrontInk);
            break;
        }
        case Kind::Dot:
            if (!marked.intersects(shape.bounds)) break;
            painterFor(shape.behind)
                .drawImage(shape.points.front() - QPoint(pictures.dotReach, pictures.dotReach),
                           pictures.dot(shape.rgb));
            ink(shape.bounds, shape.behind ? BehindInk : FrontInk);
            break;
        case Kind::Text: {
            if (!marked.intersects(shape.bounds)) break;
            QPainter& painter = painterFor(shape.behind);
            if (shape.backed) painter.fillRect(QRect(shape.points.front(), shape.textSize), PaleBacking());
            painter.drawImage(shape.points.front(), pictures.text(shape));
            ink(shape.bounds, shape.behind ? BehindInk : FrontInk);
            break;
        }
        }
    }
    std::fill(marks_.begin(), marks_.end(), 0);
    anyMarked_ = false;
}

namespace {

// The darker of the drawing and the tints along one row, from x to last inclusive.
void DarkerRow(const QRgb* picture, const QRgb* tint, QRgb* target, int x, int last) {
#if defined(__SSE2__)
    for (; x + 3 <= last; x += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x),
                         _mm_min_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(picture + x)),
                                      _mm_loadu_si128(reinterpret_cast<const __m128i*>(tint + x))));
#endif
    for (; x <= last; ++x)
        target[x] = Darker(picture[x], tint[x]) | 0xFF000000;
}

// The drawing with the layers over it along one row, from x to last inclusive.
void ComposeRow(const QRgb* picture, const QRgb* tint, const QRgb* shape, QRgb* target, int x, int last) {
#if defined(__SSE2__)
    // Four pixels at a time: the darker of the drawing and the tint, then, where no shape covers any of
    // the four, as it is.
    const __m128i alphas = _mm_set1_epi32(static_cast<int>(0xFF000000));
    for (; x + 3 <= last; x += 4) {
        const __m128i darker = _mm_min_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(picture + x)),
                                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(tint + x)));
        const __m128i over = _mm_loadu_si128(reinterpret_cast<const __m128i*>(shape + x));
        const __m128i none = _mm_cmpeq_epi32(_mm_and_si128(over, alphas), _mm_setzero_si128());
        if (_mm_movemask_epi8(none) == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(target + x), darker);
            continue;
        }
        alignas(16) QRgb four[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(four), darker);
        for (int k = 0; k < 4; ++k)
            target[x + k] = Over(four[k], shape[x + k]);
    }
#endif
    for (; x <= last; ++x)
        target[x] = Over(Darker(picture[x], tint[x]) | 0xFF000000, shape[x]);
}

} // namespace

void OverlayLayers::Compose(const QImage& drawing, QImage& out, const QRect& rect) const {
    const QRect device = rect & QRect(QPoint(0, 0), front_.size());
    if (device.isEmpty()) return;
    const auto* const picture = reinterpret_cast<const QRgb*>(drawing.constBits());
    const auto* const tint = reinterpret_cast<const QRgb*>(behind_.constBits());
    const auto* const shape = reinterpret_cast<const QRgb*>(front_.constBits());
    auto* const target = reinterpret_cast<QRgb*>(out.bits());
    const qsizetype pictureStride = drawing.bytesPerLine() / 4, tintStride = behind_.bytesPerLine() / 4;
    const qsizetype shapeStride = front_.bytesPerLine() / 4, targetStride = out.bytesPerLine() / 4;
    // A band of tiles at a time, as runs of tiles alike: where neither layer holds anything the drawing
    // is only copied, where only the tints do only the darker pixel is taken.
    struct Run {
        int left, right;
        std::uint8_t ink;
    };
    std::vector<Run> runs;
    const int side = Tile * scale_;
    for (int tileRow = device.top() / side; tileRow <= device.bottom() / side; ++tileRow) {
        runs.clear();
        for (int tileColumn = device.left() / side; tileColumn <= device.right() / side; ++tileColumn) {
            const int left = std::max(device.left(), tileColumn * side);
            const int right = std::min(device.right(), tileColumn * side + side - 1);
            const std::uint8_t ink = inked_[static_cast<std::size_t>(tileRow * columns_ + tileColumn)];
            if (!runs.empty() && runs.back().ink == ink)
                runs.back().right = right;
            else
                runs.push_back({left, right, ink});
        }
        const int top = std::max(device.top(), tileRow * side);
        const int bottom = std::min(device.bottom(), tileRow * side + side - 1);
        for (int y = top; y <= bottom; ++y) {
            const QRgb* const pictureRow = picture + y * pictureStride;
            QRgb* const targetRow = target + y * targetStride;
            for (const Run& run : runs) {
                if (run.ink == 0)
                    std::memcpy(targetRow + run.left, pictureRow + run.left,
                                static_cast<std::size_t>(run.right - run.left + 1) * 4);
                else if (run.ink == BehindInk)
                    DarkerRow(pictureRow, tint + y * tintStride, targetRow, run.left, run.right);
                else
                    ComposeRow(pictureRow, tint + y * tintStride, shape + y * shapeStride, targetRow,
                               run.left, run.right);
            }
        }
    }
}

} // namespace orvane::ui
