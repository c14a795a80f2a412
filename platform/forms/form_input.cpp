// Test input given to a form as a person gives it: at a point of the screen, or with the keys,
// through the window system, which takes it to the window there or with the focus.
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

gui::MouseButton guiButton(int button) {
    if (button == kRightButton) return gui::MouseButton::Right;
    if (button == kMiddleButton) return gui::MouseButton::Middle;
    return gui::MouseButton::Left;
}

// Shift, Ctrl and Alt held as the Shift argument says while the input goes in.
class HeldModifiers {
public:
    HeldModifiers(gui::WindowSystem& ws, int shift) : ws_(ws) {
        for (const auto& [mask, vk] : kKeys) {
            was_[vk] = ws.isKeyDown(vk);
            ws.setKeyState(vk, (shift & mask) != 0);
        }
    }
    ~HeldModifiers() {
        for (const auto& [mask, vk] : kKeys) ws_.setKeyState(vk, was_[vk]);
    }

private:
    static constexpr std::pair<int, int> kKeys[] = {
        {kShiftMask, gui::VK_SHIFT}, {kCtrlMask, gui::VK_CONTROL}, {kAltMask, gui::VK_MENU}};
    gui::WindowSystem& ws_;
    bool was_[256] = {};
};

// The keys go where the form's focus is: the window system's focus is moved into the form
// first when it lies elsewhere.
void focusInto(gui::WindowSystem& ws, gui::HWnd form, Control* active) {
    if (form == 0 || ws.topLevelOf(ws.focus()) == form) return;
    if (active != nullptr && active->hWnd() != 0) ws.setFocus(active->hWnd());
    if (ws.topLevelOf(ws.focus()) != form) ws.setFocus(form);
}

// A button of the mouse going down or up at a point of the form's client area, and the loop
// delivering it while the modifiers are held.
void buttonAt(gui::HWnd form, int button, int shift, int x, int y, bool down) {
    gui::WindowSystem& ws = gui::windows();
    HeldModifiers held(ws, shift);
    const gui::Point at = ws.clientToScreen(form, {x, y});
    if (ws.cursorPos() != at) ws.mouseMoveTo(at);
    if (down)
        ws.mouseButtonDown(guiButton(button));
    else
        ws.mouseButtonUp(guiButton(button));
    ws.doEvents();
}

}  // namespace

void Form::pumpInput() { gui::windows().doEvents(); }

void Form::injectMouseDown(int button, int shift, int x, int y) {
    if (hwnd_ == 0) return;
    buttonAt(hwnd_, button, shift, x, y, true);
}

void Form::injectMouseMove(int, int shift, int x, int y) {
    if (hwnd_ == 0) return;
    gui::WindowSystem& ws = gui::windows();
    HeldModifiers held(ws, shift);
    ws.mouseMoveTo(ws.clientToScreen(hwnd_, {x, y}));
    pumpInput();
}

void Form::injectMouseUp(int button, int shift, int x, int y) {
    if (hwnd_ == 0) return;
    buttonAt(hwnd_, button, shift, x, y, false);
}

void Form::injectClick(int x, int y, int button) {
    injectMouseDown(button, 0, x, y);
    injectMouseUp(button, 0, x, y);
}

void Form::injectMouseLeave() {
    if (hwnd_ == 0) return;
    gui::WindowSystem& ws = gui::windows();
    const gui::Rect r = ws.windowRect(hwnd_);
    ws.mouseMoveTo({r.left - 100, r.top - 100});
    pumpInput();
}

void Form::injectKeyDown(int keyCode, int shift) {
    if (hwnd_ == 0) return;
    gui::WindowSystem& ws = gui::windows();
    focusInto(ws, hwnd_, focus_);
    HeldModifiers held(ws, shift);  // as long as the key's messages are handled
    ws.keyDown(keyCode, false);
    pumpInput();
}

void Form::injectKeyUp(int keyCode, int shift) {
    if (hwnd_ == 0) return;
    gui::WindowSystem& ws = gui::windows();
    focusInto(ws, hwnd_, focus_);
    HeldModifiers held(ws, shift);
    ws.keyUp(keyCode);
    pumpInput();
}

void Form::injectKeyPress(int keyAscii) {
    if (hwnd_ == 0) return;
    gui::WindowSystem& ws = gui::windows();
    focusInto(ws, hwnd_, focus_);
    ws.typeChar(static_cast<unsigned char>(keyAscii));
    pumpInput();
}

void Form::clickControl(Control& c, int button) {
    if (!loaded_ || !c.shownOnForm() || !c.enabledOnForm()) return;
    gui::WindowSystem& ws = gui::windows();
    const gui::HWnd target = c.hostWindow();
    if (target == 0) return;
    const gfx::Rect r = c.hostRect();
    const gui::Insets in = c.windowed() ? ws.frameInsets(target) : gui::Insets{};
    const gui::Point centre{(r.left + r.right) / 2 - in.left, (r.top + r.bottom) / 2 - in.top};
    const gui::LParam at = gui::makeLParam(centre.x, centre.y);
    // Where the window shows, the pointer comes first, as a person's does: a control that
    // watches the pointer (the owner-drawn button) clicks only under it.
    const gui::Point onScreen = ws.clientToScreen(target, centre);
    if (ws.isVisible(target) && ws.cursorPos() != onScreen) ws.mouseMoveTo(onScreen);
    const bool right = button == kRightButton, middle = button == kMiddleButton;
    const gui::MessageId downMsg = right ? gui::WM_RBUTTONDOWN : middle ? gui::WM_MBUTTONDOWN : gui::WM_LBUTTONDOWN;
    const gui::MessageId upMsg = right ? gui::WM_RBUTTONUP : middle ? gui::WM_MBUTTONUP : gui::WM_LBUTTONUP;
    const gui::WParam held = right ? gui::MK_RBUTTON : middle ? gui::MK_MBUTTON : gui::MK_LBUTTON;
    ws.postMessage(target, downMsg, held, at);
    ws.postMessage(target, upMsg, 0, at);
    pumpInput();
}

}  // namespace qv::forms
