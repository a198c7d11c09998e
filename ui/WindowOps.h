#pragma once

#include <QWidget>

namespace orvane::ui {

// Shows a window of the program modeless and brings it to the user: one the user minimized is restored,
// and it is raised and activated. Every window the program shows is
// shown this way.
void ShowModeless(QWidget* window);

// The window comes back where it was when it is shown again after being hidden or closed, instead of
// wherever the window manager would place a new window.
void KeepPlaceWhileHidden(QWidget* window);

// Closes every other visible top-level window of the program (help, measurements and the like), so that
// closing `window` afterwards ends the program.
void CloseOtherWindows(QWidget* window);

} // namespace orvane::ui
