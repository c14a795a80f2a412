// A control's window: made when its form loads, following the control's properties, painted
// with the control's painter, and gone with the form or the control.
#include <algorithm>
#include <any>

#include "platform/forms/control.h"
#include "platform/forms/drawing.h"
#include "platform/forms/form.h"
#include "platform/forms/window_object.h"
#include "platform/forms/windowless_paint.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

// The pointer a MousePointer value names; 0 takes the container's.
int cursorOf(int mousePointer) {
    switch (mousePointer) {
        case 1: return gui::IDC_ARROW;
        case 2: return gui::IDC_CROSS;
        case 3: return gui::IDC_IBEAM;
        case 5:
        case 15: return gui::IDC_SIZEALL;
        case 11:
        case 13: return gui::IDC_WAIT;
        case 99: return gui::IDC_HAND;
        default: return 0;
    }
}

gfx::Rect unite(const gfx::Rect& a, const gfx::Rect& b) {
    if (a.isEmpty()) return b;
    if (b.isEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

gfx::Rect shifted(gfx::Rect r, int dx, int dy) { return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy}; }

}  // namespace

gfx::Rect Control::pixelRect() const {
    const int l = formLeft(), t = formTop();
    return {twipsToPixels(l), twipsToPixels(t), twipsToPixels(l + Width()), twipsToPixels(t + Height())};
}

gui::Insets Control::frameInsets() const {
    const int x = clientOffsetX() / kTwipsPerPixel, y = clientOffsetY() / kTwipsPerPixel;
    return gui::Insets{x, y, x, x};
}

gui::HWnd Control::containerWindow() const { return container_ ? container_->hWnd() : form_->clientWindow(); }

gui::HWnd Control::hostWindow() const { return windowed() ? hwnd_ : containerWindow(); }

// Places are rounded to pixels in the form's client area, so a control lies where it would
// with no containers between it and the form.
gfx::Rect Control::placement() const {
    gfx::Rect r = pixelRect();
    if (container_ == nullptr) return r;
    const gfx::Rect c = container_->pixelRect();
    const gui::Insets in = container_->frameInsets();
    return shifted(r, c.left + in.left, c.top + in.top);
}

gfx::Rect Control::hostRect() const {
    const gfx::Rect p = placement();
    if (!windowed()) return p;
    return {0, 0, p.right - p.left, p.bottom - p.top};
}

void Control::attachWindow() {
    if (hwnd_ != 0) return;
    if (container_ != nullptr) container_->attachWindow();
    if (!windowed()) {
        syncToolTip();  // a windowless control's tip is a tool of its container's window
        return;
    }
    const gui::HWnd parent = containerWindow();
    if (parent == 0) return;
    gui::WindowSystem& ws = gui::windows();
    const std::string cls = "Qv" + std::string(kind());
    if (!ws.isClassRegistered(cls)) ws.registerClass(gui::WindowClass{cls, forwardToObject<Control>});
    gui::CreateParams p;
    p.className = cls;
    p.text = name_;
    p.style = gui::WS_CHILD;
    if (form_->ownsWindow()) p.style |= gui::WS_TABSTOP;  // a user control's inside is no tab stop of the host
    p.parent = parent;
    p.id = index_ + 1;
    hwnd_ = createWindowFor<Control>(this, p, placement());
    if (hwnd_ == 0) return;
    appliedCursor_ = -1;
    ws.setFrameInsets(hwnd_, frameInsets());
    syncWindow();
    syncToolTip();
}

void Control::destroyWindow() {
    const gui::HWnd h = hwnd_;
    hwnd_ = 0;
    gui::WindowSystem& ws = gui::windows();
    if (tipWindow_ != 0 && ws.isWindow(tipWindow_) && ws.isWindow(tipTool_)) {
        gui::ToolInfo info;
        info.hwnd = tipTool_;
        info.id = tipId_;
        ws.sendMessage(tipWindow_, gui::TTM_DELTOOLA, 0, reinterpret_cast<gui::LParam>(&info));
    }
    tipWindow_ = tipTool_ = 0;
    if (h == 0 || windowObject<Control>(ws, h) != this) return;
    *ws.classData(h) = std::any{};  // nothing reaches this control while its window goes
    ws.destroyWindow(h);
}

void Control::syncWindow() {
    if (hwnd_ == 0) return;
    gui::WindowSystem& ws = gui::windows();
    const gfx::Rect want = placement();
    const gfx::Rect now = ws.placement(hwnd_);
    if (now != want) ws.moveWindow(hwnd_, want.left, want.top, want.right - want.left, want.bottom - want.top);
    // Visibility through the containers is the window system's; the tab page is the control's.
    bool show = Visible();
    if (container_ != nullptr && tabPage_ >= 0 && container_->activePage() != tabPage_) show = false;
    const std::uint32_t style = ws.style(hwnd_);
    if (((style & gui::WS_VISIBLE) != 0) != show) ws.showWindow(hwnd_, show);
    if (((style & gui::WS_DISABLED) == 0) != Enabled()) ws.enableWindow(hwnd_, Enabled());
    if (ws.tabIndex(hwnd_) != TabIndex()) ws.setTabIndex(hwnd_, TabIndex());
    if (appliedCursor_ != cursorOf(MousePointer())) {
        appliedCursor_ = cursorOf(MousePointer());
        ws.setWindowCursor(hwnd_, appliedCursor_);
    }
    if (isContainer() && (now.left != want.left || now.top != want.top)) syncContents();
}

void Control::syncContents() {
    for (Control* c : std::vector<Control*>(form_->Controls())) {
        if (c->Container() != this) continue;
        c->syncWindow();
        if (!c->windowed()) c->invalidate();
    }
}

void Control::invalidateWindow() {
    if (hwnd_ != 0 && !painting_) gui::windows().invalidate(hwnd_);
}

void Control::changed() {
    ++changes_;
    if (painting_) return;
    if (hwnd_ != 0) syncWindow();
    syncToolTip();
    invalidate();
}

void Control::invalidate() {
    gui::WindowSystem& ws = gui::windows();
    if (hwnd_ != 0) {
        ws.invalidate(hwnd_);
        return;
    }
    if (windowed()) return;
    const gui::HWnd host = containerWindow();
    if (host == 0) return;
    const gfx::Rect now = shownAtRunTime() && shownOnForm() ? paintBounds() : gfx::Rect{};
    const gfx::Rect area = unite(lastHostRect_, now);
    lastHostRect_ = now;
    if (!area.isEmpty()) ws.invalidateRect(host, &area);
}

void Control::syncToolTip() {
    if (tipWindow_ == 0 && ToolTipText().empty()) return;
    gui::WindowSystem& ws = gui::windows();
    const gui::HWnd tool = hostWindow();
    const gfx::Rect rect = windowed() ? ws.clientRect(tool) : hostRect();
    const bool wanted = !ToolTipText().empty() && tool != 0 && shownAtRunTime();
    const bool same = wanted && tool == tipTool_ && ToolTipText() == tipText_ && rect == tipRect_ &&
                      ws.isWindow(tipWindow_);
    if (same) return;
    gui::ToolInfo info;
    info.flags = gui::TTF_SUBCLASS;
    if (tipWindow_ != 0 && ws.isWindow(tipWindow_) && ws.isWindow(tipTool_) && tipTool_ != tool) {
        info.hwnd = tipTool_;
        info.id = tipId_;
        ws.sendMessage(tipWindow_, gui::TTM_DELTOOLA, 0, reinterpret_cast<gui::LParam>(&info));
    }
    // A windowed control is the one tool of its window; a windowless one is told apart on its
    // container's window by the control.
    info.id = windowed() ? 0 : reinterpret_cast<std::uintptr_t>(this);
    const gui::HWnd tip = wanted ? form_->topForm().toolTipWindow() : tipWindow_;
    if (tip == 0 || !ws.isWindow(tip) || tool == 0) {
        tipWindow_ = tipTool_ = 0;
        return;
    }
    info.hwnd = tool;
    info.rect = rect;
    info.text = ToolTipText();
    ws.sendMessage(tip, wanted ? gui::TTM_ADDTOOLA : gui::TTM_DELTOOLA, 0, reinterpret_cast<gui::LParam>(&info));
    tipWindow_ = wanted ? tip : 0;
    tipTool_ = wanted ? tool : 0;
    tipId_ = info.id;
    tipText_ = ToolTipText();
    tipRect_ = rect;
}

void Control::paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const { drawPlaceholder(dc, rect, kind(), Name()); }

// WM_NCPAINT draws a control with a frame whole, through the window's device context; WM_PAINT
// draws one without (the same device context then), and the windowless controls it holds.
void Control::paintWindow(gui::HWnd hwnd, bool frame) {
    gui::WindowSystem& ws = gui::windows();
    const bool framed = ws.frameInsets(hwnd) != gui::Insets{};
    if (frame || !framed) {
        gfx::DeviceContext dc = ws.windowDC(hwnd);
        const gfx::Rect r = ws.windowRect(hwnd);
        painting_ = true;
        paint(dc, {0, 0, r.right - r.left, r.bottom - r.top});
        painting_ = false;
    }
    if (frame || !isContainer()) return;
    gfx::DeviceContext dc = ws.beginPaint(hwnd);
    paintWindowless(dc, *form_, this);
}

}  // namespace qv::forms
