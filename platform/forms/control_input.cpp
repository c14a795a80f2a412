// A control's default window procedure: the window's messages become the control's events.
#include <any>

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/input_state.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {

int keyShift(const gui::WindowSystem& ws) {
    return (ws.isKeyDown(gui::VK_SHIFT) ? kShiftMask : 0) | (ws.isKeyDown(gui::VK_CONTROL) ? kCtrlMask : 0) |
           (ws.isKeyDown(gui::VK_MENU) ? kAltMask : 0);
}

int mouseShift(const gui::WindowSystem& ws, gui::WParam w) {
    return ((w & gui::MK_SHIFT) ? kShiftMask : 0) | ((w & gui::MK_CONTROL) ? kCtrlMask : 0) |
           (ws.isKeyDown(gui::VK_MENU) ? kAltMask : 0);
}

std::optional<ButtonMessage> buttonMessage(gui::MessageId m) {
    switch (m) {
        case gui::WM_LBUTTONDOWN: return ButtonMessage{kLeftButton, ButtonMessage::Down};
        case gui::WM_LBUTTONUP: return ButtonMessage{kLeftButton, ButtonMessage::Up};
        case gui::WM_LBUTTONDBLCLK: return ButtonMessage{kLeftButton, ButtonMessage::Double};
        case gui::WM_RBUTTONDOWN: return ButtonMessage{kRightButton, ButtonMessage::Down};
        case gui::WM_RBUTTONUP: return ButtonMessage{kRightButton, ButtonMessage::Up};
        case gui::WM_RBUTTONDBLCLK: return ButtonMessage{kRightButton, ButtonMessage::Double};
        case gui::WM_MBUTTONDOWN: return ButtonMessage{kMiddleButton, ButtonMessage::Down};
        case gui::WM_MBUTTONUP: return ButtonMessage{kMiddleButton, ButtonMessage::Up};
        case gui::WM_MBUTTONDBLCLK: return ButtonMessage{kMiddleButton, ButtonMessage::Double};
        default: return std::nullopt;
    }
}

int mouseButtons(gui::WParam w) {
    return ((w & gui::MK_LBUTTON) ? kLeftButton : 0) | ((w & gui::MK_RBUTTON) ? kRightButton : 0) |
           ((w & gui::MK_MBUTTON) ? kMiddleButton : 0);
}

gui::LResult Control::windowProc(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    if (isMouseMessage(msg)) return mouseMessage(hwnd, msg, w, l);
    switch (msg) {
        case gui::WM_NCPAINT:
            paintWindow(hwnd, true);
            return 0;
        case gui::WM_PAINT:
            paintWindow(hwnd, false);
            return 0;
        case gui::WM_MOUSELEAVE:
            input_.leave();
            mouseLeave();
            return 0;
        case gui::WM_MOUSEWHEEL:
            mouseWheel(static_cast<std::int16_t>(gui::hiWord(w)) / gui::WHEEL_DELTA);
            return 0;
        case gui::WM_KEYDOWN: {
            std::weak_ptr<int> alive = alive_;
            keyDown(static_cast<int>(w), keyShift(ws));
            // The Tab key then moves the focus on, as the window system does with it.
            return alive.expired() ? 0 : ws.defWindowProc(hwnd, msg, w, l);
        }
        case gui::WM_KEYUP:
            keyUp(static_cast<int>(w), keyShift(ws));
            return 0;
        case gui::WM_CHAR:
            // A Tab moves the focus; it types nothing.
            if (w != static_cast<gui::WParam>(gui::VK_TAB)) keyPress(static_cast<int>(w));
            return 0;
        case gui::WM_SETFOCUS:
            form_->focusControl(this);
            return 0;
        case gui::WM_KILLFOCUS:
            // The focus went to no window: the form has no active control. Focus going to
            // another window leaves it to that window's WM_SETFOCUS (or to the form's, when
            // the window is another form's).
            if (w == 0 && form_->ActiveControl() == this) form_->focusControl(nullptr);
            return 0;
        case gui::WM_NCDESTROY:
            if (hwnd == hwnd_) hwnd_ = 0;
            tipWindow_ = tipTool_ = 0;
            if (std::any* data = ws.classData(hwnd)) *data = std::any{};
            return 0;
        default:
            return ws.defWindowProc(hwnd, msg, w, l);
    }
}

// A press captures the mouse for the window until the last button is up, and a left press
// gives the control the focus; the windowless controls it holds take their share first. The
// capture ends before the release's events run, so input while they run a nested loop (a
// message box, a long run letting messages through) reaches the window under the pointer.
gui::LResult Control::mouseMessage(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    const gui::Insets in = ws.frameInsets(hwnd);
    const float x = static_cast<float>(formLeft() + pixelsToTwips(gui::xOf(l) + in.left));
    const float y = static_cast<float>(formTop() + pixelsToTwips(gui::yOf(l) + in.top));
    std::weak_ptr<int> alive = alive_;
    if (msg == gui::WM_MOUSEMOVE) {
        if (ws.trackedWindow() != hwnd && ws.windowFromPoint(ws.cursorPos()) == hwnd) ws.trackMouseLeave(hwnd);
        input_.move(mouseButtons(w), mouseShift(ws, w), x, y);
        return 0;
    }
    const ButtonMessage b = *buttonMessage(msg);
    if (b.kind == ButtonMessage::Up) {
        if (mouseButtons(w) == 0 && ws.capture() == hwnd) ws.releaseCapture();
        input_.up(b.button, mouseShift(ws, w), x, y);
        return 0;
    }
    if (ws.capture() == 0) ws.setCapture(hwnd);
    if (b.button == kLeftButton && ws.focus() != hwnd && canFocus()) ws.setFocus(hwnd);
    if (alive.expired() || hwnd_ != hwnd) return 0;
    input_.down(b.button, mouseShift(ws, w), x, y, b.kind == ButtonMessage::Double);
    return 0;
}

void Control::ownDown(int button, int shift, float x, float y) {
    mouseDown(button, shift, x - static_cast<float>(formLeft()), y - static_cast<float>(formTop()));
}
void Control::ownMove(int buttons, int shift, float x, float y) {
    mouseMove(buttons, shift, x - static_cast<float>(formLeft()), y - static_cast<float>(formTop()));
}
void Control::ownUp(int button, int shift, float x, float y) {
    mouseUp(button, shift, x - static_cast<float>(formLeft()), y - static_cast<float>(formTop()));
}
void Control::ownClick(int button, float x, float y) {
    mouseClick(button, x - static_cast<float>(formLeft()), y - static_cast<float>(formTop()));
}
void Control::ownDblClick(int button, float x, float y) {
    mouseDblClick(button, x - static_cast<float>(formLeft()), y - static_cast<float>(formTop()));
}
bool Control::ownContains(float x, float y) const {
    return containsFormPoint(static_cast<int>(x), static_cast<int>(y));
}

}  // namespace qv::forms
