// Zooming by a factor: the widths the zoom slider takes, step by step.
#include "ExperimentView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace orvane {
namespace {

constexpr int Least = 50, Most = 10000; // the zoom slider's range

std::vector<int> Path(int from, int steps, bool fine) {
    std::vector<int> widths{from};
    for (int k = 0; k < std::abs(steps); ++k)
        widths.push_back(ZoomedWidth(widths.back(), steps > 0 ? 1 : -1, fine, Least, Most));
    return widths;
}

// 9000 / 1.25^k to the nearest 50: 7200, 5760 → 5750, 4600, 3680 → 3700, 2960 → 2950, 2360 → 2350, 1880
// → 1900, 1520 → 1500, 1200, 960 → 950, 760 → 750, 600.
TEST(ZoomByAFactor, NineThousandToSixHundredInTwelveSteps) {
    EXPECT_EQ(Path(9000, 12, false),
              (std::vector<int>{9000, 7200, 5750, 4600, 3700, 2950, 2350, 1900, 1500, 1200, 950, 750, 600}));
    // Several notches at once go the same way as one at a time.
    EXPECT_EQ(ZoomedWidth(9000, 12, false, Least, Most), 600);
    // Out again: × 1.25 each, to the nearest 50; back at 9000 after twelve, within one step.
    const std::vector<int> out = Path(600, -12, false);
    EXPECT_EQ(out[1], 750);
    EXPECT_EQ(out[2], 950); // 937.5
    EXPECT_NEAR(out[12], 9000, 9000 * 0.1);
    EXPECT_EQ(ZoomedWidth(600, -12, false, Least, Most), out[12]);
}

TEST(ZoomByAFactor, StaysInTheSlidersRangeAndAlwaysMoves) {
    EXPECT_EQ(ZoomedWidth(9000, -1, false, Least, Most), 10000); // 11250 is beyond the slider
    EXPECT_EQ(ZoomedWidth(10000, -3, false, Least, Most), 10000);
    EXPECT_EQ(ZoomedWidth(100, 1, false, Least, Most), 50); // 80 to the nearest 50 is 100: one page less
    EXPECT_EQ(ZoomedWidth(50, 1, false, Least, Most), 50);
    EXPECT_EQ(ZoomedWidth(50, -1, false, Least, Most), 100); // 62.5 rounds back to 50: one page more
    EXPECT_EQ(ZoomedWidth(9000, 0, false, Least, Most), 9000);
}

// Fine steps: ÷ or × 1.05 to a whole million km, at least one.
TEST(ZoomByAFactor, FineStepsOfFivePercent) {
    EXPECT_EQ(ZoomedWidth(9000, 1, true, Least, Most), 8571);
    EXPECT_EQ(ZoomedWidth(9000, -1, true, Least, Most), 9450);
    EXPECT_EQ(ZoomedWidth(60, -1, true, Least, Most), 63);
    EXPECT_EQ(ZoomedWidth(51, 1, true, Least, Most), 50);
    EXPECT_EQ(ZoomedWidth(52, -1, true, Least, Most), 55); // 54.6
    EXPECT_EQ(ZoomedWidth(10, -1, true, 1, 20), 11);       // 10.5 → 11
    EXPECT_EQ(ZoomedWidth(5, -1, true, 1, 20), 6);         // 5.25 → 5: one more
}

} // namespace
} // namespace orvane
