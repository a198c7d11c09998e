#include "ExperimentView.h"

#include <algorithm>
#include <cmath>

namespace orvane {

bool ExperimentView::Pan(Direction direction) {
    switch (direction) {
    case Direction::Left:
        ZoomCenterX = ZoomCenterX - ZoomHalfX / 2;
        break;
    case Direction::Right:
        ZoomCenterX = ZoomCenterX + ZoomHalfX / 2;
        break;
    case Direction::Up:
        ZoomCenterY = ZoomCenterY + ZoomHalfY / 2;
        break;
    case Direction::Down:
        ZoomCenterY = ZoomCenterY - ZoomHalfY / 2;
        break;
    }
    return true;
}

int ZoomedWidth(int width, int steps, bool fine, int least, int most) {
    const double factor = fine ? 1.05 : 1.25;
    const int grid = fine ? 1 : 50;
    for (; steps != 0 && width >= least && width <= most; steps += steps > 0 ? -1 : 1) {
        const double target = steps > 0 ? width / factor : width * factor;
        int next = static_cast<int>(std::lround(target / grid)) * grid;
        if (next == width) next += steps > 0 ? -grid : grid;
        width = std::clamp(next, least, most);
    }
    return width;
}

bool ExperimentView::Zoom(int width) {
    ZoomHalfX = width / 2.0;
    ZoomHalfY = width / 2.0;
    return true;
}

} // namespace orvane
