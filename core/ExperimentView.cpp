#include "ExperimentView.h"

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

bool ExperimentView::Zoom(int width) {
    ZoomHalfX = width / 2.0;
    ZoomHalfY = width / 2.0;
    return true;
}

} // namespace orvane
