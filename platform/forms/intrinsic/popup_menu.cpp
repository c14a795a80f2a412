#include "platform/forms/intrinsic/popup_menu.h"

#include <any>
#include <memory>
#include <vector>

#include "platform/forms/intrinsic/menu_paint.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr const char* kPopupClass = "QvPopupMenu";

// One open menu of the chain: the popup itself first, then each submenu opened from the one
// before it.
struct Level {
    gui::HWnd window = 0;
    Menu* menu = nullptr;
    gfx::Canvas look;
    int highlighted = 0;
};

// Every window of the chain shares it; the first window keeps the mouse for all of them.
struct Chain {
    std::vector<Level> levels;
    bool done = false;
    Menu* picked = nullptr;
};

std::shared_ptr<Chain> chainOf(gui::WindowSystem& ws, gui::HWnd h) {
    std::any* data = ws.classData(h);
    auto* p = data ? std::any_cast<std::shared_ptr<Chain>>(data) : nullptr;
    return p ? *p : nullptr;
}

gui::LResult popupProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l);

gui::HWnd openWindow(gui::WindowSystem& ws, const std::shared_ptr<Chain>& chain, Menu& menu, int x, int y) {
    Level level;
    level.menu = &menu;
    level.look = renderMenu(menu);
    if (level.look.width() == 0) return 0;
    if (!ws.isClassRegistered(kPopupClass)) ws.registerClass(gui::WindowClass{kPopupClass, popupProc});
    gui::CreateParams cp;
    cp.className = kPopupClass;
    cp.style = gui::WS_POPUP;
    cp.exStyle = gui::WS_EX_TOPMOST | gui::WS_EX_NOACTIVATE;
    cp.x = x;
    cp.y = y;
    cp.width = level.look.width();
    cp.height = level.look.height();
    level.window = ws.createWindow(cp);
    if (level.window == 0) return 0;
    *ws.classData(level.window) = chain;
    chain->levels.push_back(std::move(level));
    ws.showWindow(chain->levels.back().window, true);
    return chain->levels.back().window;
}

// Closes the submenus opened below level `keep`.
void closeBelow(gui::WindowSystem& ws, Chain& chain, std::size_t keep) {
    while (chain.levels.size() > keep + 1) {
        const gui::HWnd h = chain.levels.back().window;
        chain.levels.pop_back();
        ws.destroyWindow(h);
    }
}

Menu* entryOf(const Level& level, int entry) {
    if (entry <= 0) return nullptr;
    const std::vector<Menu*> shown = shownEntries(*level.menu);
    return shown[static_cast<std::size_t>(entry - 1)];
}

bool opensSubmenu(const Menu* m) { return m != nullptr && m->Enabled() && !shownEntries(*m).empty(); }

void highlight(gui::WindowSystem& ws, Level& level, int entry) {
    if (entry == level.highlighted) return;
    level.highlighted = entry;
    level.look = renderMenu(*level.menu, entry);
    ws.invalidate(level.window);
}

// The pointer over an entry of a level: it is highlighted, and its submenu, if it has one, opens
// beside it while any submenu of another entry closes.
void pointAt(gui::WindowSystem& ws, const std::shared_ptr<Chain>& chain, std::size_t at, int entry) {
    highlight(ws, chain->levels[at], entry);
    Menu* m = entryOf(chain->levels[at], entry);
    if (chain->levels.size() > at + 1 && chain->levels[at + 1].menu == m) return;
    closeBelow(ws, *chain, at);
    if (!opensSubmenu(m)) return;
    const gui::Rect r = ws.windowRect(chain->levels[at].window);
    openWindow(ws, chain, *m, r.right - 3, r.top + menuEntryTop(*chain->levels[at].menu, entry) - 3);
}

// The deepest level whose window holds the screen point, with the entry there; false for none.
bool levelAt(gui::WindowSystem& ws, const Chain& chain, gui::Point p, std::size_t& at, int& entry) {
    for (std::size_t i = chain.levels.size(); i > 0; --i) {
        const gui::Rect r = ws.windowRect(chain.levels[i - 1].window);
        if (!r.contains(p.x, p.y)) continue;
        at = i - 1;
        entry = menuEntryAt(*chain.levels[at].menu, p.y - r.top);
        return true;
    }
    return false;
}

gui::LResult popupProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    std::shared_ptr<Chain> chain = chainOf(ws, h);
    if (!chain) return ws.defWindowProc(h, msg, w, l);
    if (msg == gui::WM_PAINT) {
        for (const Level& level : chain->levels) {
            if (level.window != h) continue;
            gfx::DeviceContext dc = ws.beginPaint(h);
            dc.bitBlt(0, 0, level.look.width(), level.look.height(), level.look, 0, 0);
        }
        return 0;
    }
    if (msg == gui::WM_CAPTURECHANGED) {
        chain->done = true;
        return 0;
    }
    // Mouse input comes to the first window, which keeps the mouse; it belongs to the level
    // under the pointer.
    const gui::Point p = ws.clientToScreen(h, {gui::xOf(l), gui::yOf(l)});
    std::size_t at = 0;
    int entry = 0;
    const bool inside = levelAt(ws, *chain, p, at, entry);
    switch (msg) {
        case gui::WM_MOUSEMOVE:
            if (inside) pointAt(ws, chain, at, entry);
            return 0;
        case gui::WM_LBUTTONDOWN:
        case gui::WM_RBUTTONDOWN:
        case gui::WM_MBUTTONDOWN:
            if (!inside) chain->done = true;
            return 0;
        case gui::WM_LBUTTONUP:
        case gui::WM_RBUTTONUP: {
            Menu* m = inside ? entryOf(chain->levels[at], entry) : nullptr;
            // Separators, disabled entries and submenus pick nothing.
            if (m == nullptr || m->isSeparator() || !m->Enabled() || !m->entries().empty()) return 0;
            chain->picked = m;
            chain->done = true;
            return 0;
        }
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

Menu* showPopupMenu(Menu& menu, int x, int y) {
    gui::WindowSystem& ws = gui::windows();
    auto chain = std::make_shared<Chain>();
    const gui::HWnd h = openWindow(ws, chain, menu, x, y);
    if (h == 0) return nullptr;
    ws.setCapture(h);
    ws.runUntil([&] { return chain->done || !ws.isWindow(h); });
    if (ws.capture() == h) ws.releaseCapture();
    closeBelow(ws, *chain, 0);
    ws.destroyWindow(h);
    return chain->picked;
}

}  // namespace qv::forms
