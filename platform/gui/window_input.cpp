// Mouse and keyboard: hit testing, capture, leave tracking, double clicks, focus and tab order.
#include <algorithm>
#include <cstdlib>

#include "platform/base/clock.h"
#include "platform/gui/window_record.h"
#include "platform/gui/window_observer.h"
#include "platform/gui/window_system.h"

namespace qv::gui {

bool WindowSystem::hitTest(const Window& w, Point screen) const {
    if (!(w.style & WS_VISIBLE)) return false;
    const Rect r = windowRect(w.handle);
    if (!r.contains(screen.x, screen.y)) return false;
    return !w.region || w.region->contains(screen.x - r.left, screen.y - r.top);
}

HWnd WindowSystem::deepestChildAt(const Window& w, Point screen, bool passDisabled) const {
    for (HWnd c : w.children) {
        auto cw = find(c);
        if (!cw || !hitTest(*cw, screen)) continue;
        if (passDisabled && (cw->style & WS_DISABLED)) return w.handle;
        return deepestChildAt(*cw, screen, passDisabled);
    }
    return w.handle;
}

HWnd WindowSystem::inputTarget(Point screen) const {
    for (HWnd h : topLevel_) {
        auto w = find(h);
        if (w && hitTest(*w, screen)) return deepestChildAt(*w, screen, false);
    }
    return 0;
}

HWnd WindowSystem::windowFromPoint(Point screen) const {
    for (HWnd h : topLevel_) {
        auto w = find(h);
        if (w && hitTest(*w, screen)) return deepestChildAt(*w, screen);
    }
    return 0;
}

HWnd WindowSystem::setCapture(HWnd hwnd) {
    const HWnd previous = capture_;
    if (!isWindow(hwnd) || hwnd == capture_) return previous;
    capture_ = hwnd;
    if (observer_) observer_->captureChanged(hwnd);
    if (previous) sendMessage(previous, WM_CAPTURECHANGED, 0, LParam(hwnd));
    return previous;
}

bool WindowSystem::releaseCapture() {
    const HWnd previous = capture_;
    capture_ = 0;
    if (previous && observer_) observer_->captureChanged(0);
    if (previous) sendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

bool WindowSystem::trackMouseLeave(HWnd hwnd) {
    if (!isWindow(hwnd)) return false;
    if (windowFromPoint(cursor_) != hwnd) {
        if (tracked_ == hwnd) tracked_ = 0;
        postMessage(hwnd, WM_MOUSELEAVE);
        return true;
    }
    tracked_ = hwnd;
    return true;
}

bool WindowSystem::cancelMouseLeave(HWnd hwnd) {
    if (tracked_ != hwnd || hwnd == 0) return false;
    tracked_ = 0;
    return true;
}

WParam WindowSystem::mouseKeyState() const {
    WParam k = 0;
    if (buttons_ & 1) k |= MK_LBUTTON;
    if (buttons_ & 2) k |= MK_RBUTTON;
    if (buttons_ & 4) k |= MK_MBUTTON;
    if (keysDown_.count(VK_SHIFT)) k |= MK_SHIFT;
    if (keysDown_.count(VK_CONTROL)) k |= MK_CONTROL;
    return k;
}

// A disabled window takes no mouse input, and neither does its parent in its place.
void WindowSystem::postMouse(HWnd target, MessageId msg) {
    if (!target || !isEnabled(target)) return;
    const Point c = screenToClient(target, cursor_);
    postMessage(target, msg, mouseKeyState(), makeLParam(c.x, c.y));
}

void WindowSystem::mouseMoveTo(Point screen) {
    cursor_ = screen;
    const HWnd under = windowFromPoint(screen);
    if (tracked_ && tracked_ != under) {
        postMessage(tracked_, WM_MOUSELEAVE);
        tracked_ = 0;
    }
    postMouse(capture_ ? capture_ : inputTarget(screen), WM_MOUSEMOVE);
    updateCursor();
}

bool WindowSystem::setWindowCursor(HWnd hwnd, int cursor) {
    auto w = find(hwnd);
    if (!w) return false;
    w->cursor = cursor;
    updateCursor();
    return true;
}

int WindowSystem::windowCursor(HWnd hwnd) const {
    for (auto w = find(hwnd); w; w = find(w->parent)) {
        if (w->cursor != 0) return w->cursor;
        if (w->parent == 0) break;
    }
    return IDC_ARROW;
}

void WindowSystem::updateCursor() {
    const HWnd under = capture_ ? capture_ : windowFromPoint(cursor_);
    const int shape = under ? windowCursor(under) : IDC_ARROW;
    if (shape == cursorShape_) return;
    cursorShape_ = shape;
    if (observer_) observer_->cursorChanged(shape);
}

namespace {
unsigned bitOf(MouseButton b) {
    switch (b) {
        case MouseButton::Left: return 1;
        case MouseButton::Right: return 2;
        case MouseButton::Middle: return 4;
    }
    return 0;
}
// Down, up and double click of each button.
struct ButtonMessages {
    MessageId down, up, dbl;
};
ButtonMessages messagesOf(MouseButton b) {
    switch (b) {
        case MouseButton::Left: return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
        case MouseButton::Right: return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK};
        case MouseButton::Middle: return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK};
    }
    return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK};
}
}  // namespace

void WindowSystem::mouseButtonDown(MouseButton button) {
    buttons_ |= bitOf(button);
    const HWnd target = capture_ ? capture_ : inputTarget(cursor_);
    if (!target) return;
    const std::int64_t now = base::clock().tickMs();
    const LastPress& last = lastPress_;
    const bool isDouble = last.hwnd == target && last.button == button && !last.wasDouble &&
                          now - last.tick <= kDoubleClickMs &&
                          std::abs(cursor_.x - last.at.x) <= kDoubleClickBox &&
                          std::abs(cursor_.y - last.at.y) <= kDoubleClickBox;
    lastPress_ = LastPress{target, button, now, cursor_, isDouble};
    postMouse(target, isDouble ? messagesOf(button).dbl : messagesOf(button).down);
}

void WindowSystem::mouseButtonUp(MouseButton button) {
    buttons_ &= ~bitOf(button);
    postMouse(capture_ ? capture_ : inputTarget(cursor_), messagesOf(button).up);
}

void WindowSystem::mouseWheel(int delta) {
    const HWnd target = focus_ ? focus_ : windowFromPoint(cursor_);
    if (!target || !isEnabled(target)) return;
    const WParam w = (WParam(static_cast<std::uint16_t>(delta)) << 16) | mouseKeyState();
    postMessage(target, WM_MOUSEWHEEL, w, makeLParam(cursor_.x, cursor_.y));
}

namespace {
// The character a key types, 0 for none.
int charOf(int vk, bool shift) {
    if (vk == VK_SPACE || vk == VK_RETURN || vk == VK_TAB || vk == VK_BACK || vk == VK_ESCAPE)
        return vk;
    if (vk >= 'A' && vk <= 'Z') return shift ? vk : vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9') return vk;
    return 0;
}
}  // namespace

void WindowSystem::keyDown(int vk, bool translate) {
    keysDown_.insert(vk);
    const HWnd target = focus_ ? focus_ : active_;
    if (!target) {
        keyState_.insert(vk);
        return;
    }
    postMessage(target, WM_KEYDOWN, WParam(vk), 1);
    if (!translate) return;
    if (int c = charOf(vk, keysDown_.count(VK_SHIFT) != 0)) postMessage(target, WM_CHAR, WParam(c), 1);
}

void WindowSystem::typeChar(unsigned char c) {
    const HWnd target = focus_ ? focus_ : active_;
    if (target) postMessage(target, WM_CHAR, WParam(c), 1);
}

void WindowSystem::setKeyState(int vk, bool down) {
    if (down) {
        keysDown_.insert(vk);
        keyState_.insert(vk);
    } else {
        keysDown_.erase(vk);
        keyState_.erase(vk);
    }
}

void WindowSystem::keyUp(int vk) {
    keysDown_.erase(vk);
    const HWnd target = focus_ ? focus_ : active_;
    if (!target) {
        keyState_.erase(vk);
        return;
    }
    postMessage(target, WM_KEYUP, WParam(vk), LParam(0xC0000001u));
}

void WindowSystem::keyPress(int vk) {
    keyDown(vk);
    keyUp(vk);
}

HWnd WindowSystem::setFocus(HWnd hwnd) {
    const HWnd previous = focus_;
    if (hwnd == 0) {
        focus_ = 0;
        if (previous) sendMessage(previous, WM_KILLFOCUS, 0, 0);
        return previous;
    }
    if (!isWindow(hwnd) || !isVisible(hwnd) || !isEnabled(hwnd)) return 0;
    if (hwnd == previous) return previous;
    const HWnd top = topLevelOf(hwnd);
    focus_ = hwnd;
    if (previous) sendMessage(previous, WM_KILLFOCUS, WParam(hwnd), 0);
    if (focus_ == hwnd) sendMessage(hwnd, WM_SETFOCUS, WParam(previous), 0);
    if (active_ != top) activate(top);
    return previous;
}

void WindowSystem::activate(HWnd top) {
    const HWnd previous = active_;
    if (previous == top) return;
    active_ = top;
    if (auto w = find(top)) notifyTop(*w, change::kActivated);
    if (previous) sendMessage(previous, WM_ACTIVATE, WA_INACTIVE, LParam(top));
    sendMessage(top, WM_ACTIVATE, WA_ACTIVE, LParam(previous));
}

bool WindowSystem::setForegroundWindow(HWnd hwnd) {
    const HWnd top = topLevelOf(hwnd);
    auto w = find(top);
    if (!w) return false;
    placeInZOrder(*w, HWND_TOP);
    notifyTop(*w, change::kZOrder);
    activate(top);
    if (!focus_ || topLevelOf(focus_) != top) setFocus(top);
    return true;
}

bool WindowSystem::setTabIndex(HWnd hwnd, int index) {
    auto w = find(hwnd);
    if (!w) return false;
    w->tabIndex = index;
    return true;
}

int WindowSystem::tabIndex(HWnd hwnd) const {
    auto w = find(hwnd);
    return w ? w->tabIndex : 0;
}

HWnd WindowSystem::nextTabStop(HWnd from, bool previous) const {
    const HWnd top = topLevelOf(from);
    if (!top) return 0;
    std::vector<std::shared_ptr<Window>> stops;
    std::vector<HWnd> pending{top};
    while (!pending.empty()) {
        auto w = find(pending.back());
        pending.pop_back();
        if (!w) continue;
        for (HWnd c : w->children) pending.push_back(c);
        if (w->handle != top && (w->style & WS_TABSTOP) && isVisible(w->handle) &&
            isEnabled(w->handle))
            stops.push_back(w);
    }
    if (stops.empty()) return 0;
    std::sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) {
        return a->tabIndex != b->tabIndex ? a->tabIndex < b->tabIndex : a->serial < b->serial;
    });
    auto it = std::find_if(stops.begin(), stops.end(),
                           [&](const auto& w) { return w->handle == from; });
    const auto n = static_cast<std::ptrdiff_t>(stops.size());
    if (it == stops.end()) return previous ? stops.back()->handle : stops.front()->handle;
    std::ptrdiff_t i = it - stops.begin();
    i = previous ? (i + n - 1) % n : (i + 1) % n;
    return stops[static_cast<std::size_t>(i)]->handle;
}

}  // namespace qv::gui
