#pragma once

#include "Controls.h"
#include "Guard.h"

#include <span>

namespace orvane::ui {

// A control's name, caption and place on its window, in twips, and the translation context of its
// caption.
struct ControlLayout {
    const char* name;
    const char* caption;
    int left, top, width, height;
    const char* context = CaptionContext;
};

template <typename T>
T* MakeControl(QWidget* parent, const ControlLayout& layout) {
    return MakeControl<T>(parent, layout.name, layout.caption, layout.left, layout.top, layout.width,
                          layout.height, layout.context);
}

// A command button and the window's handler its click runs.
template <typename Window>
struct ButtonLayout {
    ControlLayout control;
    void (Window::*handler)();
};

// Makes a window's command buttons, each click connected to its handler through the guard.
template <typename Window>
void MakeButtons(Window* window, std::span<const ButtonLayout<Window>> buttons, VbTimer* timer) {
    for (const ButtonLayout<Window>& button : buttons)
        ConnectGuarded(MakeControl<VbButton>(window, button.control), &QPushButton::clicked, window, timer,
                       button.handler);
}

} // namespace orvane::ui
