// Window procedures, subclass chains, sent and posted messages, the loop and its timers.
#include <algorithm>
#include <stdexcept>

#include "platform/base/clock.h"
#include "platform/gui/window_record.h"
#include "platform/gui/window_system.h"

namespace qv::gui {

WndProc WindowSystem::windowProc(HWnd hwnd) const {
    auto w = find(hwnd);
    return (w && w->proc) ? *w->proc : WndProc{};
}

WndProc WindowSystem::setWindowProc(HWnd hwnd, WndProc proc) {
    auto w = find(hwnd);
    if (!w) return {};
    WndProc previous = w->proc ? *w->proc : WndProc{};
    // A running copy stays alive in its frame, so replacing from inside a handler is safe.
    w->proc = proc ? std::make_shared<const WndProc>(std::move(proc)) : nullptr;
    return previous;
}

LResult WindowSystem::callWindowProc(const WndProc& proc, HWnd hwnd, MessageId msg, WParam w,
                                     LParam l) {
    if (proc) return proc(hwnd, msg, w, l);
    return windows().defWindowProc(hwnd, msg, w, l);
}

LResult WindowSystem::defWindowProc(HWnd hwnd, MessageId msg, WParam w, LParam) {
    switch (msg) {
        case WM_CLOSE:
            destroyWindow(hwnd);
            return 0;
        case WM_KEYDOWN:
            if (w == WParam(VK_TAB)) {
                HWnd next = nextTabStop(focus_ ? focus_ : hwnd, isKeyDown(VK_SHIFT));
                if (next) setFocus(next);
            }
            return 0;
        default:
            return 0;
    }
}

bool WindowSystem::setWindowSubclass(HWnd hwnd, std::uintptr_t id, SubclassProc proc,
                                     std::intptr_t refData) {
    auto w = find(hwnd);
    if (!w || !proc) return false;
    for (auto& link : w->links) {
        if (link->id == id) {
            // Replaced, not changed, so a message running through the old one finishes with it.
            auto fresh = std::make_shared<SubclassLink>();
            fresh->id = id;
            fresh->proc = std::move(proc);
            fresh->refData = refData;
            link->removed = true;
            link = fresh;
            return true;
        }
    }
    auto link = std::make_shared<SubclassLink>();
    link->id = id;
    link->proc = std::move(proc);
    link->refData = refData;
    w->links.push_back(std::move(link));
    return true;
}

bool WindowSystem::removeWindowSubclass(HWnd hwnd, std::uintptr_t id) {
    auto w = find(hwnd);
    if (!w) return false;
    auto it = std::find_if(w->links.begin(), w->links.end(),
                           [&](const auto& link) { return link->id == id; });
    if (it == w->links.end()) return false;
    (*it)->removed = true;
    w->links.erase(it);
    return true;
}

std::optional<std::intptr_t> WindowSystem::subclassRefData(HWnd hwnd, std::uintptr_t id) const {
    auto w = find(hwnd);
    if (!w) return std::nullopt;
    for (const auto& link : w->links) {
        if (link->id == id) return link->refData;
    }
    return std::nullopt;
}

LResult WindowSystem::runChain(Frame& f, std::size_t from, MessageId msg, WParam w, LParam l) {
    const std::size_t saved = f.position;
    LResult result = 0;
    std::size_t i = from;
    while (i < f.chain.size() && f.chain[i]->removed) ++i;
    if (i < f.chain.size()) {
        std::shared_ptr<SubclassLink> link = f.chain[i];
        f.position = i;
        result = link->proc(f.hwnd, msg, w, l, link->id, link->refData);
    } else {
        f.position = f.chain.size();
        std::shared_ptr<const WndProc> proc = f.window->proc;
        result = proc ? (*proc)(f.hwnd, msg, w, l) : defWindowProc(f.hwnd, msg, w, l);
    }
    f.position = saved;
    return result;
}

LResult WindowSystem::defSubclassProc(HWnd hwnd, MessageId msg, WParam w, LParam l) {
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        Frame& f = **it;
        if (f.hwnd != hwnd) continue;
        // From the window's own procedure there is nothing further down.
        if (f.position >= f.chain.size()) return defWindowProc(hwnd, msg, w, l);
        return runChain(f, f.position + 1, msg, w, l);
    }
    return callWindowProc(windowProc(hwnd), hwnd, msg, w, l);
}

LResult WindowSystem::sendMessage(HWnd hwnd, MessageId msg, WParam w, LParam l) {
    auto win = find(hwnd);
    if (!win) return 0;
    Frame f;
    f.hwnd = hwnd;
    f.window = win;
    f.chain.assign(win->links.rbegin(), win->links.rend());
    frames_.push_back(&f);
    struct Pop {
        std::vector<Frame*>& frames;
        ~Pop() { frames.pop_back(); }
    } pop{frames_};
    return runChain(f, 0, msg, w, l);
}

bool WindowSystem::postMessage(HWnd hwnd, MessageId msg, WParam w, LParam l) {
    if (!isWindow(hwnd)) return false;
    queue_.push_back(Posted{hwnd, msg, w, l, nextSeq_++});
    return true;
}

void WindowSystem::postQuitMessage(int code) {
    quitPosted_ = true;
    exitCode_ = code;
}

void WindowSystem::fireTimers() {
    timers_.fireDue(base::clock().tickMs(), [this](HWnd hwnd, std::uintptr_t id,
                                                   const TimerProc& proc) {
        if (hwnd != 0 && !isWindow(hwnd)) return;
        if (proc) {
            proc(hwnd, id, base::clock().tickMs());
        } else {
            sendMessage(hwnd, WM_TIMER, id, 0);
        }
    });
}

void WindowSystem::doEvents() {
    const std::uint64_t limit = nextSeq_;
    while (!queue_.empty() && queue_.front().seq < limit) {
        Posted m = queue_.front();
        queue_.pop_front();
        if (m.msg == WM_KEYDOWN) keyState_.insert(int(m.w));
        if (m.msg == WM_KEYUP) keyState_.erase(int(m.w));
        sendMessage(m.hwnd, m.msg, m.w, m.l);
    }
    if (!descriptors_.empty()) descriptors_.wait(0);
    paintPending();
    fireTimers();
}

void WindowSystem::waitForWork(std::int64_t ms) {
    bool work = false;
    for (const auto& hook : std::vector<std::pair<int, std::function<bool()>>>(waitHooks_))
        work = hook.second() || work;
    if (work || !queue_.empty()) return;
    descriptors_.wait(static_cast<int>(std::clamp<std::int64_t>(ms, 0, 1000)));
}

void WindowSystem::pumpFor(std::int64_t ms) {
    base::Clock& clock = base::clock();
    const std::int64_t target = clock.tickMs() + std::max<std::int64_t>(0, ms);
    if (auto* fake = dynamic_cast<base::FakeClock*>(&clock)) {
        for (;;) {
            doEvents();
            auto due = timers_.nextDue();
            if (!due || *due > target) break;
            if (*due > fake->tickMs()) fake->advance(*due - fake->tickMs());
        }
        if (fake->tickMs() < target) fake->advance(target - fake->tickMs());
        doEvents();
        return;
    }
    for (;;) {
        doEvents();
        const std::int64_t now = clock.tickMs();
        if (now >= target) break;
        std::int64_t wait = target - now;
        if (auto due = timers_.nextDue()) wait = std::clamp<std::int64_t>(*due - now, 0, wait);
        if (!queue_.empty()) wait = 0;
        if (wait > 0) waitForWork(wait);
    }
}

bool WindowSystem::idleStep(const std::function<void()>& idle) {
    if (!queue_.empty()) return true;
    base::Clock& clock = base::clock();
    auto due = timers_.nextDue();
    const std::int64_t now = clock.tickMs();
    if (auto* fake = dynamic_cast<base::FakeClock*>(&clock)) {
        if (idle) {
            idle();
            return true;
        }
        if (due) {
            if (*due > now) fake->advance(*due - now);
            return true;
        }
        // Only a descriptor can still bring work; it comes in real time.
        if (descriptors_.empty() && waitHooks_.empty()) return false;
        waitForWork(100);
        return true;
    }
    const std::int64_t wait = due ? std::clamp<std::int64_t>(*due - now, 0, 1000) : 1000;
    if (wait > 0) waitForWork(wait);
    return true;
}

int WindowSystem::runMessageLoop() {
    for (;;) {
        doEvents();
        if (quitPosted_) {
            quitPosted_ = false;
            return exitCode_;
        }
        if (!idleStep({})) return -1;
    }
}

void WindowSystem::runUntil(const std::function<bool()>& done, const std::function<void()>& idle) {
    for (;;) {
        if (done() || quitPosted_) return;
        doEvents();
        if (done() || quitPosted_) return;
        if (!idleStep(idle)) throw std::logic_error("a wait that nothing can end");
    }
}

int WindowSystem::watchDescriptor(int fd, short events, DescriptorSet::Ready ready) {
    return descriptors_.add(fd, events, std::move(ready));
}

bool WindowSystem::unwatchDescriptor(int id) { return descriptors_.remove(id); }

bool WindowSystem::setDescriptorEvents(int id, short events) { return descriptors_.setEvents(id, events); }

int WindowSystem::addWaitHook(std::function<bool()> hook) {
    const int id = nextWaitHook_++;
    waitHooks_.emplace_back(id, std::move(hook));
    return id;
}

void WindowSystem::removeWaitHook(int id) {
    std::erase_if(waitHooks_, [&](const auto& h) { return h.first == id; });
}

std::uintptr_t WindowSystem::setTimer(HWnd hwnd, std::uintptr_t id, std::uint32_t intervalMs,
                                      TimerProc proc) {
    if (hwnd != 0 && !isWindow(hwnd)) return 0;
    if (hwnd == 0 && (id == 0 || !timers_.exists(0, id))) id = nextTimerId_++;
    base::Clock& clock = base::clock();
    timers_.set(hwnd, id, intervalMs, clock.tickMs(), !clock.isFake(), std::move(proc));
    return id;
}

bool WindowSystem::killTimer(HWnd hwnd, std::uintptr_t id) { return timers_.kill(hwnd, id); }

}  // namespace qv::gui
