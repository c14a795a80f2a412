#pragma once
// A modal window: while it is up, the program's other top-level windows take no input, and
// the one loop runs nested until the window is answered or gone.
#include <functional>

#include "platform/gui/window_system.h"

namespace qv::present {

void runModal(gui::WindowSystem& ws, gui::HWnd dialog, const std::function<bool()>& answered);
// The nested run alone, for a window that holds the mouse capture (a popup menu).
void runNested(gui::WindowSystem& ws, gui::HWnd window, const std::function<bool()>& answered);

}  // namespace qv::present
