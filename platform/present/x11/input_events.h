#pragma once
// Pointer and keyboard events of the program's X windows, handed to the window system as the
// person's input in screen pixels: motion, buttons 1 to 3, the wheel, keys with what they type.
#include "platform/gui/window_system.h"
#include "platform/present/x11/text_input.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class InputEvents {
public:
    InputEvents(::Display* dpy, gui::WindowSystem& ws, TextInput& text) : dpy_(dpy), ws_(ws), text_(text) {}

    // True when the event was pointer or keyboard input (and is handled).
    bool handle(XEvent& e);

private:
    void pointerAt(int xRoot, int yRoot);
    void key(XKeyEvent& e);
    // A release the server sends only because the key repeats: the press that follows at once.
    bool isRepeat(const XKeyEvent& release);

    ::Display* dpy_;
    gui::WindowSystem& ws_;
    TextInput& text_;
};

}  // namespace qv::present::x11
