#pragma once
// The window of an isButton until the window system gives every user control a child window of
// its own. It is made when the control is sited: a child of the host form's window when the
// host holds a forms::FormWindow and is loaded, else a top-level window where the control lies
// on the screen. It follows the control's place, tab index, visibility and enabled state at each
// layout and show, and once the host's window exists it is made again as its child. Its procedure turns the window's messages into the control's notifications, as a
// user control's default window procedure will: presses capture the mouse and take the focus,
// a release over the window is followed by the click (not after a double click), keys and
// focus changes reach the control's handlers.
//
// To be replaced by the control's own window: hWnd() becomes the UserControl's window, and
// create, place and destroy go with this class.
#include <memory>

#include "platform/gui/types.h"

namespace qv::gui {
class WindowSystem;
}

namespace qv::controls {

class isButton;

class ButtonWindow {
public:
    explicit ButtonWindow(isButton& owner) : owner_(owner) {}
    ~ButtonWindow();
    ButtonWindow(const ButtonWindow&) = delete;
    ButtonWindow& operator=(const ButtonWindow&) = delete;

    // 0 before the control is sited and after it is terminated.
    gui::HWnd hWnd() const;
    void create();
    // Follows the control; may make the window again (the control hears of it).
    void place();
    void destroy();

private:
    gui::LResult proc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l);
    gui::HWnd hostWindow() const;

    isButton& owner_;
    gui::WindowSystem* ws_ = nullptr;
    gui::HWnd hwnd_ = 0;
    bool afterDouble_ = false;  // the next release follows a double click: no click
};

}  // namespace qv::controls
