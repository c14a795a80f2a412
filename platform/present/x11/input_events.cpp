#include "platform/present/x11/input_events.h"

#include "platform/gui/messages.h"
#include "platform/present/x11/key_map.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

void InputEvents::pointerAt(int xRoot, int yRoot) {
    const gui::Point p{xRoot, yRoot};
    if (ws_.cursorPos() != p) ws_.mouseMoveTo(p);
}

bool InputEvents::isRepeat(const XKeyEvent& release) {
    if (XEventsQueued(dpy_, QueuedAfterReading) == 0) return false;
    XEvent next;
    XPeekEvent(dpy_, &next);
    return next.type == KeyPress && next.xkey.keycode == release.keycode && next.xkey.time == release.time;
}

void InputEvents::key(XKeyEvent& e) {
    const TypedKey typed = text_.lookup(e);
    const int vk = virtualKeyOf(typed.keysym);
    if (e.type == KeyRelease) {
        if (vk != 0 && !isRepeat(e)) ws_.keyUp(vk);
        return;
    }
    // The layout, not the key, says what it types: the key without its character, then the
    // text (an input method's composed text may come with no key of its own).
    if (vk != 0) ws_.keyDown(vk, false);
    for (char c : typed.text) ws_.typeChar(static_cast<unsigned char>(c));
}

bool InputEvents::handle(XEvent& e) {
    switch (e.type) {
        case MotionNotify: {
            // Only where the pointer is now counts; the moves queued behind this one are newer.
            XEvent newer;
            while (XCheckTypedWindowEvent(dpy_, e.xmotion.window, MotionNotify, &newer)) e = newer;
            pointerAt(e.xmotion.x_root, e.xmotion.y_root);
            return true;
        }
        case EnterNotify:
        case LeaveNotify:
            pointerAt(e.xcrossing.x_root, e.xcrossing.y_root);
            return true;
        case ButtonPress:
        case ButtonRelease: {
            pointerAt(e.xbutton.x_root, e.xbutton.y_root);
            const bool down = e.type == ButtonPress;
            switch (e.xbutton.button) {
                case Button1: down ? ws_.mouseButtonDown(gui::MouseButton::Left) : ws_.mouseButtonUp(gui::MouseButton::Left); break;
                case Button2: down ? ws_.mouseButtonDown(gui::MouseButton::Middle) : ws_.mouseButtonUp(gui::MouseButton::Middle); break;
                case Button3: down ? ws_.mouseButtonDown(gui::MouseButton::Right) : ws_.mouseButtonUp(gui::MouseButton::Right); break;
                case Button4: if (down) ws_.mouseWheel(gui::WHEEL_DELTA); break;
                case Button5: if (down) ws_.mouseWheel(-gui::WHEEL_DELTA); break;
                default: break;
            }
            return true;
        }
        case KeyPress:
        case KeyRelease:
            key(e.xkey);
            return true;
        default:
            return false;
    }
}

}  // namespace qv::present::x11
