#include "controls/on_top.h"

#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

void clsOnTop::MakeTopMost(gui::HWnd hWnd) {
    gui::windows().setWindowPos(hWnd, gui::HWND_TOPMOST, 0, 0, 0, 0, gui::SWP_NOSIZE | gui::SWP_NOMOVE);
}

void clsOnTop::MakeNormal(gui::HWnd hWnd) {
    gui::windows().setWindowPos(hWnd, gui::HWND_NOTOPMOST, 0, 0, 0, 0, gui::SWP_NOSIZE | gui::SWP_NOMOVE);
}

}  // namespace qv::controls
