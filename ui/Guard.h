#pragma once

#include "MessageBox.h"
#include "RunTimeError.h"
#include "VbTimer.h"

#include <exception>
#include <type_traits>

namespace orvane::ui {

// Disables the timer and shows the message of a fault: the core's run-time error in words, with what the
// teacher can do about it, or the text of any other exception.
void ReportRunTimeError(QWidget* owner, VbTimer* timer, const RunTimeError& error);
void ReportRunTimeError(QWidget* owner, VbTimer* timer, const char* what);

// Runs one event handler. A run-time error ends the handler, disables the timer whose event raised it
// (so the message does not repeat) and is shown as a message; the program goes on.
template <typename Handler>
void Guarded(QWidget* owner, VbTimer* timer, Handler&& handler) {
    try {
        handler();
    } catch (const RunTimeError& error) {
        ReportRunTimeError(owner, timer, error);
    } catch (const std::exception& error) { // the run-time error and anything the library throws
        ReportRunTimeError(owner, timer, error.what());
    }
}

// Connects a signal to one of the window's handlers (a member function or any callable), run guarded.
template <typename Sender, typename Signal, typename Window, typename Handler>
void ConnectGuarded(Sender* sender, Signal signal, Window* window, VbTimer* timer, Handler handler) {
    QObject::connect(sender, signal, window, [window, timer, handler] {
        Guarded(window, timer, [&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (window->*handler)();
            else
                handler();
        });
    });
}

} // namespace orvane::ui
