#include "controls/button_window.h"

#include "controls/button.h"
#include "platform/forms/form.h"
#include "platform/forms/form_window.h"
#include "platform/forms/types.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::controls {
namespace {

constexpr const char* kWindowClass = "isButtonWindow";

int shiftState(const gui::WindowSystem& ws) {
    int s = 0;
    if (ws.isKeyDown(gui::VK_SHIFT)) s |= forms::kShiftMask;
    if (ws.isKeyDown(gui::VK_CONTROL)) s |= forms::kCtrlMask;
    if (ws.isKeyDown(gui::VK_MENU)) s |= forms::kAltMask;
    return s;
}

// The button of a mouse message as the control's handlers number it (1 left, 2 right, 4 middle).
int buttonOf(gui::MessageId msg) {
    switch (msg) {
        case gui::WM_RBUTTONDOWN: case gui::WM_RBUTTONUP: case gui::WM_RBUTTONDBLCLK: return forms::kRightButton;
        case gui::WM_MBUTTONDOWN: case gui::WM_MBUTTONUP: case gui::WM_MBUTTONDBLCLK: return forms::kMiddleButton;
        default: return forms::kLeftButton;
    }
}

constexpr gui::WParam kAnyButton = gui::MK_LBUTTON | gui::MK_RBUTTON | gui::MK_MBUTTON;

}  // namespace

ButtonWindow::~ButtonWindow() { destroy(); }

gui::HWnd ButtonWindow::hWnd() const { return (ws_ != nullptr && ws_->isWindow(hwnd_)) ? hwnd_ : 0; }

gui::HWnd ButtonWindow::hostWindow() const {
    forms::Form& host = owner_.Parent();
    if (!host.loaded()) return 0;
    for (forms::Control* c : host.Controls())
        if (auto* fw = dynamic_cast<forms::FormWindow*>(c)) return fw->hWnd();
    return 0;
}

void ButtonWindow::create() {
    if (hWnd() != 0) return;
    ws_ = &gui::windows();
    if (!ws_->isClassRegistered(kWindowClass)) ws_->registerClass(gui::WindowClass{kWindowClass, {}});
    gui::CreateParams p;
    p.className = kWindowClass;
    p.text = owner_.Name();
    p.parent = hostWindow();
    p.style = (p.parent != 0 ? gui::WS_CHILD : gui::WS_POPUP) | gui::WS_TABSTOP;
    hwnd_ = ws_->createWindow(p);
    if (hwnd_ == 0) return;
    ws_->setWindowProc(hwnd_, [this](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l) {
        return proc(h, m, w, l);
    });
    place();
}

void ButtonWindow::place() {
    gui::HWnd h = hWnd();
    if (h == 0) return;
    if (ws_->parent(h) == 0) {
        // The host's window has come since: the control's window becomes its child.
        if (hostWindow() != 0) {
            destroy();
            create();
            owner_.windowReplaced(h);
            return;
        }
    }
    const forms::Form& host = owner_.Parent();
    int x = host.borderPixels() + forms::twipsToPixels(owner_.formLeft());
    int y = host.borderPixels() + host.captionPixels() + forms::twipsToPixels(owner_.formTop());
    if (ws_->parent(h) == 0) {
        x += forms::twipsToPixels(host.Left());
        y += forms::twipsToPixels(host.Top());
    }
    const gui::Rect want{x, y, x + forms::twipsToPixels(owner_.Width()), y + forms::twipsToPixels(owner_.Height())};
    if (ws_->placement(h) != want)
        ws_->moveWindow(h, want.left, want.top, int(want.width()), int(want.height()));
    ws_->setTabIndex(h, owner_.TabIndex());
    if (ws_->isEnabled(h) != owner_.Enabled()) ws_->enableWindow(h, owner_.Enabled());
    const bool shown = owner_.shown();
    if (((ws_->style(h) & gui::WS_VISIBLE) != 0) != shown) {
        ws_->showWindow(h, shown);
        // A top-level stand-in lies over its host's window.
        if (shown && ws_->parent(h) == 0)
            ws_->setWindowPos(h, gui::HWND_TOP, 0, 0, 0, 0, gui::SWP_NOMOVE | gui::SWP_NOSIZE | gui::SWP_NOACTIVATE);
    }
}

void ButtonWindow::destroy() {
    if (hWnd() != 0) ws_->destroyWindow(hwnd_);
    hwnd_ = 0;
}

gui::LResult ButtonWindow::proc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = *ws_;
    isButton& b = owner_;
    const std::weak_ptr<bool> life = b.live_;
    const float x = float(gui::xOf(l)), y = float(gui::yOf(l));
    switch (msg) {
        case gui::WM_LBUTTONDOWN: case gui::WM_RBUTTONDOWN: case gui::WM_MBUTTONDOWN:
            ws.setCapture(h);
            if (ws.focus() != h) ws.setFocus(h);
            if (isButton::gone(life)) return 0;
            afterDouble_ = false;
            b.UserControl_MouseDown(buttonOf(msg), shiftState(ws), x, y);
            return 0;
        case gui::WM_LBUTTONDBLCLK: case gui::WM_RBUTTONDBLCLK: case gui::WM_MBUTTONDBLCLK:
            ws.setCapture(h);
            afterDouble_ = true;
            b.UserControl_DblClick();
            return 0;
        case gui::WM_LBUTTONUP: case gui::WM_RBUTTONUP: case gui::WM_MBUTTONUP: {
            if ((w & kAnyButton) == 0 && ws.capture() == h) ws.releaseCapture();
            const bool over = ws.clientRect(h).contains(gui::xOf(l), gui::yOf(l));
            const bool afterDouble = afterDouble_;
            afterDouble_ = false;
            b.UserControl_MouseUp(buttonOf(msg), shiftState(ws), x, y);
            if (isButton::gone(life) || !over || afterDouble) return 0;
            b.UserControl_Click();
            return 0;
        }
        case gui::WM_KEYDOWN: {
            int key = int(w);
            b.UserControl_KeyDown(key, shiftState(ws));
            if (isButton::gone(life)) return 0;
            return ws.defWindowProc(h, msg, w, l);
        }
        case gui::WM_KEYUP: {
            int key = int(w);
            b.UserControl_KeyUp(key, shiftState(ws));
            return 0;
        }
        case gui::WM_SETFOCUS:
            b.Parent().focusControl(&b);
            return 0;
        case gui::WM_KILLFOCUS:
            if (b.Parent().ActiveControl() == &b) b.Parent().focusControl(nullptr);
            return 0;
        case gui::WM_PAINT:
            b.paint();
            return 0;
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace qv::controls
