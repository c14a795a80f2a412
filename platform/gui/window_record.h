#pragma once
// The private records behind WindowSystem: one window, one link of a subclass chain, and one
// message on its way through a chain.
#include "platform/gui/window_system.h"

namespace qv::gui {

struct WindowSystem::SubclassLink {
    std::uintptr_t id = 0;
    SubclassProc proc;
    std::intptr_t refData = 0;
    bool removed = false;
};

struct WindowSystem::Window {
    HWnd handle = 0;
    HWnd parent = 0;  // child windows only
    HWnd owner = 0;
    std::string className;
    std::string text;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int id = 0;
    Rect rect;  // in the parent's client coordinates; the screen's for a top-level window
    Insets insets;  // the frame around the client area
    std::optional<WindowRegion> region;
    std::intptr_t userData = 0;
    std::any classData;
    std::shared_ptr<const WndProc> proc;
    std::vector<std::shared_ptr<SubclassLink>> links;  // in the order installed
    std::vector<HWnd> children;                         // top first
    int tabIndex = 0;
    std::uint64_t serial = 0;
    std::unique_ptr<gfx::Canvas> surface;  // top-level windows only
    gfx::Region dirty;                      // top-level: what to repaint, window coordinates
    // While the window's WM_PAINT runs: what it is to paint, in top-level coordinates.
    std::optional<gfx::Region> paintArea;
    int cursor = 0;
    bool destroying = false;
};

// One message running through a window's chain: the links as they stood when it was sent
// (the last installed first) and the position of the link now running.
struct WindowSystem::Frame {
    HWnd hwnd = 0;
    std::shared_ptr<Window> window;  // keeps the window's record alive while it runs
    std::vector<std::shared_ptr<SubclassLink>> chain;
    std::size_t position = 0;
};

}  // namespace qv::gui
