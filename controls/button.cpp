// isButton's life, its hook and its input: the container's notifications move the control
// between its looks and raise its events.
#include "controls/button.h"

#include "platform/forms/form.h"
#include "platform/gui/messages.h"
#include "platform/gui/shell.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

isButton::isButton(forms::Form& owner, std::string name, int index)
    : UserControl(owner, std::move(name), index),
      hook_("isButton", [this](bool before, bool& handled, gui::LResult& result, gui::HWnd h, gui::MessageId m,
                               gui::WParam w, gui::LParam l, std::intptr_t& user) {
          zSubclassProc(before, handled, result, h, m, w, l, user);
      }) {
    ScaleMode(3);  // the button draws and measures in pixels
}

isButton::~isButton() {
    live_.reset();
    hook_.sc_Terminate();
    if (tooltip_ != 0 && gui::windows().isWindow(tooltip_)) gui::windows().destroyWindow(tooltip_);
}

void isButton::UserControl_Initialize() { *live_ = true; }

void isButton::UserControl_Terminate() {
    hook_.sc_Terminate();
    RemoveToolTip();
    *live_ = false;
}

void isButton::attachWindow() {
    UserControl::attachWindow();
    if (sited()) setUpHook();
}

// ---- the hook

void isButton::setUpHook() {
    if (!Ambient().UserMode || hWnd() == 0 || hook_.isHooked(hWnd())) return;
    hook_.sc_Subclass(hWnd(), 0);
    for (gui::MessageId m : {gui::WM_MOUSEMOVE, gui::WM_MOUSELEAVE, gui::WM_THEMECHANGED, gui::WM_SYSCOLORCHANGE})
        hook_.sc_AddMsg(hWnd(), m, WHEN_AFTER);
}

void isButton::zSubclassProc(bool before, bool&, gui::LResult&, gui::HWnd hwnd, gui::MessageId msg, gui::WParam,
                             gui::LParam l, std::intptr_t&) {
    if (before) return;
    switch (msg) {
        case gui::WM_MOUSELEAVE:
            pointerOver_ = false;
            state_ = kStateNormal;
            RemoveToolTip();
            Refresh();
            MouseLeave();
            break;
        case gui::WM_MOUSEMOVE: {
            if (pointerOver_) break;
            // A move that reaches the window only because it holds the mouse is not one over it.
            if (!gui::windows().clientRect(hwnd).contains(gui::xOf(l), gui::yOf(l))) break;
            pointerOver_ = true;
            StartTrackMouseLeave(hwnd);
            state_ = kStateHot;
            Refresh();
            const std::weak_ptr<bool> life = live_;
            MouseEnter();
            if (!gone(life)) CreateToolTip();
            break;
        }
        case gui::WM_THEMECHANGED:
        case gui::WM_SYSCOLORCHANGE:
            Refresh();
            break;
        default:
            break;
    }
}

void isButton::StartTrackMouseLeave(gui::HWnd hwnd) { gui::windows().trackMouseLeave(hwnd); }

// ---- notifications of the container

void isButton::UserControl_AccessKeyPress(int) {
    lastButton_ = forms::kLeftButton;
    const std::weak_ptr<bool> life = live_;
    clickRoutine();
    if (gone(life)) return;
    state_ = kStateNormal;
    Click();
}

void isButton::UserControl_AmbientChanged(const std::string& name) {
    if (name == "DisplayAsDefault") Refresh();
}

void isButton::clickRoutine() {
    if (lastButton_ != forms::kLeftButton) return;
    if (buttonType_ == 1) Value(!value_);
    state_ = kStateHot;
    Refresh();
}

void isButton::UserControl_Click() { clickRoutine(); }

void isButton::pressLeft() {
    state_ = kStatePressed;
    Refresh();
}

void isButton::UserControl_DblClick() {
    if (lastButton_ == forms::kLeftButton) pressLeft();
}

void isButton::UserControl_EnterFocus() {
    focused_ = true;
    Refresh();
}
void isButton::UserControl_GotFocus() { UserControl_EnterFocus(); }

void isButton::UserControl_ExitFocus() {
    focused_ = false;
    Refresh();
}
void isButton::UserControl_LostFocus() { UserControl_ExitFocus(); }

void isButton::UserControl_Show() {
    shown_ = true;
    UserControl_Resize();
    Refresh();
}

void isButton::UserControl_Hide() {
    shown_ = false;
    Extender().ToolTipText(toolTipText_);
    tipTextTaken_ = false;
}

void isButton::sendTab(bool previous) {
    gui::WindowSystem& ws = gui::windows();
    if (previous) ws.keyDown(gui::VK_SHIFT);
    ws.keyPress(gui::VK_TAB);
    if (previous) ws.keyUp(gui::VK_SHIFT);
}

void isButton::UserControl_KeyDown(int& keyCode, int) {
    switch (keyCode) {
        case gui::VK_SPACE: pressLeft(); break;
        case gui::VK_RIGHT: case gui::VK_DOWN: sendTab(false); break;
        case gui::VK_LEFT: case gui::VK_UP: sendTab(true); break;
        case gui::VK_TAB: MouseLeave(); break;
        default: break;
    }
}

void isButton::UserControl_KeyUp(int& keyCode, int) {
    if (keyCode != gui::VK_SPACE) return;
    const std::weak_ptr<bool> life = live_;
    clickRoutine();
    if (gone(life)) return;
    Click();
    if (gone(life)) return;
    state_ = kStateNormal;
    Refresh();
}

void isButton::UserControl_MouseDown(int button, int, float, float) {
    if (button == forms::kLeftButton) pressLeft();
}

void isButton::UserControl_MouseUp(int button, int, float, float) {
    if (button == forms::kLeftButton) {
        if (buttonType_ == 1 && !value_) {
            state_ = kStatePressed;
        } else {
            state_ = kStateHot;
            const std::weak_ptr<bool> life = live_;
            gui::windows().doEvents();
            // What ran meanwhile may have ended the control.
            if (gone(life)) return;
            StartTrackMouseLeave(hWnd());
            if (pointerOver_) {
                Click();
                if (gone(life)) return;
            }
        }
        Refresh();
    }
    lastButton_ = button;
}

void isButton::UserControl_Paint() { Refresh(); }

std::intptr_t isButton::OpenLink(const std::string& link) {
    return gui::ShellExecute(hWnd(), "open", link, "", "", gui::SW_SHOWNORMAL);
}

}  // namespace qv::controls
