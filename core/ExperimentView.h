#pragma once

namespace orvane {

// The half-size of the experiment's left screen when its window loads, in millions of kilometres: a
// 9000 by 9000 million km view, the width Slider2 starts at.
inline constexpr double DefaultZoomHalf = 4500;

// What the experiment's left screen shows: its centre and half-width and half-height, in millions of
// kilometres. The screen spans (ZoomCenterX ± ZoomHalfX, ZoomCenterY ± ZoomHalfY); the overview frames
// the same rectangle.
//
// A change of the view says whether both screens must be cleared: the trail points already drawn are
// in the old coordinates, and this program wipes them rather than moving them.
struct ExperimentView {
    double ZoomCenterX = 0;
    double ZoomCenterY = 0;
    double ZoomHalfX = DefaultZoomHalf;
    double ZoomHalfY = DefaultZoomHalf;

    enum class Direction { Left, Right, Up, Down };

    // The centre moved by a quarter of the view's extent (half its half-size) in that direction.
    [[nodiscard]] bool Pan(Direction direction);
    // The view `width` million km across in both directions, about the same centre; an odd width gives a
    // half-size ending in .5.
    [[nodiscard]] bool Zoom(int width);
};

} // namespace orvane
