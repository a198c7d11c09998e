#include "BodyLabels.h"

#include "DrawingSurface.h"
#include "StateLayout.h"

#include <array>
#include <span>

namespace orvane {

ScreenArea LeftScreenArea(const ExperimentView& view) {
    return {view.ZoomCenterX - view.ZoomHalfX, view.ZoomCenterY + view.ZoomHalfY,
            view.ZoomCenterX + view.ZoomHalfX, view.ZoomCenterY - view.ZoomHalfY};
}

ScreenArea OverviewArea(const SimState& shared) {
    return {-shared.ViewHalfX, shared.ViewHalfY, shared.ViewHalfX, -shared.ViewHalfY};
}

namespace {

struct Rect {
    double left, bottom, right, top;
    bool Overlaps(const Rect& other) const {
        return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
    }
    bool Contains(double x, double y) const { return x >= left && x <= right && y >= bottom && y <= top; }
    bool Inside(const ScreenArea& area) const {
        return left >= area.left && right <= area.right && bottom >= area.bottom && top <= area.top;
    }
};

struct Body {
    int index;
    double x, y;
};

template <typename T>
class FixedList {
  public:
    void push_back(const T& value) { items_[count_++] = value; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + count_; }

  private:
    std::array<T, body::Count> items_{};
    std::size_t count_ = 0;
};

} // namespace

void DrawBodyLabels(const SimState& run, const SimState& shared, ScreenArea area, const BodyNameTexts& names,
                    const BodyColors& colors, DrawingSurface& screen) {
    // Where the bodies stand now: the positions the last tick plotted, or those of a new start not yet
    // stepped.
    // At most one of each per body: fixed arrays, as a tick allocates nothing.
    FixedList<Body> shown;
    const Integer n = run.BodyCount;
    // The order of naming is the order of priority where names compete for room: the Sun, then the
    // asteroid (what most lesson experiments are about), then the planets outward.
    std::array<int, body::Count> order{body::Sun, body::Asteroid};
    for (int planet = body::Mercury; planet <= body::Pluto; ++planet)
        order[static_cast<std::size_t>(planet)] = planet;
    for (const int i : order) {
        if (i > n) continue;
        const double x = ToMillionKm(run.StateVec(state::X(i, n)), shared.LengthUnit);
        const double y = ToMillionKm(run.StateVec(state::Y(i, n)), shared.LengthUnit);
        if (x >= area.left && x < area.right && y > area.bottom && y <= area.top) shown.push_back({i, x, y});
    }

    FixedList<Rect> placed;
    FixedList<SurfaceLabel> labels;
    for (const Body& body : shown) {
        const std::string& name = names[static_cast<std::size_t>(body.index - 1)];
        const TextExtent size = screen.LabelExtent(name);
        if (name.empty() || size.width <= 0 || size.height <= 0) continue;
        const double w = size.width, h = size.height;
        const double gapX = 0.35 * h, gapY = 0.1 * h;
        const Rect candidates[] = {
            {body.x + gapX, body.y - h / 2, body.x + gapX + w, body.y + h / 2},
            {body.x - gapX - w, body.y - h / 2, body.x - gapX, body.y + h / 2},
            {body.x - w / 2, body.y + gapY, body.x + w / 2, body.y + gapY + h},
            {body.x - w / 2, body.y - gapY - h, body.x + w / 2, body.y - gapY},
        };
        for (const Rect& place : candidates) {
            bool free = place.Inside(area);
            for (const Rect& other : placed)
                free = free && !place.Overlaps(other);
            for (const Body& other : shown)
                free = free && (other.index == body.index || !place.Contains(other.x, other.y));
            if (!free) continue;
            placed.push_back(place);
            labels.push_back({ToSingle(place.left), ToSingle(place.top), name,
                              colors[static_cast<std::size_t>(body.index - 1)]});
            break;
        }
    }
    screen.SetLabels(std::span<const SurfaceLabel>(labels.begin(), labels.end()));
}

} // namespace orvane
