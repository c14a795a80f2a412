#pragma once
// The tests' own connection to the display the presenter shows on: it finds windows, reads
// the screen back and sends the person's input with XTEST, as another program would.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/geometry.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11::testing {

class TestDisplay {
public:
    TestDisplay();
    ~TestDisplay();
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    bool ok() const { return dpy_ != nullptr; }
    ::Display* display() const { return dpy_; }
    Window root() const { return root_; }

    // The top-level window (a child of the root) whose _NET_WM_NAME is the UTF-8 title.
    Window findByTitle(const std::string& utf8) const;
    // The children of the root that are mapped and pass the window manager by.
    std::vector<Window> shownOverrides() const;
    std::string utf8Property(Window w, const char* name) const;
    std::vector<long> longsProperty(Window w, const char* name) const;
    bool overrideRedirect(Window w) const;
    // The window's rectangle on the screen.
    gfx::Rect rectOf(Window w) const;
    bool viewable(Window w) const;
    Window parentOf(Window w) const;
    // The screen's pixels in the rectangle, as &HBBGGRR.
    gfx::Canvas screenshot(const gfx::Rect& r) const;
    std::vector<gfx::Rect> shapeRects(Window w, int kind) const;

    void moveTo(int x, int y) const;
    void button(unsigned button, bool down) const;
    void click(int x, int y, unsigned button = 1) const;
    void key(unsigned long keysym, bool down) const;
    void sendDeleteWindow(Window w) const;

private:
    ::Display* dpy_ = nullptr;
    Window root_ = 0;
};

}  // namespace qv::present::x11::testing
