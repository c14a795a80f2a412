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
    const HWnd top = topLevelOf(hwnd);
    const Rect topRect = windowRect(top);
    gfx::Region area;
    bool first = true;
    for (auto a = w; a; a = find(a->parent)) {
        Rect r = windowRect(a->handle);
        r = Rect{r.left - topRect.left, r.top - topRect.top, r.right - topRect.left, r.bottom - topRect.top};
        gfx::Region part = gfx::Region::rect(r);
        if (a->region) {
            gfx::Region shape = *a->region;
            shape.offset(r.left, r.top);
            part = intersectRegions(part, shape);
        }
        area = first ? part : intersectRegions(area, part);
        first = false;
        if (a->parent == 0) break;
    }
    return area;
}

bool WindowSystem::invalidateRect(HWnd hwnd, const Rect* rect) {
    auto w = find(hwnd);
    if (!w) return false;
    auto top = find(topLevelOf(hwnd));
    if (!top) return false;
    gfx::Region area = visibleArea(hwnd);
    if (rect) {
        const Rect at = windowRect(hwnd), topAt = windowRect(top->handle);
        const int dx = at.left - topAt.left, dy = at.top - topAt.top;
        area = intersectRegions(area, gfx::Region::rect(rect->left + dx, rect->top + dy, rect->right + dx,
                                                        rect->bottom + dy));
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
    paintTree(find(top.handle), area);
    if (observer_ && isWindow(top.handle)) observer_->surfaceChanged(top.handle, area);
}

void WindowSystem::paintTree(const std::shared_ptr<Window>& w, const gfx::Region& area) {
    if (!w || !(w->style & WS_VISIBLE) || !isWindow(w->handle)) return;
    const gfx::Region own = intersectRegions(visibleArea(w->handle), area);
    if (own.isEmpty()) return;
    w->paintArea = own;
    sendMessage(w->handle, WM_PAINT);
    w->paintArea.reset();
    // Children are kept top first; the lowest paints first so the ones above cover it.
    const std::vector<HWnd> kids = w->children;
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) paintTree(find(*it), own);
}

gfx::DeviceContext WindowSystem::beginPaint(HWnd hwnd, gfx::Region* area) {
    auto w = find(hwnd);
    auto top = find(topLevelOf(hwnd));
    if (!w || !top || !top->surface) {
        if (area) *area = gfx::Region();
        return gfx::DeviceContext(nowhere());
    }
    gfx::DeviceContext dc(*top->surface);
    const Rect at = windowRect(hwnd), topAt = windowRect(top->handle);
    const gfx::Point origin{at.left - topAt.left, at.top - topAt.top};
    gfx::Region clip = w->paintArea ? *w->paintArea : visibleArea(hwnd);
    dc.setOrigin(origin);
    if (area) {
        *area = clip;
        area->offset(-origin.x, -origin.y);
    }
    dc.setClip(std::move(clip));
    return dc;
}

gfx::DeviceContext WindowSystem::getDC(HWnd hwnd) { return beginPaint(hwnd, nullptr); }

void WindowSystem::releaseDC(HWnd hwnd) {
    const HWnd top = topLevelOf(hwnd);
    if (!observer_ || !top || !isVisible(hwnd)) return;
    observer_->surfaceChanged(top, visibleArea(hwnd));
}

}  // namespace qv::gui
