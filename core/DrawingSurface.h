#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace orvane {

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
};

// A coordinate in single precision, as the drawing calls take it. A value beyond the single range lies
// far outside any screen: it is held at the largest single value, where the surface clips it.
inline float ToSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::max();
    if (value < -largest) return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

} // namespace orvane
