#include "platform/forms/runtime.h"

#include <deque>
#include <map>
#include <stdexcept>

#include "platform/base/clock.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr const char* kRuntimeClass = "QvFormsRuntime";
constexpr gui::MessageId kRunPosted = gui::WM_USER + 1;
constexpr gui::MessageId kRunReleases = gui::WM_USER + 2;

struct State {
    int depth = 0;
    gui::WindowSystem* ws = nullptr;  // where `window` was made
    gui::HWnd window = 0;
    std::map<std::uint64_t, std::function<void()>> posted;
    std::uint64_t nextPost = 1;
    std::map<TimerId, std::function<void()>> timers;
    TimerId nextTimer = 1;  // never reused, so a stale id stops nothing of a newer timer
    std::deque<std::function<void()>> releases;
    bool releasePosted = false;
    std::function<void()> idleHook;
};

State& state() {
    static State s;
    return s;
}

void runReleases() {
    State& s = state();
    while (s.depth == 0 && !s.releases.empty()) {
        auto work = std::move(s.releases.front());
        s.releases.pop_front();
        work();
    }
}

gui::LResult runtimeProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    State& s = state();
    if (msg == kRunPosted) {
        auto it = s.posted.find(w);
        if (it == s.posted.end()) return 0;
        std::function<void()> work = std::move(it->second);
        s.posted.erase(it);
        HandlerScope scope;
        work();
        return 0;
    }
    if (msg == kRunReleases) {
        s.releasePosted = false;
        runReleases();
        return 0;
    }
    return gui::windows().defWindowProc(h, msg, w, l);
}

bool ours(gui::WindowSystem& ws) {
    State& s = state();
    return s.ws == &ws && ws.isWindow(s.window) && ws.className(s.window) == kRuntimeClass;
}

// The hidden window of the current window system that carries the runtime's messages and
// timers; a window system of its own (a test's) gets a new one, and what was pending for the
// old one is gone with it.
gui::HWnd runtimeWindow() {
    gui::WindowSystem& ws = gui::windows();
    State& s = state();
    if (ours(ws)) return s.window;
    s.posted.clear();
    s.releasePosted = false;
    if (!ws.isClassRegistered(kRuntimeClass)) ws.registerClass(gui::WindowClass{kRuntimeClass, runtimeProc});
    gui::CreateParams p;
    p.className = kRuntimeClass;
    p.style = gui::WS_POPUP;
    s.window = ws.createWindow(p);
    s.ws = &ws;
    return s.window;
}

void postRelease() {
    State& s = state();
    if (s.releasePosted) return;
    s.releasePosted = gui::windows().postMessage(runtimeWindow(), kRunReleases);
}

void fireTimer(TimerId id) {
    auto it = state().timers.find(id);
    if (it == state().timers.end()) return;
    std::function<void()> f = it->second;  // the handler may stop or restart its own timer
    HandlerScope scope;
    f();
}

}  // namespace

HandlerScope::HandlerScope() { ++state().depth; }
HandlerScope::~HandlerScope() {
    if (--state().depth == 0 && !state().releases.empty()) postRelease();
}
int handlerDepth() { return state().depth; }

TimerId startTimer(int intervalMs, std::function<void()> onFire) {
    State& s = state();
    const TimerId id = s.nextTimer++;
    s.timers.emplace(id, std::move(onFire));
    const auto interval = static_cast<std::uint32_t>(intervalMs > 0 ? intervalMs : 0);
    gui::windows().setTimer(runtimeWindow(), static_cast<std::uintptr_t>(id), interval,
                            [id](gui::HWnd, std::uintptr_t, std::int64_t) { fireTimer(id); });
    return id;
}

void stopTimer(TimerId id) {
    State& s = state();
    if (s.timers.erase(id) == 0) return;
    gui::WindowSystem& ws = gui::windows();
    if (ours(ws)) ws.killTimer(s.window, static_cast<std::uintptr_t>(id));
}

void post(std::function<void()> work) {
    State& s = state();
    const gui::HWnd h = runtimeWindow();
    const std::uint64_t id = s.nextPost++;
    s.posted.emplace(id, std::move(work));
    gui::windows().postMessage(h, kRunPosted, static_cast<gui::WParam>(id));
}

void releaseLater(std::function<void()> work) {
    state().releases.push_back(std::move(work));
    if (state().depth == 0) postRelease();
}

void DoEvents() {
    gui::windows().doEvents();
    runReleases();
}

void advance(int64_t ms) {
    if (!base::clock().isFake()) throw std::logic_error("advance needs a FakeClock");
    gui::windows().pumpFor(ms);
    runReleases();
}

void runUntil(const std::function<bool()>& done) {
    std::function<void()> idle = state().idleHook;
    if (!idle) idle = [] { throw std::logic_error("a wait that nothing can end"); };
    gui::windows().runUntil(done, base::clock().isFake() ? idle : std::function<void()>{});
}

void setIdleHook(std::function<void()> hook) { state().idleHook = std::move(hook); }

void resetRuntime() {
    State& s = state();
    gui::WindowSystem& ws = gui::windows();
    if (ours(ws)) ws.destroyWindow(s.window);  // its timers and posted messages go with it
    s.window = 0;
    s.ws = nullptr;
    s.posted.clear();
    s.timers.clear();
    s.releases.clear();
    s.releasePosted = false;
    s.idleHook = nullptr;
}

}  // namespace qv::forms
