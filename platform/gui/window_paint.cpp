// Surfaces of top-level windows, the marks of what to repaint, and WM_PAINT in z-order.
#include <algorithm>

#include "platform/gfx/colour.h"
#include "platform/gui/window_observer.h"
#include "platform/gui/window_record.h"
#include "platform/gui/window_system.h"

namespace qv::gui {
namespace {

gfx::Region intersectRegions(const gfx::Region& a, const gfx::Region& b) {
    return gfx::Region::combine(a, b, gfx::CombineMode::And);
}

gfx::Region unite(const gfx::Region& a, const gfx::Region& b) {
    return gfx::Region::combine(a, b, gfx::CombineMode::Or);
}

// What a device context draws on when its window is gone: nothing, as the canvas is empty.
gfx::Canvas& nowhere() {
    static gfx::Canvas empty;
    return empty;
}

}  // namespace

const gfx::Canvas* WindowSystem::surface(HWnd top) const {
    auto w = find(top);
    return (w && w->parent == 0) ? w->surface.get() : nullptr;
}

gfx::Region WindowSystem::visibleArea(HWnd hwnd) const {
    auto w = find(hwnd);
    if (!w) return {};
    const Rect topRect = windowRect(topLevelOf(hwnd));
    gfx::Region area;
    bool first = true;
    for (auto a = w; a; a = find(a->parent)) {
        // The window itself shows whole; its parents only their client areas.
        const Rect at = windowRect(a->handle);
        Rect r{at.left - topRect.left, at.top - topRect.top, at.right - topRect.left, at.bottom - topRect.top};
        gfx::Region part = gfx::Region::rect(r);
        if (a->region) {
            gfx::Region shape = *a->region;
            shape.offset(r.left, r.top);
            part = intersectRegions(part, shape);
        }
        if (!first) {
            const Insets& in = a->insets;
            part = intersectRegions(part, gfx::Region::rect(r.left + in.left, r.top + in.top, r.right - in.right,
                                                            r.bottom - in.bottom));
        }
        area = first ? part : intersectRegions(area, part);
        first = false;
        if (a->parent == 0) break;
    }
    return area;
}

gfx::Point WindowSystem::clientOrigin(const Window& w) const {
    const Rect at = windowRect(w.handle), topAt = windowRect(topLevelOf(w.handle));
    return {at.left - topAt.left + w.insets.left, at.top - topAt.top + w.insets.top};
}

bool WindowSystem::invalidateRect(HWnd hwnd, const Rect* rect) {
    auto w = find(hwnd);
    if (!w) return false;
    auto top = find(topLevelOf(hwnd));
    if (!top) return false;
    gfx::Region area = visibleArea(hwnd);
    if (rect) {
        const gfx::Point o = clientOrigin(*w);
        area = intersectRegions(area, gfx::Region::rect(rect->left + o.x, rect->top + o.y, rect->right + o.x,
                                                        rect->bottom + o.y));
    }
    top->dirty = unite(top->dirty, area);
    return true;
}

bool WindowSystem::updateWindow(HWnd hwnd) {
    auto top = find(topLevelOf(hwnd));
    if (!top) return false;
    paintTop(*top);
    return true;
}

void WindowSystem::paintPending() {
    for (HWnd h : std::vector<HWnd>(topLevel_)) {
        if (auto w = find(h)) paintTop(*w);
    }
}

void WindowSystem::paintTop(Window& top) {
    if (top.dirty.isEmpty() || !(top.style & WS_VISIBLE) || !top.surface) return;
    // Taken before the handlers run, which may mark more for the next pass.
    const gfx::Region area = top.dirty;
    top.dirty = gfx::Region();
    paintArea(top, area);
}

void WindowSystem::paintArea(Window& top, const gfx::Region& area) {
    paintTree(find(top.handle), area);
    if (observer_ && isWindow(top.handle) && (top.style & WS_VISIBLE)) observer_->surfaceChanged(top.handle, area);
}

bool WindowSystem::printWindow(HWnd hwnd) {
    auto top = find(hwnd);
    if (!top || top->parent != 0 || !top->surface) return false;
    top->dirty = gfx::Region();
    const Rect r = top->rect;
    paintArea(*top, gfx::Region::rect(0, 0, r.right - r.left, r.bottom - r.top));
    return true;
}

void WindowSystem::paintTree(const std::shared_ptr<Window>& w, const gfx::Region& area) {
    // A top-level window is painted whether it shows or not: paintTop asks only of shown
    // ones, printWindow of any.
    if (!w || (w->parent != 0 && !(w->style & WS_VISIBLE)) || !isWindow(w->handle)) return;
    const gfx::Region own = intersectRegions(visibleArea(w->handle), area);
    if (own.isEmpty()) return;
    w->paintArea = own;
    if (w->insets != Insets{}) sendMessage(w->handle, WM_NCPAINT);
    sendMessage(w->handle, WM_PAINT);
    if (auto still = find(w->handle)) still->paintArea.reset();
    // Children are kept top first; the lowest paints first so the ones above cover it.
    const std::vector<HWnd> kids = w->children;
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) paintTree(find(*it), own);
}

gfx::DeviceContext WindowSystem::paintDC(HWnd hwnd, bool client, gfx::Region* area) {
    auto w = find(hwnd);
    auto top = find(topLevelOf(hwnd));
    if (!w || !top || !top->surface) {
        if (area) *area = gfx::Region();
        return gfx::DeviceContext(nowhere());
    }
    gfx::DeviceContext dc(*top->surface);
    gfx::Region clip = w->paintArea ? *w->paintArea : visibleArea(hwnd);
    gfx::Point origin = clientOrigin(*w);
    if (client) {
        const Rect c = clientRect(hwnd);
        clip = intersectRegions(clip, gfx::Region::rect(origin.x, origin.y, origin.x + c.right, origin.y + c.bottom));
    } else {
        origin = {origin.x - w->insets.left, origin.y - w->insets.top};
    }
    dc.setOrigin(origin);
    if (area) {
        *area = clip;
        area->offset(-origin.x, -origin.y);
    }
    dc.setClip(std::move(clip));
    return dc;
}

gfx::DeviceContext WindowSystem::beginPaint(HWnd hwnd, gfx::Region* area) { return paintDC(hwnd, true, area); }

gfx::DeviceContext WindowSystem::windowDC(HWnd hwnd) { return paintDC(hwnd, false, nullptr); }

gfx::DeviceContext WindowSystem::getDC(HWnd hwnd) { return paintDC(hwnd, true, nullptr); }

void WindowSystem::releaseDC(HWnd hwnd) {
    const HWnd top = topLevelOf(hwnd);
    if (!observer_ || !top || !isVisible(hwnd)) return;
    observer_->surfaceChanged(top, visibleArea(hwnd));
}

}  // namespace qv::gui
