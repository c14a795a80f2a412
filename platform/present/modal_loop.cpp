#include "platform/present/modal_loop.h"

#include <vector>

namespace qv::present {

void runModal(gui::WindowSystem& ws, gui::HWnd dialog, const std::function<bool()>& answered) {
    std::vector<gui::HWnd> disabled;
    for (gui::HWnd top : ws.topLevelWindows()) {
        if (top == dialog || ws.owner(top) == dialog || !ws.isEnabled(top)) continue;
        ws.enableWindow(top, false);
        disabled.push_back(top);
    }
    runNested(ws, dialog, answered);
    for (gui::HWnd top : disabled)
        if (ws.isWindow(top)) ws.enableWindow(top, true);
}

void runNested(gui::WindowSystem& ws, gui::HWnd window, const std::function<bool()>& answered) {
    // Short steps, so the answer is taken soon after the click that gives it.
    while (ws.isWindow(window) && !answered()) ws.pumpFor(10);
}

}  // namespace qv::present
