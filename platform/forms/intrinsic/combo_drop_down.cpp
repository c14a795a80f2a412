#include "platform/forms/intrinsic/combo_drop_down.h"

#include <algorithm>
#include <any>
#include <string>

#include "platform/forms/drawing.h"
#include "platform/forms/intrinsic/list_rows.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr const char* kListClass = "QvComboList";
constexpr int kRow = ListBox::kRowPixels;
constexpr int kShownRows = 8;
constexpr int kBorder = 1;

struct DropDown {
    ComboBox* combo = nullptr;
    std::weak_ptr<int> life;
    int highlighted = -1;
    int top = 0;           // the first row shown
    bool closing = false;  // being taken down: losing the mouse on the way is no news
    bool dismissed = false;  // pressed outside: hidden, and closed once the button is up
};

std::shared_ptr<DropDown> stateOf(gui::WindowSystem& ws, gui::HWnd h) {
    std::any* data = ws.classData(h);
    auto* p = data ? std::any_cast<std::shared_ptr<DropDown>>(data) : nullptr;
    return p ? *p : nullptr;
}

ComboBox* comboOf(const DropDown& d) { return d.life.expired() ? nullptr : d.combo; }

int shownRows(const ComboBox& combo) { return std::min(combo.ListCount(), kShownRows); }

// The row at a point of the screen, -1 off the rows.
int rowAt(gui::WindowSystem& ws, gui::HWnd h, const DropDown& d, gui::Point p) {
    const ComboBox* combo = comboOf(d);
    const gui::Rect r = ws.windowRect(h);
    if (combo == nullptr || !r.contains(p.x, p.y) || p.y < r.top + kBorder) return -1;
    const int row = d.top + (p.y - r.top - kBorder) / kRow;
    return row < combo->ListCount() && row < d.top + shownRows(*combo) ? row : -1;
}

void highlight(gui::WindowSystem& ws, gui::HWnd h, DropDown& d, int row) {
    const ComboBox* combo = comboOf(d);
    if (combo == nullptr || row == d.highlighted) return;
    d.highlighted = row;
    if (row >= 0) d.top = std::clamp(d.top, row - shownRows(*combo) + 1, row);
    ws.invalidate(h);
}

void paint(gui::WindowSystem& ws, gui::HWnd h, const DropDown& d) {
    gfx::DeviceContext dc = ws.beginPaint(h);
    const ComboBox* combo = comboOf(d);
    const gui::Rect wr = ws.windowRect(h);
    const Rect all{0, 0, static_cast<int>(wr.width()), static_cast<int>(wr.height())};
    dc.fillRect(all, Brush::solid(combo ? colourOf(combo->BackColor()) : sys(gfx::kColourWindow)));
    dc.frameRect(all, Brush::solid(sys(gfx::kColourWindowFrame)));
    if (combo == nullptr) return;
    dc.selectFont(fontOf(combo->Font()));
    const Rect rows{kBorder, kBorder, all.right - kBorder, all.bottom - kBorder};
    paintListRows(dc, rows, combo->ListCount(), d.top, d.highlighted, colourOf(combo->ForeColor()), true, false,
                  [combo](int i) -> const std::string& { return combo->List(i); });
}

// Closes the list; with a row, the box then takes it as the person's choice.
void close(gui::HWnd h, int picked = -1) {
    gui::WindowSystem& ws = gui::windows();
    const std::shared_ptr<DropDown> d = stateOf(ws, h);
    if (!d || d->closing) return;
    d->closing = true;
    if (ws.capture() == h) ws.releaseCapture();
    ws.destroyWindow(h);
    if (ComboBox* combo = comboOf(*d); combo != nullptr && picked >= 0) combo->choose(picked);
}

gui::LResult listProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    const std::shared_ptr<DropDown> d = stateOf(ws, h);
    if (!d) return ws.defWindowProc(h, msg, w, l);
    const gui::Point p = ws.clientToScreen(h, {gui::xOf(l), gui::yOf(l)});
    switch (msg) {
        case gui::WM_PAINT:
            paint(ws, h, *d);
            return 0;
        case gui::WM_CAPTURECHANGED:
            close(h);
            return 0;
        case gui::WM_MOUSEMOVE:
            if (const int row = rowAt(ws, h, *d, p); row >= 0) highlight(ws, h, *d, row);
            return 0;
        case gui::WM_LBUTTONDOWN:
        case gui::WM_RBUTTONDOWN:
        case gui::WM_MBUTTONDOWN:
            // The list keeps the mouse until the button is up, so the release reaches nothing
            // else either.
            if (!ws.windowRect(h).contains(p.x, p.y)) {
                d->dismissed = true;
                ws.showWindow(h, false);
            }
            return 0;
        case gui::WM_RBUTTONUP:
        case gui::WM_MBUTTONUP:
            if (d->dismissed) close(h);
            return 0;
        case gui::WM_LBUTTONUP:
            if (d->dismissed) {
                close(h);
                return 0;
            }
            // The release of the press that opened the list lands on the box: it picks nothing.
            if (const int row = rowAt(ws, h, *d, p); row >= 0) close(h, row);
            return 0;
        case gui::WM_NCDESTROY:
            if (ComboBox* combo = comboOf(*d)) combo->dropDownClosed(h);
            *ws.classData(h) = std::any{};
            return 0;
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

gui::HWnd openComboDropDown(ComboBox& combo, std::weak_ptr<int> life) {
    gui::WindowSystem& ws = gui::windows();
    if (combo.hWnd() == 0 || combo.ListCount() == 0) return 0;
    if (!ws.isClassRegistered(kListClass)) ws.registerClass(gui::WindowClass{kListClass, listProc});
    const gui::Rect box = ws.windowRect(combo.hWnd());
    const int height = shownRows(combo) * kRow + 2 * kBorder;
    const gui::Rect screen = ws.screenArea();
    const bool above = screen.height() > 0 && box.bottom + height > screen.bottom && box.top - height >= screen.top;
    gui::CreateParams cp;
    cp.className = kListClass;
    cp.style = gui::WS_POPUP;
    cp.exStyle = gui::WS_EX_TOPMOST | gui::WS_EX_NOACTIVATE;
    cp.x = box.left;
    cp.y = above ? box.top - height : box.bottom;
    cp.width = static_cast<int>(box.width());
    cp.height = height;
    cp.parent = combo.hWnd();  // owned by the box: it goes with the box's window
    const gui::HWnd h = ws.createWindow(cp);
    if (h == 0) return 0;
    auto d = std::make_shared<DropDown>();
    d->combo = &combo;
    d->life = std::move(life);
    *ws.classData(h) = d;
    highlight(ws, h, *d, combo.ListIndex());
    ws.showWindow(h, true);
    ws.setCapture(h);
    return h;
}

void comboDropDownKey(gui::HWnd list, int keyCode) {
    gui::WindowSystem& ws = gui::windows();
    const std::shared_ptr<DropDown> d = stateOf(ws, list);
    const ComboBox* combo = d ? comboOf(*d) : nullptr;
    if (combo == nullptr) return;
    if (keyCode == gui::VK_ESCAPE) return close(list);
    if (keyCode == gui::VK_RETURN) return close(list, d->highlighted);
    if (keyCode == gui::VK_UP) highlight(ws, list, *d, std::max(0, d->highlighted - 1));
    if (keyCode == gui::VK_DOWN) highlight(ws, list, *d, std::min(combo->ListCount() - 1, d->highlighted + 1));
}

void closeComboDropDown(gui::HWnd list) { close(list); }

}  // namespace qv::forms
