#pragma once
// One top-level window of the window system as an X window. A captioned window shows its
// client area, framed by the window manager, so the client area stays where the window system
// has it; any other window shows whole, without decorations, shaped by its region. Tooltips,
// balloons and popup menus (WS_EX_NOACTIVATE) bypass the window manager.
#include "platform/gfx/picture.h"
#include "platform/gfx/region.h"
#include "platform/gui/window_system.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/pixel_format.h"
#include "platform/present/x11/text_input.h"
#include "platform/present/x11/window_image.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class PresentedWindow {
public:
    // How the window is shown; a change of style that changes it makes a new X window.
    enum class Kind { Framed, Borderless, Popup };
    static Kind kindOf(const gui::WindowSystem& ws, gui::HWnd top);

    PresentedWindow(Connection& conn, gui::WindowSystem& ws, gui::HWnd top, const PixelFormat& format,
                    TextInput& text, const gfx::Picture* icon);
    ~PresentedWindow();
    PresentedWindow(const PresentedWindow&) = delete;
    PresentedWindow& operator=(const PresentedWindow&) = delete;

    gui::HWnd hwnd() const { return top_; }
    Window xid() const { return xid_; }
    Kind kind() const { return kind_; }
    bool viewable() const { return mapped_; }

    // The window system changed the window (change:: bits).
    void changed(unsigned changes);
    void setIcon(const gfx::Picture* icon);
    // Pixels of the surface changed (window coordinates).
    void damage(const gfx::Region& area);
    // Sends what changed to the screen; returns whether shared memory carried it.
    bool flush();
    bool hasDamage() const { return !dirty_.isEmpty(); }

    // ---- events of the X window
    void configured(const XConfigureEvent& e);
    void exposed(const XExposeEvent& e);
    void mapChanged(bool mapped);
    void reparented(Window parent) { parentIsRoot_ = parent == conn_.root(); }

private:
    // Where the X window belongs on the screen for the window system's window now.
    gfx::Rect wantedRect() const;
    gfx::Point offset() const;  // the gui window's pixels left of and above the X window
    void syncGeometry();
    void syncVisibility();
    void syncShape();
    void writeState();

    Connection& conn_;
    gui::WindowSystem& ws_;
    gui::HWnd top_;
    TextInput& text_;
    Kind kind_;
    Window xid_ = 0;
    GC gc_ = nullptr;
    WindowImage image_;
    gfx::Rect shown_;             // the X window's rectangle on the screen, as last asked or told
    unsigned long configureSerial_ = 0;  // the request that last moved or sized it
    bool wantMapped_ = false;
    bool mapped_ = false;
    bool parentIsRoot_ = true;
    bool above_ = false;
    gfx::Region dirty_;
};

}  // namespace qv::present::x11
