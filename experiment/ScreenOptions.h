#pragma once

namespace orvane {

// The experiment window's options for a class watching it, each off unless the user turns it on, and
// remembered between runs of the program.
struct ScreenOptions {
    bool bodyNames = false;  // each body's name beside it on both screens
    bool keepTrails = false; // a pan or a zoom draws the trails again at the new view
    bool keys = false;       // the run and the view controlled from the keyboard
    bool largeMarks = false; // points of 3 × 3 pixels and axes two pixels wide, for a projector
    bool operator==(const ScreenOptions&) const = default;
};

// The options as the program's settings remember them; all off where nothing is remembered.
ScreenOptions LoadScreenOptions();
void SaveScreenOptions(const ScreenOptions& options);

} // namespace orvane
