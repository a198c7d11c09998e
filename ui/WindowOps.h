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

// The first size of a window that would like to be `wanted` (logical pixels) on a screen whose free area
// is `available`: no larger than that area less `frame` (the window manager's title bar and borders), no
// smaller than `minimum`.
QSize FittedSize(QSize wanted, QSize minimum, QSize available, QSize frame);

// Gives a window not yet shown its first size, as FittedSize says for the screen it will open on, and
// a place wholly on that screen's free area (centred), so that a laptop's or a dense screen shows all of
// it; the user may resize it afterwards.
void FitToScreen(QWidget* window, QSize wanted);

} // namespace orvane::ui
