#include "WindowOps.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace orvane::ui {

void ShowModeless(QWidget* window) {
    // A minimized window stays minimized through show(): only a change of its state brings it back.
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    // The offscreen platform, under the tests, has no stacking to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
    window->activateWindow();
}

namespace {

// Remembers where the window stood when it was hidden, and puts it there again before it is shown: a
// window moved by the program keeps its place, one the window manager placed would be placed anew.
class PlaceKeeper : public QObject {
  public:
    explicit PlaceKeeper(QWidget* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        // Only the program's own hiding and showing; a window the user minimizes is not hidden.
        if (event->type() == QEvent::Hide && !event->spontaneous() && window_->isHidden()) {
            // The client area's corner, not the frame's: Qt learns the frame's size from the window
            // manager some time after a window is mapped, and until then reports the client's corner as
            // the frame's, which would creep the window down by its title bar at every showing.
            place_ = window_->geometry().topLeft();
            kept_ = true;
        } else if (event->type() == QEvent::Show && !event->spontaneous() && kept_) {
            kept_ = false;
            // Set on the native window too, even where it has not moved: a position the program set is
            // what tells the window manager to keep it, and a client position it keeps exactly.
            window_->setGeometry(QRect(place_, window_->size()));
            if (QWindow* handle = window_->windowHandle()) handle->setPosition(place_);
        }
        return false;
    }

  private:
    QWidget* window_;
    QPoint place_;
    bool kept_ = false;
};

} // namespace

void KeepPlaceWhileHidden(QWidget* window) {
    window->installEventFilter(new PlaceKeeper(window));
}

void CloseOtherWindows(QWidget* window) {
    QList<QPointer<QWidget>> others;
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible()) others.append(other);
    for (const QPointer<QWidget>& other : others)
        if (other != nullptr && other->isVisible()) other->close();
}

QSize FittedSize(QSize wanted, QSize minimum, QSize available, QSize frame) {
    const QSize room = (available - frame).expandedTo(QSize(1, 1));
    return wanted.boundedTo(room).expandedTo(minimum);
}

void FitToScreen(QWidget* window, QSize wanted) {
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window->resize(wanted);
        return;
    }
    const QRect available = screen->availableGeometry();
    // Room for a title bar and borders, which the window's own size leaves out.
    const QSize frame(16, 48);
    const QSize size = FittedSize(wanted, window->minimumSizeHint().expandedTo(window->minimumSize()),
                                  available.size(), frame);
    window->resize(size);
    const QPoint corner(
        available.left() + std::max(0, (available.width() - size.width() - frame.width()) / 2),
        available.top() + std::max(0, (available.height() - size.height() - frame.height()) / 2));
    window->move(corner);
}

} // namespace orvane::ui
