#pragma once
// What the forms' windows read from the window system's input: the Shift argument and the
// buttons held as their events take them, and which button a mouse message is about.
#include <optional>

#include "platform/gui/window_system.h"

namespace qv::forms {

int keyShift(const gui::WindowSystem& ws);
int mouseShift(const gui::WindowSystem& ws, gui::WParam w);
int mouseButtons(gui::WParam w);

// WM_MOUSEMOVE and the button messages.
inline bool isMouseMessage(gui::MessageId m) { return m >= gui::WM_MOUSEMOVE && m <= gui::WM_MBUTTONDBLCLK; }

struct ButtonMessage {
    int button;  // kLeftButton, kRightButton or kMiddleButton
    enum Kind { Down, Up, Double } kind;
};
// The button and what it did; nothing for WM_MOUSEMOVE.
std::optional<ButtonMessage> buttonMessage(gui::MessageId m);

}  // namespace qv::forms
