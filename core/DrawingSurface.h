#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The size of a text on a surface, in its user units.
struct TextExtent {
    double width = 0;
    double height = 0;
};

// A text written over a surface's drawing with its upper-left corner at (x, y): it is shown with the
// drawing but never becomes part of it, so it leaves no trace when it moves or goes.
struct SurfaceLabel {
    float x = 0;
    float y = 0;
    std::string_view text;
    std::int32_t color = 0;
};

// A shape drawn over a surface's drawing like a label, never into it: a polyline, a filled polygon, a
// text (upper-left corner at the first point) or a small dot. A shape `behind` is tinted under the
// drawing's points rather than over them: a point keeps its colour where it is darker than the tint.
struct OverlayShape {
    enum class Kind { Polyline, Fill, Text, Dot };
    Kind kind = Kind::Polyline;
    std::int32_t color = 0;
    bool dashed = false;
    bool behind = false;
    std::vector<float> xy; // x0, y0, x1, y1, … in user coordinates
    std::string text;
    // A text whose lower-left corner, not its upper-left one, is at the point: it stands on the point,
    // however tall its letters are on the screen.
    bool standing = false;
    // A text on a pale box of its size: it reads over the trails, and they still show through it.
    bool backed = false;
};

// What the simulation core needs of a picture box: a user coordinate system set from two corners,
// clearing, lines, rectangle outlines and single points. Coordinates arrive in single precision.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;
    virtual void Cls() = 0;
    // (x1, y1) becomes the upper-left corner and (x2, y2) the lower-right one.
    virtual void Scale(double x1, double y1, double x2, double y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, std::int32_t color) = 0;
    // Outline of the rectangle from (x, y) to (x + dx, y + dy) in the foreground colour.
    virtual void Box(float x, float y, float dx, float dy) = 0;
    virtual void PSet(float x, float y, std::int32_t color) = 0;

    // Rows of points, each row one point per colour: the points (xy[0], xy[1]), (xy[2], xy[3]), … in the
    // colours colors[0], colors[1], … again and again, in that order, as PSet would draw them one by one.
    virtual void PSetRows(const float* xy, std::size_t rows, std::span<const std::int32_t> colors) {
        for (std::size_t row = 0; row < rows; ++row)
            for (std::size_t k = 0; k < colors.size(); ++k, xy += 2)
                PSet(xy[0], xy[1], colors[k]);
    }

    // The texts shown over the drawing from now on, replacing those shown before; none by default.
    virtual void SetLabels(std::span<const SurfaceLabel> labels) { static_cast<void>(labels); }
    // The shapes shown over the drawing from now on, replacing those shown before; none by default.
    virtual void SetOverlay(std::span<const OverlayShape> shapes) { static_cast<void>(shapes); }
    // How much room a label's text takes in user units; a surface that shows no labels needs none.
    virtual TextExtent LabelExtent(std::string_view text) const {
        static_cast<void>(text);
        return {};
    }
};

// A coordinate in single precision, as the drawing calls take it. A value beyond the single range lies
// far outside any screen: it is held at the largest single value, where the surface clips it. The value
// is held before it is narrowed, so no conversion ever overflows: a compiler that narrows ahead of the
// test (clang does) would otherwise leave the overflow flag for the next check to report as a fault.
inline float ToSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest)); // NaN passes through as NaN
}

} // namespace orvane
