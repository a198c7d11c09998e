#pragma once

#include "DrawingSurface.h"
#include "SimState.h"
#include "StateLayout.h"

#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace orvane::test {

// Where the orbit run's single body lies in its state vector of one body.
inline constexpr int OrbitX = state::X(1, 1), OrbitY = state::Y(1, 1), OrbitVx = state::Vx(1, 1),
                     OrbitVy = state::Vy(1, 1);

inline SimState StartupState() {
    SimState s;
    s.AssignStartupValues();
    return s;
}

// Spreads every body far apart on a wide circle so that only the pair a test arranges matters.
inline void SpreadBodies(SimState& s) {
    for (int i = 1; i <= 11; ++i) {
        const double angle = 0.5 * i;
        s.BodyX(i) = 1e15 * std::cos(angle);
        s.BodyY(i) = 1e15 * std::sin(angle);
        s.BodyVx(i) = 0;
        s.BodyVy(i) = 0;
    }
}

// Records the drawing calls made on a surface. Surfaces given the same `log` also record there, with
// their name, the order of calls across screens.
struct RecordingSurface : DrawingSurface {
    struct Point {
        float x, y;
        std::int32_t color;
    };
    explicit RecordingSurface(std::string surfaceName = {}, std::vector<std::string>* sharedLog = nullptr)
        : name(std::move(surfaceName)), log(sharedLog) {}

    std::string name;
    std::vector<std::string>* log;
    std::vector<std::string> calls;
    std::vector<Point> points;
    double scale[4] = {};

    void Record(const std::string& call) {
        calls.push_back(call);
        if (log != nullptr) log->push_back(name + " " + call);
    }
    void Cls() override { Record("Cls"); }
    void Scale(double x1, double y1, double x2, double y2) override {
        Record("Scale");
        scale[0] = x1, scale[1] = y1, scale[2] = x2, scale[3] = y2;
    }
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override {
        Record("Line " + Text(x1) + " " + Text(y1) + " " + Text(x2) + " " + Text(y2) + " c" +
               std::to_string(color));
    }
    void Box(float x, float y, float dx, float dy) override {
        Record("Box " + Text(x) + " " + Text(y) + " " + Text(dx) + " " + Text(dy));
    }
    // A coordinate with six decimals and a dot, whatever the C library's locale.
    static std::string Text(float value) {
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
        return std::string(buffer, end);
    }
    void PSet(float x, float y, std::int32_t color) override {
        Record("PSet");
        points.push_back({x, y, color});
    }
};

} // namespace orvane::test
