#pragma once

// Driving the real windows through the X server and the window manager, as a user does.
#include "GuiTestSupport.h"

#include <QProcess>

namespace orvane::test {

// Runs an X tool and gives its output, as the window manager sees things.
inline QString XTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) return QStringLiteral("(no answer from %1)").arg(program);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

inline WId ActiveWindow() {
    return XTool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).toULongLong();
}

// Asks the window manager to close a window, as its frame's close box does.
inline void CloseByWindowManager(QWidget* window) {
    XTool(QStringLiteral("wmctrl"),
          {QStringLiteral("-i"), QStringLiteral("-c"), QStringLiteral("0x%1").arg(window->winId(), 0, 16)});
}

// Asks the window manager to minimize a window, as its frame's minimize box does, until the program
// sees it minimized (a request that comes while the window manager is still mapping it is lost).
inline bool MinimizeByWindowManager(QWidget* window) {
    for (int attempt = 0; attempt < 3 && !window->isMinimized(); ++attempt) {
        XTool(QStringLiteral("xdotool"),
              {QStringLiteral("windowminimize"), QString::number(window->winId())});
        WaitUntil([&] { return window->isMinimized(); }, 1500);
    }
    return window->isMinimized();
}

// Where the window manager has put the window's contents, in screen coordinates.
inline QPoint PlaceOnScreen(QWidget* window) {
    const QString shell =
        XTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                                          QString::number(window->winId())});
    QPoint place(-1, -1);
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("X="))) place.setX(line.mid(2).toInt());
        if (line.startsWith(QLatin1String("Y="))) place.setY(line.mid(2).toInt());
    }
    return place;
}

// Clicks a control with the X server's pointer, as a user does: the window manager then sees the
// program acting on a fresh user event, which is what lets it bring a window forward.
inline void UserClick(QWidget* window, const char* name) {
    auto* control = Find<QWidget>(window, QString::fromLatin1(name));
    const QPoint at = control->mapTo(window, control->rect().center());
    XTool(QStringLiteral("xdotool"),
          {QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window->winId()),
           QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// Clicks a button as a user does until it has been pressed: a click that comes while the window
// manager is still busy with a window may go nowhere, and the user clicks again.
inline bool UserPress(QWidget* window, const char* name) {
    auto* button = Find<QAbstractButton>(window, QString::fromLatin1(name));
    int pressed = 0;
    const QMetaObject::Connection counting =
        QObject::connect(button, &QAbstractButton::clicked, [&pressed] { ++pressed; });
    for (int attempt = 0; attempt < 3 && pressed == 0; ++attempt) {
        UserClick(window, name);
        WaitUntil([&] { return pressed > 0; }, 1500);
    }
    QObject::disconnect(counting);
    return pressed > 0;
}

// Runs the program's own event loop until the program ends, as it does when its last window closes;
// gives the loop's exit code, 0 for a real end and 2 when the time limit stopped it.
inline int RunProgramToItsEnd(int limitMs) {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QApplication::exit(2); });
    limit.start(limitMs);
    return QApplication::exec();
}

// Keys typed on the X server's keyboard into the active window, e.g. "ctrl+m".
inline void UserKeys(const char* keys) {
    XTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(keys)});
}

} // namespace orvane::test
