#pragma once
// The form or control a window of the forms belongs to, kept in the window's class data, and
// the window procedure that hands the window's messages to it.
#include <any>

#include "platform/gui/window_system.h"

namespace qv::forms {

// nullptr for a window of another kind, or one its object has let go.
template <class T>
T* windowObject(gui::WindowSystem& ws, gui::HWnd h) {
    std::any* data = ws.classData(h);
    if (data == nullptr) return nullptr;
    auto* object = std::any_cast<T*>(data);
    return object ? *object : nullptr;
}

// Makes the window at r (in its parent's client area, or on the screen) for its object, which
// hears the window's messages from then on; 0 when none could be made.
template <class T>
gui::HWnd createWindowFor(T* object, gui::CreateParams p, const gfx::Rect& r) {
    gui::WindowSystem& ws = gui::windows();
    p.x = r.left;
    p.y = r.top;
    p.width = r.right - r.left;
    p.height = r.bottom - r.top;
    const gui::HWnd h = ws.createWindow(p);
    if (h != 0) *ws.classData(h) = object;
    return h;
}

template <class T>
gui::LResult forwardToObject(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    if (T* object = windowObject<T>(ws, h)) return object->windowProc(h, msg, w, l);
    return ws.defWindowProc(h, msg, w, l);
}

}  // namespace qv::forms
