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

// The width the zoom slider goes to when the screen is made `steps` steps smaller (positive: zoom in)
// or larger: each step divides or multiplies the width by 1.25, rounded to the slider's page of 50
// (9000, 7200, 5750, 4600, … 750, 600: twelve steps), or, `fine`, by 1.05 to a whole million km. A step
// always moves the slider by at least one value, and never beyond [least, most].
int ZoomedWidth(int width, int steps, bool fine, int least, int most);

} // namespace orvane
