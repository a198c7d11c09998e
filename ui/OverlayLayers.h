#pragma once

#include "DrawingSurface.h"

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace orvane::ui {

// A shape over a screen's drawing as the screen shows it, in drawing-area pixels.
struct ShownShape {
    orvane::OverlayShape::Kind kind = orvane::OverlayShape::Kind::Polyline;
    QRgb rgb = 0;
    bool dashed = false;
    bool behind = false;
    QPolygon points;
    QString text;
    QRect bounds;
    QSize textSize;      // a text's whole box, however much of it the screen shows
    bool backed = false; // a text on a pale box, through which the picture shows
    bool operator==(const ShownShape&) const = default;
};

// The shapes over a screen's drawing, drawn into two layers of the drawing's size only where they
// change, and then only laid over the drawing where it is presented. Every arrow moves at every frame,
// but a presentation mostly covers a few plotted points: drawn in place, each shape that reached one of
// them was drawn again, through the painter's clipping to dozens of small rectangles, which cost more
// than the whole run.
//   behind: the tints under the points, white where there is none; the drawing shows through as by the
// painter's Darken mode, every darker pixel kept.
//   front: the lines, dots and texts over the picture, transparent where there is none.
// What changed is kept as tiles of 16 × 16 logical pixels, a line's tiles along its pixels only: the
// bounding rectangles of a few dozen slanted arrows would cover most of the screen.
// Lines are one logical pixel wide, or two (`wide`) as the trails' lines are: a second line below a flat
// segment and right of a steep one; a dashed line has dashes of four pixels and gaps of two (twice that
// when wide), counted from its start.
class OverlayLayers {
  public:
    static constexpr int Tile = 8;
    // The pictures of dots and texts, drawn by the screen once and then only copied.
    struct Pictures {
        std::function<const QImage&(QRgb)> dot;
        int dotReach = 0; // from a dot's centre to its picture's edge
        std::function<const QImage&(const ShownShape&)> text;
    };
    // The pale box under a backed text.
    static QColor PaleBacking();

    // Makes the layers of a drawing of `logical` pixels at `scale` device pixels each; when they were
    // not, every tile is to be drawn again.
    void Prepare(QSize logical, int scale, bool wide);
    // Whether the layers hold the shapes for a drawing of this many device pixels at this density.
    bool Ready(QSize device, int scale) const { return scale == scale_ && front_.size() == device; }
    // Marks the tiles a shape covers to be drawn again: a line's pixels, the others' bounds.
    void Mark(const ShownShape& shape);
    // Marks what changes when `went` becomes `came`: a line of as many points only where they moved.
    void MarkChange(const ShownShape& went, const ShownShape& came);
    void MarkAll();
    // The marked tiles, as logical pixels of the drawing.
    QRegion Marked() const;
    // Draws the tiles of `marked` (as Marked() gave it) again with every shape that reaches them, and
    // clears the marks.
    void Render(const QList<ShownShape>& shapes, const QRegion& marked, const Pictures& pictures);
    // Forgets the layers and their memory.
    void Forget();
    // The drawing's device pixels of `rect` with the layers over them, written to the same place of `out`
    // (both of the layers' size, RGB32).
    void Compose(const QImage& drawing, QImage& out, const QRect& rect) const;

  private:
    void MarkPixel(int x, int y);
    void MarkSegment(QPoint a, QPoint b, QPoint beside);
    bool AnyTileMarked(int left, int top, int right, int bottom) const;
    // Calls visit(tile) for each tile the drawing's part of `pixels` lies in, until it returns true;
    // whether it did.
    template <class Visit>
    bool VisitTiles(const QRect& pixels, Visit&& visit) const;

    QImage behind_;
    QImage front_;
    int scale_ = 0;
    bool wide_ = false;
    QSize logical_;
    int columns_ = 0, rows_ = 0;
    std::vector<std::uint8_t> marks_;
    // Which layers hold something in each tile, so that an empty tile is neither cleared nor composed.
    static constexpr std::uint8_t FrontInk = 1, BehindInk = 2;
    std::vector<std::uint8_t> inked_;
    bool anyMarked_ = false;
};

} // namespace orvane::ui
