#include "platform/present/popup_menu_window.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gfx/device_context.h"
#include "platform/present/dialog_window.h"
#include "platform/present/menu_render.h"
#include "platform/present/modal_loop.h"

namespace qv::present {
namespace {

struct PopupState {
    forms::Menu* menu = nullptr;
    int highlighted = 0;
    bool done = false;
    forms::Menu* chosen = nullptr;
};

PopupState* stateOf(gui::WindowSystem& ws, gui::HWnd h) { return classState<PopupState>(ws, h); }

// The visible entry at a client point, 0 for none.
int entryAt(gui::WindowSystem& ws, gui::HWnd h, const PopupState& st, gui::LParam l) {
    const int x = gui::xOf(l), y = gui::yOf(l);
    if (!ws.clientRect(h).contains(x, y)) return 0;
    return menuEntryAt(*st.menu, y);
}

forms::Menu* visibleEntry(const forms::Menu& menu, int n) {
    int i = 0;
    for (forms::Menu* m : menu.entries())
        if (m->Visible() && ++i == n) return m;
    return nullptr;
}

gui::LResult popupProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    PopupState* st = stateOf(ws, h);
    if (!st) return ws.defWindowProc(h, msg, w, l);
    switch (msg) {
        case gui::WM_PAINT: {
            gfx::DeviceContext dc = ws.beginPaint(h);
            const gfx::Canvas look = renderMenu(*st->menu, st->highlighted);
            dc.bitBlt(0, 0, look.width(), look.height(), look, 0, 0);
            return 0;
        }
        case gui::WM_MOUSEMOVE: {
            const int at = entryAt(ws, h, *st, l);
            if (at != st->highlighted) {
                st->highlighted = at;
                ws.invalidate(h);
            }
            return 0;
        }
        case gui::WM_LBUTTONDOWN:
        case gui::WM_RBUTTONDOWN:
            // A press outside the menu closes it; inside, the release decides.
            if (!ws.clientRect(h).contains(gui::xOf(l), gui::yOf(l))) st->done = true;
            return 0;
        case gui::WM_LBUTTONUP:
        case gui::WM_RBUTTONUP: {
            const int at = entryAt(ws, h, *st, l);
            if (at == 0) return 0;  // the release of the press that opened it, elsewhere
            forms::Menu* m = visibleEntry(*st->menu, at);
            if (m && m->Enabled() && !m->isSeparator() && m->entries().empty()) {
                st->chosen = m;
                st->done = true;
            }
            return 0;
        }
        case gui::WM_CAPTURECHANGED:
            if (gui::HWnd(l) != h) st->done = true;
            return 0;
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

forms::Menu* trackPopupMenu(gui::WindowSystem& ws, forms::Menu& menu, gfx::Point at, const gfx::Rect& screen) {
    const gfx::Canvas look = renderMenu(menu);
    if (look.width() == 0) return nullptr;
    registerOnce(ws, kPopupMenuClass, popupProc);
    // Opens to the lower right of the pointer, or to the other side where the screen ends.
    int x = at.x, y = at.y;
    if (x + look.width() > screen.right) x = std::max<int>(screen.left, x - look.width());
    if (y + look.height() > screen.bottom) y = std::max<int>(screen.top, y - look.height());
    auto state = std::make_shared<PopupState>();
    state->menu = &menu;
    gui::CreateParams p = placedAt(kPopupMenuClass, {x, y, x + look.width(), y + look.height()});
    p.style = gui::WS_POPUP;
    p.exStyle = gui::WS_EX_NOACTIVATE | gui::WS_EX_TOPMOST | gui::WS_EX_TOOLWINDOW;
    const gui::HWnd popup = ws.createWindow(p);
    if (!popup) return nullptr;
    *ws.classData(popup) = state;
    ws.showWindow(popup, true);
    ws.setCapture(popup);
    runNested(ws, popup, [&] { return state->done; });
    if (ws.capture() == popup) ws.releaseCapture();
    ws.destroyWindow(popup);
    return state->chosen;
}

}  // namespace qv::present
