#pragma once
// The desktop's system tray (the freedesktop protocol): finds the tray that owns the screen's
// tray selection, docks each icon of the notification area into it, and docks them again when
// a tray appears later (its MANAGER announcement) or after one went away.
#include <memory>
#include <vector>

#include "platform/gui/window_system.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/docked_icon.h"
#include "platform/present/x11/pixel_format.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class SystemTray {
public:
    SystemTray(Connection& conn, gui::WindowSystem& ws, const PixelFormat& format);

    // The notification area's icons changed: dock new ones, update and drop the others.
    void sync();
    // True when the event was the tray's or one of its icons'.
    bool handle(const XEvent& e);
    // The X window of an icon (0: none), for tests.
    Window iconWindow(gui::HWnd hwnd, std::uint32_t id) const;

private:
    void findManager();
    DockedIcon* find(gui::HWnd hwnd, std::uint32_t id) const;

    Connection& conn_;
    gui::WindowSystem& ws_;
    const PixelFormat& format_;
    Window manager_ = 0;
    struct Entry {
        gui::HWnd hwnd;
        std::uint32_t id;
        std::unique_ptr<DockedIcon> icon;
    };
    std::vector<Entry> icons_;
};

}  // namespace qv::present::x11
