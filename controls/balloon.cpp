#include "controls/balloon.h"

#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

namespace {

struct BalloonState {
    gui::HWnd window = 0;
    gui::HWnd owner = 0;
};

BalloonState& state() {
    static BalloonState s;
    return s;
}

}  // namespace

void CreateBalloon(gui::HWnd hWndOwner) {
    gui::WindowSystem& ws = gui::windows();
    gui::CreateParams p;
    p.className = gui::kTooltipClass;
    p.text = "";
    p.style = gui::WS_POPUP | gui::TTS_BALLOON | gui::TTS_NOPREFIX | gui::TTS_ALWAYSTIP;
    p.exStyle = gui::WS_EX_TOPMOST;
    p.x = p.y = p.width = p.height = gui::CW_USEDEFAULT;
    p.parent = hWndOwner;
    const gui::HWnd made = ws.createWindow(p);
    if (made == 0) return;
    ws.setWindowPos(made, gui::HWND_TOPMOST, 0, 0, 0, 0, gui::SWP_NOSIZE | gui::SWP_NOMOVE);
    state() = BalloonState{made, hWndOwner};
}

void AddBalloonTip(gui::HWnd hWnd, const std::string& Text) {
    if (state().window == 0) return;
    gui::WindowSystem& ws = gui::windows();
    gui::ToolInfo info;
    info.flags = gui::TTF_SUBCLASS | gui::TTF_TRANSPARENT;
    info.hwnd = hWnd;
    info.id = 0;
    info.rect = ws.clientRect(hWnd);
    info.text = Text;  // the tooltip keeps its own copy
    ws.sendMessage(state().window, gui::TTM_ADDTOOLA, 0, reinterpret_cast<gui::LParam>(&info));
}

gui::HWnd BalloonWindow() { return state().window; }
gui::HWnd BalloonOwner() { return state().owner; }
void ResetBalloon() { state() = BalloonState{}; }

}  // namespace qv::controls
