#include "platform/forms/start_up_position.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/types.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr int kStep = 24;  // pixels between windows that would otherwise lie on each other

bool anotherWindowAt(const gui::WindowSystem& ws, gui::HWnd self, int x, int y) {
    for (gui::HWnd h : ws.topLevelWindows()) {
        if (h == self || !ws.isVisible(h)) continue;
        const gui::Rect r = ws.windowRect(h);
        if (r.left == x && r.top == y) return true;
    }
    return false;
}

}  // namespace

void placeAtStartUp(Form& f) {
    const int mode = f.StartUpPosition();
    if (mode < 1 || mode > 3) return;
    const gui::WindowSystem& ws = gui::windows();
    const gui::Rect screen = ws.screenArea();
    const int w = twipsToPixels(f.Width()), h = twipsToPixels(f.Height());
    int x = 0, y = 0;
    if (mode == 3) {
        x = screen.left + static_cast<int>(screen.width()) / 8;
        y = screen.top + static_cast<int>(screen.height()) / 8;
    } else {
        x = screen.left + std::max(0, static_cast<int>(screen.width()) - w) / 2;
        y = screen.top + std::max(0, static_cast<int>(screen.height()) - h) / 2;
    }
    for (int i = 0; i < 20 && anotherWindowAt(ws, f.hWnd(), x, y); ++i) {
        x += kStep;
        y += kStep;
    }
    f.Left(pixelsToTwips(x));
    f.Top(pixelsToTwips(y));
}

}  // namespace qv::forms
