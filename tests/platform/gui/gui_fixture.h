#pragma once
// A fresh window system on a fake clock for each test, with a recording window class.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/gui/window_system.h"

namespace qv::gui::testing {

struct Seen {
    HWnd hwnd;
    MessageId msg;
    WParam w;
    LParam l;
};

class GuiTest : public ::testing::Test {
protected:
    GuiTest() : useClock_(clock_), useWindows_(ws_) {
        ws_.registerClass(WindowClass{"Rec", [this](HWnd h, MessageId m, WParam w, LParam l) {
                                          seen_.push_back(Seen{h, m, w, l});
                                          return ws_.defWindowProc(h, m, w, l);
                                      }});
    }

    HWnd top(int x, int y, int w, int h, std::uint32_t exStyle = 0) {
        CreateParams p;
        p.className = "Rec";
        p.style = WS_VISIBLE;
        p.exStyle = exStyle;
        p.x = x;
        p.y = y;
        p.width = w;
        p.height = h;
        return ws_.createWindow(p);
    }
    HWnd child(HWnd parent, int x, int y, int w, int h, std::uint32_t style = WS_VISIBLE) {
        CreateParams p;
        p.className = "Rec";
        p.style = WS_CHILD | style;
        p.parent = parent;
        p.x = x;
        p.y = y;
        p.width = w;
        p.height = h;
        return ws_.createWindow(p);
    }
    // The messages of one number that reached a window, in order.
    std::vector<Seen> seenOf(HWnd h, MessageId m) const {
        std::vector<Seen> out;
        for (const auto& s : seen_) {
            if (s.hwnd == h && s.msg == m) out.push_back(s);
        }
        return out;
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_;
    WindowSystem ws_;
    ScopedWindowSystem useWindows_;
    std::vector<Seen> seen_;
};

}  // namespace qv::gui::testing
