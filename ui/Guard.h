#pragma once

#include "MessageBox.h"
#include "RunTimeError.h"
#include "VbTimer.h"

#include <exception>

namespace orvane::ui {

void ReportRunTimeError(QWidget* owner, VbTimer* timer, const char* what);

// Runs one event handler. A run-time error ends the handler, disables the timer whose event raised it
// (so the message does not repeat) and is shown as a message; the program goes on.
template <typename Handler>
void Guarded(QWidget* owner, VbTimer* timer, Handler&& handler) {
    try {
        handler();
    } catch (const orvane::RunTimeError& error) {
        ReportRunTimeError(owner, timer, error.what());
    } catch (const std::exception& error) {
        ReportRunTimeError(owner, timer, error.what());
    }
}

} // namespace orvane::ui
