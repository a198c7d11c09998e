// The kept path of a run: bounded memory at any length, the older part thinned evenly, the latest ticks
// held one by one; drawing it again gives the calls a live run at that view makes; the bodies' names.
#include "TrailStore.h"
#include "BodyLabels.h"
#include "CoreTestSupport.h"
#include "KeptTrails.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using test::RecordingSurface;

// A sample that tells the tick it was taken at.
TrailStore::Sample SampleOf(std::uint64_t tick) {
    TrailStore::Sample sample{};
    sample[0] = static_cast<float>(tick);
    sample[1] = static_cast<float>(tick % 7);
    return sample;
}

// What the store holds must be exactly: ticks 0, s, 2s, … for the older part and every tick from then
// to the last one recorded.
void ExpectEvenAndComplete(const TrailStore& store) {
    ASSERT_GT(store.Size(), 0u);
    const std::uint64_t stride = store.Stride();
    const std::size_t first = store.FirstOfEveryTick();
    for (std::size_t k = 0; k < store.Size(); ++k) {
        const std::uint64_t tick = store.TickOf(k);
        ASSERT_EQ(store[k][0], static_cast<float>(tick)) << "sample " << k;
        if (k < first) {
            ASSERT_EQ(tick, k * stride) << "older sample " << k;
        } else if (k > first) {
            ASSERT_EQ(tick, store.TickOf(k - 1) + 1) << "recent sample " << k;
        }
    }
    EXPECT_EQ(store.TickOf(store.Size() - 1), store.Ticks() - 1);
    // The older part ends less than one stride before the ticks held one by one begin.
    if (first > 0 && first < store.Size()) {
        EXPECT_GT(store.TickOf(first), store.TickOf(first - 1));
        EXPECT_LE(store.TickOf(first) - store.TickOf(first - 1), stride);
    }
}

TEST(TrailStore, HoldsEveryTickUntilFull) {
    TrailStore store(100'000, 64);
    const std::size_t capacity = store.Capacity();
    ASSERT_GE(capacity, 64u);
    for (std::uint64_t t = 0; t < capacity; ++t)
        store.Record(SampleOf(t));
    EXPECT_EQ(store.Size(), capacity);
    EXPECT_EQ(store.Stride(), 1u);
    ExpectEvenAndComplete(store);
}

TEST(TrailStore, ThinsTheOlderPartEvenlyAndKeepsTheLatestTicksWhole) {
    TrailStore store(100'000, 64);
    const std::size_t capacity = store.Capacity();
    std::uint64_t previousStride = 1;
    for (std::uint64_t t = 0; t < 40 * capacity + 123; ++t) {
        store.Record(SampleOf(t));
        if (t % 997 == 0 || store.Stride() != previousStride) ExpectEvenAndComplete(store);
        ASSERT_LE(store.Size(), capacity);
        ASSERT_LE(store.MemoryBytes(), 100'000u);
        // Strides only grow, by doubling.
        ASSERT_TRUE(store.Stride() == previousStride || store.Stride() == 2 * previousStride);
        previousStride = store.Stride();
    }
    ExpectEvenAndComplete(store);
    EXPECT_GE(store.Stride(), 32u); // 40 capacities of ticks in one capacity
    // The store still spans the whole run from its first tick.
    EXPECT_EQ(store.TickOf(0), 0u);
    // At least half the store is left for the ticks after a thinning.
    EXPECT_LE(store.FirstOfEveryTick(), capacity / 2);
}

// A new run after a long one: the store begins again with every tick, not at the old run's thinning.
TEST(TrailStore, ANewPathAfterALongOneKeepsEveryTickAgain) {
    TrailStore store(100'000, 64);
    const std::size_t capacity = store.Capacity();
    for (std::uint64_t t = 0; t < 10 * capacity; ++t)
        store.Record(SampleOf(t));
    ASSERT_GT(store.Stride(), 1u);
    store.Clear();
    EXPECT_EQ(store.Size(), 0u);
    for (std::uint64_t t = 0; t < capacity; ++t)
        store.Record(SampleOf(t));
    EXPECT_EQ(store.Stride(), 1u);
    EXPECT_EQ(store.Size(), capacity);
    for (std::size_t k = 0; k < capacity; ++k)
        ASSERT_EQ(store.TickOf(k), k);
    ExpectEvenAndComplete(store);
}

TEST(TrailStore, StaysWithinSixtyFourMegabytesHoweverLongTheRun) {
    TrailStore store;
    EXPECT_LE(store.MemoryBytes(), 64'000'000u);
    // 88 bytes a tick: the budget holds about 545 000 ticks before it thins.
    EXPECT_GT(store.Capacity(), 540'000u);
    const TrailStore::Sample sample = SampleOf(1);
    for (int t = 0; t < 2'500'000; ++t)
        store.Record(sample);
    EXPECT_LE(store.MemoryBytes(), 64'000'000u);
    EXPECT_GT(store.MemoryBytes(), 47'000'000u);
    EXPECT_EQ(store.Ticks(), 2'500'000u);
    store.Clear();
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_LT(store.MemoryBytes(), 1000u); // the memory is given back
}

TEST(TrailStore, RefusesABudgetTooSmallForTwoSamples) {
    EXPECT_THROW(TrailStore(100, 1), std::invalid_argument);
}

// The default run at the start, the run's own copy, and two recording screens.
struct KeptRun : ::testing::Test {
    SimState shared = test::StartupState();
    SimState run;
    void SetUp() override {
        shared.PackState();
        run = shared;
        run.Options.SunHeld = SunMode::Held;
    }
};

// A run drawn live at one view and a run whose trails were kept and drawn again at that view make the
// same points in the same order, the frame where a live run has it last before the latest points.
TEST_F(KeptRun, RedrawMakesTheCallsOfALiveRunAtThatView) {
    const ExperimentView view{.ZoomCenterX = -1125, .ZoomCenterY = 562.5};
    RecordingSurface live1, live2;
    TrailStore store;
    SimState kept = run;
    RecordingSurface scratch1, scratch2;
    for (int k = 0; k < 300; ++k) {
        ExperimentTick(run, shared, view, live1, live2);
        ExperimentTick(kept, shared, {}, scratch1, scratch2);
        store.Record(TrailSample(kept));
    }
    RecordingSurface redrawn1, redrawn2;
    RedrawTrails(store, AllBodyColors(), shared, view, redrawn1, redrawn2);
    for (auto [live, redrawn] : {std::pair{&live1, &redrawn1}, std::pair{&live2, &redrawn2}}) {
        ASSERT_EQ(redrawn->points.size(), live->points.size());
        for (std::size_t k = 0; k < live->points.size(); ++k) {
            ASSERT_EQ(redrawn->points[k].x, live->points[k].x) << k;
            ASSERT_EQ(redrawn->points[k].y, live->points[k].y) << k;
            ASSERT_EQ(redrawn->points[k].color, live->points[k].color) << k;
        }
        // The frame comes again just before the last tick's points, as the last live tick drew it.
        const auto& calls = redrawn->calls;
        const std::size_t lastFrame =
            static_cast<std::size_t>(std::find(calls.rbegin(), calls.rend(), "Scale") - calls.rbegin());
        EXPECT_EQ(lastFrame, 11u + (live == &live1 ? 2u : 3u)) << "11 points after the frame";
        EXPECT_EQ(std::vector<std::string>(calls.end() - 11, calls.end()),
                  std::vector<std::string>(live->calls.end() - 11, live->calls.end()));
    }
    EXPECT_EQ(redrawn1.scale[0], view.ZoomCenterX - 4500);
}

TEST_F(KeptRun, AnEmptyStoreDrawsOnlyTheFrame) {
    RecordingSurface p1, p2;
    RedrawTrails(TrailStore(), AllBodyColors(), shared, {}, p1, p2);
    EXPECT_TRUE(p1.points.empty());
    EXPECT_EQ(p1.calls.size(), 3u);
    EXPECT_EQ(p2.calls.size(), 4u);
}

// A surface whose names take 100 by 20 units (or as told) and which keeps the names it was given.
struct LabelSurface : RecordingSurface {
    TextExtent extent{100, 20};
    std::vector<SurfaceLabel> labels;
    std::vector<std::string> texts;
    void SetLabels(std::span<const SurfaceLabel> given) override {
        labels.assign(given.begin(), given.end());
        texts.clear();
        for (const SurfaceLabel& label : given)
            texts.emplace_back(label.text);
    }
    TextExtent LabelExtent(std::string_view) const override { return extent; }
};

BodyNameTexts Names() {
    return {"Sun",    "Mercury", "Venus",   "Earth", "Mars",    "Jupiter",
            "Saturn", "Uranus",  "Neptune", "Pluto", "Asteroid"};
}

TEST_F(KeptRun, NamesStandBesideTheirBodiesInTheirColoursAndNeverOverlap) {
    // The Sun at the origin, Mercury 58 million km away on the x axis; the rest far outside a screen of
    // ±600 around the origin.
    LabelSurface screen;
    const ScreenArea area{-600, 600, 600, -600};
    DrawBodyLabels(run, shared, area, Names(), AllBodyColors(), screen);
    std::vector<std::string> named = screen.texts;
    std::sort(named.begin(), named.end());
    // The planets out to Jupiter lie inside ±600; the outer ones and the asteroid do not.
    for (const char* name : {"Saturn", "Uranus", "Neptune", "Pluto", "Asteroid"})
        EXPECT_FALSE(std::binary_search(named.begin(), named.end(), std::string(name))) << name;
    ASSERT_FALSE(screen.labels.empty());
    // The Sun is named first, right beside it, in its colour (green 255).
    EXPECT_EQ(screen.texts[0], "Sun");
    EXPECT_NEAR(screen.labels[0].x, 7, 0.01); // 0.35 × the height to its right
    EXPECT_NEAR(screen.labels[0].y, 10, 0.01);
    EXPECT_EQ(screen.labels[0].color, RgbColor(0, 255, 0));
    for (std::size_t a = 0; a < screen.labels.size(); ++a) {
        const SurfaceLabel& one = screen.labels[a];
        EXPECT_GE(one.x, area.left);
        EXPECT_LE(one.x + 100, area.right);
        for (std::size_t b = a + 1; b < screen.labels.size(); ++b) {
            const SurfaceLabel& other = screen.labels[b];
            const bool apart = one.x + 100 <= other.x || other.x + 100 <= one.x || one.y - 20 >= other.y ||
                               other.y - 20 >= one.y;
            EXPECT_TRUE(apart) << screen.texts[a] << " and " << screen.texts[b];
        }
    }
}

TEST_F(KeptRun, ACrowdedScreenLeavesNamesOutRatherThanOverlapThem) {
    // The whole solar system on a screen only ten names wide: the inner planets crowd the Sun.
    LabelSurface screen;
    screen.extent = {8000, 2000};
    DrawBodyLabels(run, shared, {-40000, 40000, 40000, -40000}, Names(), AllBodyColors(), screen);
    ASSERT_FALSE(screen.texts.empty());
    EXPECT_EQ(screen.texts[0], "Sun");
    // The asteroid (at -1000, 2000 million km) second, before the planets, whose names then take what
    // room is left, outward: Mercury finds none beside the Sun's and the asteroid's, Venus does.
    ASSERT_GE(screen.texts.size(), 3u);
    EXPECT_EQ(screen.texts[1], "Asteroid");
    EXPECT_EQ(screen.texts[2], "Venus");
    EXPECT_EQ(std::count(screen.texts.begin(), screen.texts.end(), "Mercury"), 0);
    const BodyNameTexts names = Names();
    for (std::size_t k = 3; k < screen.texts.size(); ++k)
        EXPECT_LT(std::find(names.begin(), names.end(), screen.texts[k - 1]),
                  std::find(names.begin(), names.end(), screen.texts[k]));
    // Without the asteroid on the screen Mercury's name goes to the left of it, clear of the Sun's, and
    // Venus, as close, finds no free place.
    const Integer n = run.BodyCount;
    run.StateVec(state::X(body::Asteroid, n)) = 1e20;
    LabelSurface planets;
    planets.extent = {8000, 2000};
    DrawBodyLabels(run, shared, {-40000, 40000, 40000, -40000}, Names(), AllBodyColors(), planets);
    ASSERT_GE(planets.texts.size(), 2u);
    EXPECT_EQ(planets.texts[1], "Mercury");
    EXPECT_LT(planets.labels[1].x + 8000, 15.8);
    EXPECT_EQ(std::count(planets.texts.begin(), planets.texts.end(), "Venus"), 0);
    // Nothing is named at all where no body is on the screen.
    LabelSurface empty;
    DrawBodyLabels(run, shared, {1e6, 2e6, 2e6, 1e6}, Names(), AllBodyColors(), empty);
    EXPECT_TRUE(empty.labels.empty());
}

} // namespace
} // namespace orvane
