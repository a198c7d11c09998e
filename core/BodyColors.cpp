#include "BodyColors.h"

#include "SimState.h"

namespace orvane {

BodyColors AllBodyColors() {
    SimState palette;
    BodyColors colors{};
    for (palette.LoopI = 1; palette.LoopI <= body::Count; palette.LoopI = Add16(palette.LoopI, 1)) {
        palette.SetBodyColor();
        colors[static_cast<std::size_t>(palette.LoopI - 1)] =
            RgbColor(palette.ColorR, palette.ColorG, palette.ColorB);
    }
    return colors;
}

} // namespace orvane
