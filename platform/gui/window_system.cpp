// Windows, their properties and their places in the z-order.
#include "platform/gui/window_system.h"

#include <unistd.h>

#include <algorithm>

#include "platform/base/text.h"
#include "platform/gui/notification_area.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_observer.h"
#include "platform/gui/window_record.h"

namespace qv::gui {

WindowSystem::WindowSystem() : tray_(std::make_unique<NotificationArea>(*this)) {
    registerTooltipClass(*this);
}

WindowSystem::~WindowSystem() = default;

WindowSystem& windows() {
    static WindowSystem fallback;
    return Service<WindowSystem>::get(fallback);
}

NotificationArea& WindowSystem::notificationArea() { return *tray_; }

bool WindowSystem::registerClass(WindowClass cls) {
    if (cls.name.empty() || isClassRegistered(cls.name)) return false;
    classes_.push_back(std::move(cls));
    return true;
}

bool WindowSystem::isClassRegistered(const std::string& name) const {
    return std::any_of(classes_.begin(), classes_.end(),
                       [&](const WindowClass& c) { return base::equalsNoCase(c.name, name); });
}

std::shared_ptr<WindowSystem::Window> WindowSystem::find(HWnd hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<HWnd>* WindowSystem::siblingList(const Window& w) {
    if (w.parent == 0) return &topLevel_;
    auto p = find(w.parent);
    return p ? &p->children : nullptr;
}

const std::vector<HWnd>* WindowSystem::siblingList(const Window& w) const {
    if (w.parent == 0) return &topLevel_;
    auto p = find(w.parent);
    return p ? &p->children : nullptr;
}

HWnd WindowSystem::createWindow(const CreateParams& p) {
    auto cls = std::find_if(classes_.begin(), classes_.end(), [&](const WindowClass& c) {
        return base::equalsNoCase(c.name, p.className);
    });
    if (cls == classes_.end()) return 0;
    const bool child = (p.style & WS_CHILD) != 0;
    if (child && !isWindow(p.parent)) return 0;
    if (!child && p.parent != 0 && !isWindow(p.parent)) return 0;

    auto w = std::make_shared<Window>();
    w->handle = nextHandle_++;
    w->serial = nextSerial_++;
    w->tabIndex = static_cast<int>(w->serial);
    w->className = cls->name;
    w->text = p.text;
    w->style = p.style;
    w->exStyle = child ? (p.exStyle & ~WS_EX_TOPMOST) : p.exStyle;
    w->id = p.id;
    if (child) {
        w->parent = p.parent;
    } else {
        w->owner = p.parent;
    }
    auto coord = [](int v) { return v == CW_USEDEFAULT ? 0 : v; };
    w->rect = Rect{coord(p.x), coord(p.y), coord(p.x) + std::max(0, coord(p.width)),
                   coord(p.y) + std::max(0, coord(p.height))};
    if (cls->proc) w->proc = std::make_shared<const WndProc>(cls->proc);
    if (!child) {
        w->surface = std::make_unique<gfx::Canvas>(static_cast<int>(w->rect.width()), static_cast<int>(w->rect.height()),
                                                   gfx::sysColour(gfx::kColourButtonFace));
    }
    windows_[w->handle] = w;
    placeInZOrder(*w, HWND_TOP);

    const HWnd h = w->handle;
    if (sendMessage(h, WM_CREATE) == -1) {
        destroyWindow(h);
        return 0;
    }
    if (!isWindow(h)) return 0;
    if (p.style & WS_VISIBLE) invalidate(h);
    notifyTop(*w, change::kCreated | ((p.style & WS_VISIBLE) ? change::kShown : 0));
    return h;
}

void WindowSystem::notifyTop(const Window& w, unsigned changes) {
    if (observer_ && w.parent == 0 && changes != 0) observer_->topLevelChanged(w.handle, changes);
}

void WindowSystem::placeInZOrder(Window& w, HWnd insertAfter) {
    std::vector<HWnd>* list = siblingList(w);
    if (!list) return;
    std::erase(*list, w.handle);
    const bool top = w.parent == 0;
    auto topmostCount = [&] {
        return static_cast<std::size_t>(std::count_if(list->begin(), list->end(), [&](HWnd h) {
            auto o = find(h);
            return o && (o->exStyle & WS_EX_TOPMOST);
        }));
    };
    std::size_t at = 0;
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        if (top) {
            if (insertAfter == HWND_TOPMOST) {
                w.exStyle |= WS_EX_TOPMOST;
            } else {
                w.exStyle &= ~WS_EX_TOPMOST;
            }
        }
        insertAfter = HWND_TOP;
    }
    if (insertAfter == HWND_BOTTOM) {
        if (top) w.exStyle &= ~WS_EX_TOPMOST;
        at = list->size();
    } else if (insertAfter == HWND_TOP) {
        at = (top && !(w.exStyle & WS_EX_TOPMOST)) ? topmostCount() : 0;
    } else {
        auto it = std::find(list->begin(), list->end(), insertAfter);
        if (it == list->end()) {
            at = (top && !(w.exStyle & WS_EX_TOPMOST)) ? topmostCount() : 0;
        } else {
            at = static_cast<std::size_t>(it - list->begin()) + 1;
            if (top) {
                // Going just below a window takes that window's band.
                auto o = find(insertAfter);
                if (o->exStyle & WS_EX_TOPMOST) {
                    w.exStyle |= WS_EX_TOPMOST;
                } else {
                    w.exStyle &= ~WS_EX_TOPMOST;
                }
            }
        }
    }
    list->insert(list->begin() + static_cast<std::ptrdiff_t>(std::min(at, list->size())),
                 w.handle);
}

bool WindowSystem::isWindow(HWnd hwnd) const { return hwnd != 0 && windows_.count(hwnd) != 0; }

bool WindowSystem::isDescendantOrSelf(HWnd hwnd, HWnd ancestor) const {
    for (auto w = find(hwnd); w; w = find(w->parent)) {
        if (w->handle == ancestor) return true;
        if (w->parent == 0) break;
    }
    return false;
}

bool WindowSystem::destroyWindow(HWnd hwnd) {
    auto w = find(hwnd);
    if (!w || w->destroying) return false;
    destroyTree(w);
    return true;
}

void WindowSystem::destroyTree(const std::shared_ptr<Window>& w) {
    w->destroying = true;
    // Owned windows go first, as they would be left without their owner.
    std::vector<HWnd> owned;
    for (const auto& [h, o] : windows_) {
        if (o->owner == w->handle) owned.push_back(h);
    }
    for (HWnd h : owned) destroyWindow(h);

    if (w->parent != 0 && (w->style & WS_VISIBLE)) invalidateRect(w->parent, nullptr);
    notifyTop(*w, change::kDestroyed);
    w->style &= ~WS_VISIBLE;
    sendMessage(w->handle, WM_DESTROY);
    for (HWnd c : std::vector<HWnd>(w->children)) {
        if (auto cw = find(c); cw && !cw->destroying) destroyTree(cw);
    }
    sendMessage(w->handle, WM_NCDESTROY);
    unlink(*w);
}

void WindowSystem::unlink(Window& w) {
    if (auto* list = siblingList(w)) std::erase(*list, w.handle);
    timers_.killWindow(w.handle);
    tray_->removeWindow(w.handle);
    if (capture_ == w.handle) capture_ = 0;
    if (tracked_ == w.handle) tracked_ = 0;
    if (focus_ == w.handle) focus_ = 0;
    if (active_ == w.handle) active_ = 0;
    if (lastPress_.hwnd == w.handle) lastPress_ = {};
    // Running handlers hold the record through their frames; it goes when they return.
    windows_.erase(w.handle);
}

HWnd WindowSystem::parent(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->parent : 0;
}

HWnd WindowSystem::setParent(HWnd hwnd, HWnd newParent) {
    auto w = find(hwnd);
    if (!w || w->parent == 0 || !isWindow(newParent) || isDescendantOrSelf(newParent, hwnd)) return 0;
    const HWnd old = w->parent;
    if (old == newParent) return old;
    const bool shown = (w->style & WS_VISIBLE) != 0;
    if (shown) invalidateRect(hwnd, nullptr);  // what it covered in its old parent
    if (auto* list = siblingList(*w)) std::erase(*list, hwnd);
    w->parent = newParent;
    placeInZOrder(*w, HWND_TOP);
    if (shown) invalidateRect(hwnd, nullptr);
    return old;
}

HWnd WindowSystem::owner(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->owner : 0;
}

HWnd WindowSystem::topLevelOf(HWnd hwnd) const {
    auto w = find(hwnd);
    while (w && w->parent != 0) w = find(w->parent);
    return w ? w->handle : 0;
}

std::string WindowSystem::className(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->className : std::string();
}

std::string WindowSystem::text(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->text : std::string();
}

bool WindowSystem::setText(HWnd hwnd, const std::string& text) {
    auto w = find(hwnd);
    if (!w) return false;
    if (w->text == text) return true;
    w->text = text;
    notifyTop(*w, change::kText);
    return true;
}

int WindowSystem::controlId(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->id : 0;
}

std::uint32_t WindowSystem::style(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->style : 0;
}

bool WindowSystem::setStyle(HWnd hwnd, std::uint32_t style) {
    auto w = find(hwnd);
    if (!w) return false;
    if (w->style == style) return true;
    w->style = style;
    notifyTop(*w, change::kStyle);
    return true;
}

std::uint32_t WindowSystem::exStyle(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->exStyle : 0;
}

bool WindowSystem::setExStyle(HWnd hwnd, std::uint32_t exStyle) {
    auto w = find(hwnd);
    if (!w) return false;
    const bool wasTopmost = w->exStyle & WS_EX_TOPMOST;
    w->exStyle = w->parent ? (exStyle & ~WS_EX_TOPMOST) : exStyle;
    if (wasTopmost != bool(w->exStyle & WS_EX_TOPMOST)) {
        placeInZOrder(*w, HWND_TOP);
        notifyTop(*w, change::kZOrder);
    }
    notifyTop(*w, change::kStyle);
    return true;
}

std::intptr_t WindowSystem::userData(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->userData : 0;
}

bool WindowSystem::setUserData(HWnd hwnd, std::intptr_t value) {
    auto w = find(hwnd);
    if (!w) return false;
    w->userData = value;
    return true;
}

std::any* WindowSystem::classData(HWnd hwnd) {
    auto w = find(hwnd);
    return w ? &w->classData : nullptr;
}

int WindowSystem::processId(HWnd hwnd) const { return isWindow(hwnd) ? int(::getpid()) : 0; }
int WindowSystem::currentProcessId() { return int(::getpid()); }

std::vector<HWnd> WindowSystem::allWindows() const {
    std::vector<HWnd> out;
    for (const auto& [h, w] : windows_) out.push_back(h);
    return out;
}

Rect WindowSystem::windowRect(HWnd hwnd) const {
    auto w = find(hwnd);
    if (!w) return {};
    Rect r = w->rect;
    for (auto p = find(w->parent); p; p = find(p->parent)) {
        const int dx = p->rect.left + p->insets.left, dy = p->rect.top + p->insets.top;
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
        if (p->parent == 0) break;
    }
    return r;
}

Rect WindowSystem::placement(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->rect : Rect{};
}

Rect WindowSystem::clientRect(HWnd hwnd) const {
    auto w = find(hwnd);
    if (!w) return {};
    const int width = w->rect.right - w->rect.left - w->insets.left - w->insets.right;
    const int height = w->rect.bottom - w->rect.top - w->insets.top - w->insets.bottom;
    return Rect{0, 0, std::max(0, width), std::max(0, height)};
}

bool WindowSystem::setFrameInsets(HWnd hwnd, Insets insets) {
    auto w = find(hwnd);
    if (!w) return false;
    if (w->insets == insets) return true;
    w->insets = insets;
    invalidate(hwnd);
    return true;
}

Insets WindowSystem::frameInsets(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->insets : Insets{};
}

Point WindowSystem::clientToScreen(HWnd hwnd, Point p) const {
    const Rect r = windowRect(hwnd);
    const Insets in = frameInsets(hwnd);
    return Point{p.x + r.left + in.left, p.y + r.top + in.top};
}

Point WindowSystem::screenToClient(HWnd hwnd, Point p) const {
    const Rect r = windowRect(hwnd);
    const Insets in = frameInsets(hwnd);
    return Point{p.x - r.left - in.left, p.y - r.top - in.top};
}

bool WindowSystem::moveWindow(HWnd hwnd, int x, int y, int width, int height) {
    return setWindowPos(hwnd, HWND_TOP, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WindowSystem::setWindowPos(HWnd hwnd, HWnd insertAfter, int x, int y, int width,
                                int height, std::uint32_t flags) {
    auto w = find(hwnd);
    if (!w) return false;
    const Rect old = w->rect;
    Rect r = old;
    if (!(flags & SWP_NOMOVE)) {
        r.right = x + (old.right - old.left);
        r.bottom = y + (old.bottom - old.top);
        r.left = x;
        r.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + std::max(0, width);
        r.bottom = r.top + std::max(0, height);
    }
    const bool moved = r.left != old.left || r.top != old.top;
    const bool sized = r.width() != old.width() || r.height() != old.height();
    // A child leaves its old place for its parent to paint again.
    if (w->parent != 0 && (moved || sized)) invalidateRect(hwnd, nullptr);
    w->rect = r;
    if (w->surface && sized) {
        w->surface->resize(static_cast<int>(r.width()), static_cast<int>(r.height()),
                           gfx::sysColour(gfx::kColourButtonFace));
    }
    unsigned changes = (moved ? change::kMoved : 0) | (sized ? change::kSized : 0);
    if (!(flags & SWP_NOZORDER)) {
        placeInZOrder(*w, insertAfter);
        changes |= change::kZOrder;
        if (w->parent != 0) invalidateRect(hwnd, nullptr);
    }
    if (sized || (moved && w->parent != 0)) invalidateRect(hwnd, nullptr);
    notifyTop(*w, changes);
    if (moved) sendMessage(hwnd, WM_MOVE, 0, makeLParam(r.left, r.top));
    if (sized) {
        sendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                    makeLParam(static_cast<int>(r.width()), static_cast<int>(r.height())));
    }
    if (flags & SWP_SHOWWINDOW) showWindow(hwnd, true);
    if (flags & SWP_HIDEWINDOW) showWindow(hwnd, false);
    return true;
}

bool WindowSystem::isTopmost(HWnd hwnd) const { return exStyle(hwnd) & WS_EX_TOPMOST; }

HWnd WindowSystem::getWindow(HWnd hwnd, int relation) const {
    auto w = find(hwnd);
    if (!w) return 0;
    if (relation == GW_OWNER) return w->owner;
    if (relation == GW_CHILD) return w->children.empty() ? 0 : w->children.front();
    const auto* list = siblingList(*w);
    if (!list || list->empty()) return 0;
    auto it = std::find(list->begin(), list->end(), hwnd);
    switch (relation) {
        case GW_HWNDFIRST: return list->front();
        case GW_HWNDLAST: return list->back();
        case GW_HWNDNEXT: return (it == list->end() || it + 1 == list->end()) ? 0 : *(it + 1);
        case GW_HWNDPREV: return (it == list->end() || it == list->begin()) ? 0 : *(it - 1);
        default: return 0;
    }
}

std::vector<HWnd> WindowSystem::topLevelWindows() const { return topLevel_; }

std::vector<HWnd> WindowSystem::children(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->children : std::vector<HWnd>{};
}

HWnd WindowSystem::findWindow(const std::string& cls, const std::string& text) const {
    for (HWnd h : topLevel_) {
        auto w = find(h);
        if ((cls.empty() || base::equalsNoCase(cls, w->className)) && w->text == text) return h;
    }
    return 0;
}

bool WindowSystem::showWindow(HWnd hwnd, bool show) {
    auto w = find(hwnd);
    if (!w) return false;
    const bool was = w->style & WS_VISIBLE;
    if (was == show) return was;
    if (show) {
        w->style |= WS_VISIBLE;
        invalidate(hwnd);
    } else {
        // What the window covered shows its parent again.
        if (w->parent != 0) invalidateRect(hwnd, nullptr);
        w->style &= ~WS_VISIBLE;
        // Keys must not go on reaching a window no one can see.
        if (focus_ && isDescendantOrSelf(focus_, hwnd)) setFocus(0);
    }
    notifyTop(*w, show ? change::kShown : change::kHidden);
    sendMessage(hwnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
    return was;
}

bool WindowSystem::isVisible(HWnd hwnd) const {
    auto w = find(hwnd);
    if (!w) return false;
    for (; w; w = find(w->parent)) {
        if (!(w->style & WS_VISIBLE)) return false;
        if (w->parent == 0) break;
    }
    return true;
}

bool WindowSystem::enableWindow(HWnd hwnd, bool enable) {
    auto w = find(hwnd);
    if (!w) return false;
    const bool was = !(w->style & WS_DISABLED);
    if (was == enable) return was;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (focus_ && isDescendantOrSelf(focus_, hwnd)) setFocus(0);
        if (capture_ && isDescendantOrSelf(capture_, hwnd)) releaseCapture();
    }
    sendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
    return was;
}

bool WindowSystem::isEnabled(HWnd hwnd) const {
    auto w = find(hwnd);
    if (!w) return false;
    for (; w; w = find(w->parent)) {
        if (w->style & WS_DISABLED) return false;
        if (w->parent == 0) break;
    }
    return true;
}

bool WindowSystem::setWindowRegion(HWnd hwnd, std::optional<WindowRegion> region, bool redraw) {
    auto w = find(hwnd);
    if (!w) return false;
    if (w->parent != 0) invalidateRect(hwnd, nullptr);  // the old shape
    w->region = std::move(region);
    if (redraw || w->parent != 0) invalidate(hwnd);
    notifyTop(*w, change::kRegion);
    return true;
}

const WindowRegion* WindowSystem::windowRegion(HWnd hwnd) const {
    auto w = find(hwnd);
    return (w && w->region) ? &*w->region : nullptr;
}

}  // namespace qv::gui
