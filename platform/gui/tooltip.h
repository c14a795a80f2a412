#pragma once
// Tooltip windows, class "tooltips_class32": one tool per control window (told apart by the
// window and an id), each with the rectangle of the control it covers and its text; a title
// with an icon, text and back colours; balloon style by TTS_BALLOON. With TTF_SUBCLASS the
// tooltip watches the control's mouse moves and shows the tip after the pointer rests on it;
// the window then takes the size of the tip's picture (tooltip_look.h) and paints it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gui/types.h"

namespace qv::gui {

class WindowSystem;

inline constexpr const char* kTooltipClass = "tooltips_class32";

inline constexpr std::uint32_t TTS_ALWAYSTIP = 0x01;
inline constexpr std::uint32_t TTS_NOPREFIX = 0x02;
inline constexpr std::uint32_t TTS_BALLOON = 0x40;
inline constexpr std::uint32_t TTF_SUBCLASS = 0x10;
inline constexpr std::uint32_t TTF_TRANSPARENT = 0x100;

// lParam: a const ToolInfo*. The tooltip keeps its own copy of the text.
inline constexpr MessageId TTM_ADDTOOLA = 0x0404;
inline constexpr MessageId TTM_DELTOOLA = 0x0405;
// wParam: the colour (&HBBGGRR).
inline constexpr MessageId TTM_SETTIPBKCOLOR = 0x0413;
inline constexpr MessageId TTM_SETTIPTEXTCOLOR = 0x0414;
// wParam: the icon (0 none, 1 information, 2 warning, 3 error); lParam: a const char* title.
inline constexpr MessageId TTM_SETTITLEA = 0x0420;

struct ToolInfo {
    std::uint32_t flags = 0;
    HWnd hwnd = 0;           // the control window
    std::uintptr_t id = 0;
    Rect rect;               // in the control's client coordinates
    std::string text;
};

struct TooltipState {
    std::vector<ToolInfo> tools;
    std::string title;
    int titleIcon = 0;
    std::optional<std::uint32_t> textColor;
    std::optional<std::uint32_t> backColor;
    // The tool whose tip shows now, if any (the window is visible exactly then).
    std::optional<std::size_t> shown;
    // The picture of the tip that shows.
    gfx::Canvas picture;
};

// Milliseconds the pointer rests before a tip shows, and how long it stays.
inline constexpr std::uint32_t kTooltipInitialMs = 500;
inline constexpr std::uint32_t kTooltipAutoPopMs = 5000;
// While a tip shows, how often it checks that the pointer is still on its tool (the control
// sees no message once the pointer has gone elsewhere); it hides when the pointer is not.
inline constexpr std::uint32_t kTooltipLeaveCheckMs = 100;

// Registered by every WindowSystem.
void registerTooltipClass(WindowSystem& ws);

// The state of a tooltip window; nullptr for a window of another class.
const TooltipState* tooltipState(WindowSystem& ws, HWnd tooltip);
// The text of the tool the point (screen coordinates) falls in: the window under the point
// must be the tool's window and the point inside the tool's rectangle.
std::optional<std::string> tooltipTextAt(WindowSystem& ws, HWnd tooltip, Point screen);

}  // namespace qv::gui
