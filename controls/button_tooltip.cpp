// The control's own tooltip: made as the pointer enters (when the control is enabled and
// shown), gone as it leaves. The host keeps the tooltip text for the control; CreateToolTip
// takes it into the control's keeping, leaving the host's empty so that the host shows no tip
// of its own, and RemoveToolTip gives it back. Taken once, it stays taken until given back.
#include "controls/button.h"
#include "controls/button_colours.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

void isButton::CreateToolTip() {
    gui::WindowSystem& ws = gui::windows();
    if (!tipTextTaken_) toolTipText_ = Extender().ToolTipText();
    Extender().ToolTipText("");
    tipTextTaken_ = true;
    toolInfo_.text = toolTipText_;
    // One tooltip window at a time.
    if (tooltip_ != 0 && ws.isWindow(tooltip_)) ws.destroyWindow(tooltip_);
    tooltip_ = 0;
    if (!Enabled() || !shown_ || hWnd() == 0) return;

    gui::CreateParams p;
    p.className = gui::kTooltipClass;
    p.style = gui::TTS_ALWAYSTIP | gui::TTS_NOPREFIX | (toolTipType_ == 1 ? gui::TTS_BALLOON : 0u);
    p.parent = hWnd();
    tooltip_ = ws.createWindow(p);
    if (tooltip_ == 0) return;

    toolInfo_.flags = gui::TTF_SUBCLASS;
    toolInfo_.hwnd = hWnd();
    toolInfo_.id = 0;
    toolInfo_.rect = ws.clientRect(hWnd());
    ws.sendMessage(tooltip_, gui::TTM_ADDTOOLA, 0, reinterpret_cast<gui::LParam>(&toolInfo_));
    if (!toolTipTitle_.empty() || toolTipIcon_ != 0)
        ws.sendMessage(tooltip_, gui::TTM_SETTITLEA, gui::WParam(toolTipIcon_),
                       reinterpret_cast<gui::LParam>(toolTipTitle_.c_str()));
    // Colour 0 (black) leaves the system's colour.
    if (toolTipForeColor_ != 0)
        ws.sendMessage(tooltip_, gui::TTM_SETTIPTEXTCOLOR, TranslateColor(toolTipForeColor_), 0);
    if (toolTipBackColor_ != 0)
        ws.sendMessage(tooltip_, gui::TTM_SETTIPBKCOLOR, TranslateColor(toolTipBackColor_), 0);
}

void isButton::RemoveToolTip() {
    Extender().ToolTipText(toolTipText_);
    tipTextTaken_ = false;
    gui::WindowSystem& ws = gui::windows();
    if (tooltip_ == 0) return;
    if (ws.isWindow(tooltip_)) {
        ws.sendMessage(tooltip_, gui::TTM_DELTOOLA, 0, reinterpret_cast<gui::LParam>(&toolInfo_));
        ws.destroyWindow(tooltip_);
    }
    tooltip_ = 0;
}

}  // namespace qv::controls
