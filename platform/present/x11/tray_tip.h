#pragma once
// The tip of a tray icon: a small window without the window manager's frame near the pointer,
// drawn as the program's tooltips are.
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/pixel_format.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class TrayTip {
public:
    TrayTip(Connection& conn, const PixelFormat& format) : conn_(conn), format_(format) {}
    ~TrayTip();
    TrayTip(const TrayTip&) = delete;
    TrayTip& operator=(const TrayTip&) = delete;

    // Shows the text near the pointer, inside the screen; an empty text shows nothing.
    void show(const std::string& cp1252, gfx::Point pointer);
    void hide();
    bool shown() const { return shown_; }
    // True when the event was the tip window's.
    bool handle(const XEvent& e);

private:
    void draw();
    Connection& conn_;
    const PixelFormat& format_;
    Window xid_ = 0;
    GC gc_ = nullptr;
    XImage* image_ = nullptr;
    bool shown_ = false;
};

}  // namespace qv::present::x11
