#include "Bodies.h"
#include "DrawingSurface.h"
#include "FloatingPoint.h"
#include "SimState.h"

namespace orvane {

namespace {
constexpr double FixedHalfSize = 1000;   // Picture1 shows ±1000 million km, about Jupiter's orbit
constexpr float FixedMarker = 10;        // side of a body's square on Picture1
constexpr float OverviewMarker = 100;    // side of a body's square on Picture2
constexpr double MinOverviewHalf = 6000; // the overview never shows less than ±6000 million km
} // namespace

void SimState::DrawSetupScreens(DrawingSurface& picture1, DrawingSurface& picture2) {
    ClearFloatingPointStatus();
    picture1.Cls();
    picture1.Scale(-FixedHalfSize, FixedHalfSize, FixedHalfSize, -FixedHalfSize);
    constexpr auto half = static_cast<float>(FixedHalfSize);
    picture1.Line(-half, 0, half, 0, AxisColor);
    picture1.Line(0, half, 0, -half, AxisColor);
    const Integer n = BodyCount;
    for (LoopI = 1; LoopI <= n; LoopI = Add16(LoopI, 1)) {
        const double x = ToMillionKm(BodyX(LoopI), LengthUnit);
        const double y = ToMillionKm(BodyY(LoopI), LengthUnit);
        CheckFloatingPointStatus();
        picture1.Box(ToSingle(x), ToSingle(y), FixedMarker, FixedMarker);
    }

    PackState();
    if (ViewHalfX < MinOverviewHalf) ViewHalfX = MinOverviewHalf;
    if (ViewHalfY < MinOverviewHalf) ViewHalfY = MinOverviewHalf;

    picture2.Cls();
    picture2.Scale(-ViewHalfX, ViewHalfY, ViewHalfX, -ViewHalfY);
    picture2.Line(ToSingle(-ViewHalfX), 0, ToSingle(ViewHalfX), 0, AxisColor);
    picture2.Line(0, ToSingle(ViewHalfY), 0, ToSingle(-ViewHalfY), AxisColor);
    // The area Picture1 shows, framed on the overview.
    picture2.Box(-static_cast<float>(FixedHalfSize), -static_cast<float>(FixedHalfSize),
                 static_cast<float>(2 * FixedHalfSize), static_cast<float>(2 * FixedHalfSize));
    for (LoopI = 1; LoopI <= n; LoopI = Add16(LoopI, 1)) {
        const double x = ToMillionKm(BodyX(LoopI), LengthUnit);
        const double y = ToMillionKm(BodyY(LoopI), LengthUnit);
        CheckFloatingPointStatus();
        picture2.Box(ToSingle(x), ToSingle(y), OverviewMarker, OverviewMarker);
    }
}

} // namespace orvane
