#include "platform/gui/tooltip.h"

#include <algorithm>
#include <memory>

#include "platform/gui/tooltip_look.h"
#include "platform/gui/window_system.h"

namespace qv::gui {

namespace {

constexpr std::uintptr_t kShowTimer = 1;
constexpr std::uintptr_t kPopTimer = 2;
constexpr std::uintptr_t kLeaveTimer = 3;

std::shared_ptr<TooltipState> stateOf(WindowSystem& ws, HWnd tip) {
    std::any* data = ws.classData(tip);
    if (!data) return nullptr;
    auto* p = std::any_cast<std::shared_ptr<TooltipState>>(data);
    return p ? *p : nullptr;
}

void hide(WindowSystem& ws, HWnd tip, TooltipState& st) {
    ws.killTimer(tip, kShowTimer);
    ws.killTimer(tip, kPopTimer);
    ws.killTimer(tip, kLeaveTimer);
    st.shown.reset();
    ws.showWindow(tip, false);
}

// The index of the tool at the point, if any.
std::optional<std::size_t> toolAt(WindowSystem& ws, const TooltipState& st, Point screen) {
    const HWnd under = ws.windowFromPoint(screen);
    for (std::size_t i = 0; i < st.tools.size(); ++i) {
        const ToolInfo& t = st.tools[i];
        if (t.hwnd != under) continue;
        const Point c = ws.screenToClient(t.hwnd, screen);
        if (t.rect.contains(c.x, c.y)) return i;
    }
    return std::nullopt;
}

TipLook lookOf(WindowSystem& ws, HWnd tip, const TooltipState& st) {
    TipLook look;
    look.title = st.title;
    look.icon = st.titleIcon;
    look.text = st.tools[*st.shown].text;
    look.balloon = (ws.style(tip) & TTS_BALLOON) != 0;
    if (st.textColor) look.textColour = gfx::translateColour(*st.textColor);
    if (st.backColor) look.backColour = gfx::translateColour(*st.backColor);
    return look;
}

// Watches a tool window's pointer for the tooltip `tip`.
LResult watchTool(HWnd hwnd, MessageId msg, WParam w, LParam l, std::uintptr_t id,
                  std::intptr_t) {
    WindowSystem& ws = windows();
    const HWnd tip = static_cast<HWnd>(id);
    if (auto st = stateOf(ws, tip)) {
        switch (msg) {
            case WM_MOUSEMOVE: {
                const auto at = toolAt(ws, *st, ws.cursorPos());
                if (!at) {
                    hide(ws, tip, *st);
                } else if (at != st->shown) {
                    // Onto another tool: its own tip after the pointer rests on it.
                    if (st->shown) hide(ws, tip, *st);
                    ws.setTimer(tip, kShowTimer, kTooltipInitialMs);  // restarts while moving
                }
                break;
            }
            case WM_MOUSELEAVE:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                hide(ws, tip, *st);
                break;
            default:
                break;
        }
    }
    return ws.defSubclassProc(hwnd, msg, w, l);
}

LResult tooltipProc(HWnd tip, MessageId msg, WParam w, LParam l) {
    WindowSystem& ws = windows();
    if (msg == WM_CREATE) {
        *ws.classData(tip) = std::make_shared<TooltipState>();
        return 0;
    }
    auto st = stateOf(ws, tip);
    if (!st) return ws.defWindowProc(tip, msg, w, l);
    switch (msg) {
        case TTM_ADDTOOLA: {
            const auto* info = reinterpret_cast<const ToolInfo*>(l);
            if (!info || !ws.isWindow(info->hwnd)) return 0;
            auto it = std::find_if(st->tools.begin(), st->tools.end(), [&](const ToolInfo& t) {
                return t.hwnd == info->hwnd && t.id == info->id;
            });
            if (it != st->tools.end()) {
                *it = *info;
            } else {
                st->tools.push_back(*info);
            }
            if (info->flags & TTF_SUBCLASS)
                ws.setWindowSubclass(info->hwnd, std::uintptr_t(tip), watchTool);
            return 1;
        }
        case TTM_DELTOOLA: {
            const auto* info = reinterpret_cast<const ToolInfo*>(l);
            if (!info) return 0;
            hide(ws, tip, *st);
            std::erase_if(st->tools, [&](const ToolInfo& t) {
                return t.hwnd == info->hwnd && t.id == info->id;
            });
            const bool stillUsed = std::any_of(st->tools.begin(), st->tools.end(),
                                               [&](const ToolInfo& t) { return t.hwnd == info->hwnd; });
            if (!stillUsed) ws.removeWindowSubclass(info->hwnd, std::uintptr_t(tip));
            return 0;
        }
        case TTM_SETTIPBKCOLOR:
            st->backColor = static_cast<std::uint32_t>(w);
            return 0;
        case TTM_SETTIPTEXTCOLOR:
            st->textColor = static_cast<std::uint32_t>(w);
            return 0;
        case TTM_SETTITLEA: {
            const auto* title = reinterpret_cast<const char*>(l);
            st->title = title ? title : "";
            st->titleIcon = static_cast<int>(w);
            return 1;
        }
        case WM_TIMER:
            if (w == kShowTimer) {
                ws.killTimer(tip, kShowTimer);
                if (auto i = toolAt(ws, *st, ws.cursorPos())) {
                    st->shown = *i;
                    st->picture = renderTip(lookOf(ws, tip, *st));
                    const Point p = ws.cursorPos();
                    ws.setWindowPos(tip, HWND_TOP, p.x, p.y + 20, st->picture.width(), st->picture.height(),
                                    SWP_NOACTIVATE | SWP_SHOWWINDOW);
                    ws.setTimer(tip, kPopTimer, kTooltipAutoPopMs);
                    ws.setTimer(tip, kLeaveTimer, kTooltipLeaveCheckMs);
                }
            } else if (w == kPopTimer) {
                hide(ws, tip, *st);
            } else if (w == kLeaveTimer) {
                if (toolAt(ws, *st, ws.cursorPos()) != st->shown) hide(ws, tip, *st);
            }
            return 0;
        case WM_PAINT: {
            gfx::DeviceContext dc = ws.beginPaint(tip);
            dc.bitBlt(0, 0, st->picture.width(), st->picture.height(), st->picture, 0, 0);
            return 0;
        }
        case WM_DESTROY:
            for (const ToolInfo& t : st->tools) ws.removeWindowSubclass(t.hwnd, std::uintptr_t(tip));
            return 0;
        default:
            return ws.defWindowProc(tip, msg, w, l);
    }
}

}  // namespace

void registerTooltipClass(WindowSystem& ws) { ws.registerClass(WindowClass{kTooltipClass, tooltipProc}); }

const TooltipState* tooltipState(WindowSystem& ws, HWnd tooltip) {
    if (ws.className(tooltip) != kTooltipClass) return nullptr;
    return stateOf(ws, tooltip).get();
}

std::optional<std::string> tooltipTextAt(WindowSystem& ws, HWnd tooltip, Point screen) {
    const TooltipState* st = tooltipState(ws, tooltip);
    if (!st) return std::nullopt;
    auto i = toolAt(ws, *st, screen);
    if (!i) return std::nullopt;
    return st->tools[*i].text;
}

}  // namespace qv::gui
