#pragma once

#include <QGuiApplication>
#include <QWidget>

namespace orvane::ui {

// Shows a window modeless and brings it forward.
inline void ShowModeless(QWidget* window) {
    window->show();
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return; // nothing to bring forward
    window->raise();
    window->activateWindow();
}

} // namespace orvane::ui
