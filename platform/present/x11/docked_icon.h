#pragma once
// One icon of the notification area as a window docked in the desktop's system tray through
// XEmbed: drawn at the size the tray gives it, its pointer events turned into the icon's
// callback messages, its tip shown while the pointer rests on it.
#include <cstdint>
#include <string>

#include "platform/gui/notification_area.h"
#include "platform/gui/window_system.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/pixel_format.h"
#include "platform/present/x11/tray_tip.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class DockedIcon {
public:
    DockedIcon(Connection& conn, gui::WindowSystem& ws, const PixelFormat& format, const gui::TrayIcon& icon);
    ~DockedIcon();
    DockedIcon(const DockedIcon&) = delete;
    DockedIcon& operator=(const DockedIcon&) = delete;

    Window xid() const { return xid_; }
    bool docked() const { return docked_; }
    // The window went with a tray that did not hand it back.
    bool lost() const { return lost_; }
    // Asks the tray that `manager` runs to take the icon.
    void dock(Window manager);
    // The icon's picture or tip changed.
    void update(const gui::TrayIcon& icon);
    // True when the event was the icon window's.
    bool handle(const XEvent& e);

private:
    void draw();
    void pointer(gui::MessageId msg);
    void press(unsigned button, int x, int y);
    void showTip();

    Connection& conn_;
    gui::WindowSystem& ws_;
    const PixelFormat& format_;
    gui::TrayIcon icon_;
    Window xid_ = 0;
    GC gc_ = nullptr;
    int width_ = 1;
    int height_ = 1;
    bool docked_ = false;
    bool lost_ = false;
    TrayTip tip_;
    std::uintptr_t tipTimer_ = 0;
    struct LastPress {
        unsigned button = 0;
        std::int64_t tick = 0;
        int x = 0, y = 0;
        bool wasDouble = false;
    } last_;
};

}  // namespace qv::present::x11
