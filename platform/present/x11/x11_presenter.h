#pragma once
// The presenter on an X11 display. Opened on the display DISPLAY names, it becomes the window
// system's observer and one more source of its loop: every shown top-level window is an X
// window that shows the window's surface, the person's input on them goes into the window
// system, and the notification area's icons dock in the desktop's system tray.
//
//     auto presenter = qv::present::x11::X11Presenter::open(qv::gui::windows());
//     if (!presenter) { /* no display: the headless presenter */ }
//
// It must live while the loop runs and be gone before the window system is.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/gfx/picture.h"
#include "platform/gui/window_observer.h"
#include "platform/gui/window_system.h"

union _XEvent;  // Xlib's XEvent, kept out of this header

namespace qv::present::x11 {

class Connection;
class Cursors;
class InputEvents;
class PixelFormat;
class PresentedWindow;
class SystemTray;
class TextInput;

class X11Presenter : public gui::WindowObserver {
public:
    // nullptr when the display (empty: DISPLAY) cannot be opened or cannot show true colour.
    static std::unique_ptr<X11Presenter> open(gui::WindowSystem& ws, const std::string& display = {});
    ~X11Presenter() override;
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    // The screen in pixels, for centring dialogs and keeping popups on it.
    gfx::Rect screen() const;
    // The program's icon, on every captioned window's frame.
    void setApplicationIcon(gfx::PicturePtr icon);

    // Sends what was painted to the screen now and waits until the display has it and has
    // answered with what it had to say. The loop does this before it sleeps; a loop on a fake
    // clock never sleeps, so tests on one call this.
    void sync();
    // The X window that shows a top-level window (0: none yet), and whether it is on screen
    // with every change painted; for tests and benchmarks.
    unsigned long xWindowOf(gui::HWnd top) const;
    bool showsAllPainted(gui::HWnd top) const;
    // The X window of a notification-area icon (0: none).
    unsigned long trayIconWindow(gui::HWnd hwnd, std::uint32_t id) const;

    // ---- gui::WindowObserver
    void topLevelChanged(gui::HWnd top, unsigned changes) override;
    void surfaceChanged(gui::HWnd top, const gfx::Region& area) override;
    void notificationAreaChanged() override;
    void cursorChanged(int cursor) override;
    void captureChanged(gui::HWnd capture) override;

private:
    X11Presenter(gui::WindowSystem& ws, std::unique_ptr<Connection> conn);
    // Before the loop sleeps: paints what changed, sends what is buffered, reads what came.
    bool beforeSleep();
    void readEvents();
    // True for input that may move the capture or the focus.
    bool dispatch(_XEvent& e);
    PresentedWindow* byXid(unsigned long xid) const;
    void present(gui::HWnd top);
    void restack();
    void grabPointer();

    gui::WindowSystem& ws_;
    std::unique_ptr<Connection> conn_;
    std::unique_ptr<PixelFormat> format_;
    std::unique_ptr<TextInput> text_;
    std::unique_ptr<InputEvents> input_;
    std::unique_ptr<Cursors> cursors_;
    std::unique_ptr<SystemTray> tray_;
    std::map<gui::HWnd, std::unique_ptr<PresentedWindow>> windows_;
    gfx::PicturePtr icon_;
    int watch_ = 0;
    int hook_ = 0;
    int cursor_ = 0;
    gui::HWnd grabFor_ = 0;  // the top-level window of the capture
    bool followingFocus_ = false;  // activating a window because the display focused it
};

}  // namespace qv::present::x11
