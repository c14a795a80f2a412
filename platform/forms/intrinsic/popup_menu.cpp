#include "platform/forms/intrinsic/popup_menu.h"

#include <any>
#include <memory>

#include "platform/forms/intrinsic/menu_paint.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr const char* kPopupClass = "QvPopupMenu";

struct Popup {
    Menu* menu = nullptr;
    gfx::Canvas look;
    int highlighted = 0;
    bool done = false;
    Menu* picked = nullptr;
};

std::shared_ptr<Popup> popupOf(gui::WindowSystem& ws, gui::HWnd h) {
    std::any* data = ws.classData(h);
    auto* p = data ? std::any_cast<std::shared_ptr<Popup>>(data) : nullptr;
    return p ? *p : nullptr;
}

void highlight(gui::WindowSystem& ws, gui::HWnd h, Popup& p, int entry) {
    if (entry == p.highlighted) return;
    p.highlighted = entry;
    p.look = renderMenu(*p.menu, entry);
    ws.invalidate(h);
}

gui::LResult popupProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    std::shared_ptr<Popup> p = popupOf(ws, h);
    if (!p) return ws.defWindowProc(h, msg, w, l);
    const gui::Rect client = ws.clientRect(h);
    const bool inside = client.contains(gui::xOf(l), gui::yOf(l));
    const int entry = inside ? menuEntryAt(*p->menu, gui::yOf(l)) : 0;
    switch (msg) {
        case gui::WM_PAINT: {
            gfx::DeviceContext dc = ws.beginPaint(h);
            dc.bitBlt(0, 0, p->look.width(), p->look.height(), p->look, 0, 0);
            return 0;
        }
        case gui::WM_MOUSEMOVE:
            highlight(ws, h, *p, entry);
            return 0;
        case gui::WM_LBUTTONDOWN:
        case gui::WM_RBUTTONDOWN:
        case gui::WM_MBUTTONDOWN:
            if (!inside) p->done = true;
            return 0;
        case gui::WM_LBUTTONUP:
        case gui::WM_RBUTTONUP: {
            const std::vector<Menu*> shown = shownEntries(*p->menu);
            if (entry == 0) return 0;
            Menu* m = shown[static_cast<std::size_t>(entry - 1)];
            // Separators, disabled entries and submenus pick nothing.
            if (m->isSeparator() || !m->Enabled() || !m->entries().empty()) return 0;
            p->picked = m;
            p->done = true;
            return 0;
        }
        case gui::WM_CAPTURECHANGED:
            p->done = true;
            return 0;
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

Menu* showPopupMenu(Menu& menu, int x, int y) {
    gui::WindowSystem& ws = gui::windows();
    auto p = std::make_shared<Popup>();
    p->menu = &menu;
    p->look = renderMenu(menu);
    if (p->look.width() == 0) return nullptr;
    if (!ws.isClassRegistered(kPopupClass)) ws.registerClass(gui::WindowClass{kPopupClass, popupProc});
    gui::CreateParams cp;
    cp.className = kPopupClass;
    cp.style = gui::WS_POPUP;
    cp.exStyle = gui::WS_EX_TOPMOST | gui::WS_EX_NOACTIVATE;
    cp.x = x;
    cp.y = y;
    cp.width = p->look.width();
    cp.height = p->look.height();
    const gui::HWnd h = ws.createWindow(cp);
    if (h == 0) return nullptr;
    *ws.classData(h) = p;
    ws.showWindow(h, true);
    ws.setCapture(h);
    ws.runUntil([&] { return p->done || !ws.isWindow(h); });
    if (ws.capture() == h) ws.releaseCapture();
    ws.destroyWindow(h);
    return p->picked;
}

}  // namespace qv::forms
