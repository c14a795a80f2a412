#include "platform/forms/runtime.h"

#include <poll.h>

#include <algorithm>
#include <deque>
#include <map>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/base/clock.h"

namespace qv::forms {
namespace {

struct TimerEntry {
    int interval = 0;
    int64_t due = 0;
    bool running = false;
    std::function<void()> onFire;
};

struct State {
    int depth = 0;
    std::vector<Poller*> pollers;
    std::map<TimerId, TimerEntry> timers;
    TimerId nextTimer = 1;
    std::deque<std::function<void()>> posted;
    std::deque<std::function<void()>> releases;
    std::function<void()> idleHook;
};

State& state() {
    static State s;
    return s;
}

int64_t tick() { return base::clock().tickMs(); }

int effectiveInterval(int interval) {
    if (!base::clock().isFake() && interval < 10) return 10;
    return interval;
}

void fireTimer(TimerId id) {
    auto it = state().timers.find(id);
    if (it == state().timers.end() || it->second.running) return;
    it->second.due = tick() + effectiveInterval(it->second.interval);
    it->second.running = true;
    std::function<void()> f = it->second.onFire;
    {
        HandlerScope scope;
        f();
    }
    it = state().timers.find(id);
    if (it != state().timers.end()) it->second.running = false;
}

void fireDueTimers() {
    // Fire in due order; a timer started or restarted by a handler waits for a later pass.
    std::vector<std::pair<int64_t, TimerId>> due;
    const int64_t now = tick();
    for (auto& [id, t] : state().timers)
        if (t.interval > 0 && t.due <= now && !t.running) due.emplace_back(t.due, id);
    std::sort(due.begin(), due.end());
    for (auto& [when, id] : due) {
        auto it = state().timers.find(id);
        if (it == state().timers.end() || it->second.due != when) continue;
        fireTimer(id);
    }
}

void runReleases() {
    while (state().depth == 0 && !state().releases.empty()) {
        auto work = std::move(state().releases.front());
        state().releases.pop_front();
        work();
    }
}

}  // namespace

HandlerScope::HandlerScope() { ++state().depth; }
HandlerScope::~HandlerScope() { --state().depth; }
int handlerDepth() { return state().depth; }

void addPoller(Poller* p) {
    auto& v = state().pollers;
    if (std::find(v.begin(), v.end(), p) == v.end()) v.push_back(p);
}

void removePoller(Poller* p) {
    auto& v = state().pollers;
    v.erase(std::remove(v.begin(), v.end(), p), v.end());
}

TimerId startTimer(int intervalMs, std::function<void()> onFire) {
    TimerId id = state().nextTimer++;
    TimerEntry e;
    e.interval = intervalMs;
    e.due = tick() + effectiveInterval(intervalMs);
    e.onFire = std::move(onFire);
    state().timers.emplace(id, std::move(e));
    return id;
}

void stopTimer(TimerId id) { state().timers.erase(id); }

int64_t timerDue(TimerId id) {
    auto it = state().timers.find(id);
    if (it == state().timers.end() || it->second.interval <= 0) return -1;
    return it->second.due;
}

void stopAllTimers() { state().timers.clear(); }

void post(std::function<void()> work) { state().posted.push_back(std::move(work)); }

void releaseLater(std::function<void()> work) {
    state().releases.push_back(std::move(work));
}

void DoEvents() {
    // Only the work posted before this pass, so work that posts more cannot spin forever.
    size_t n = state().posted.size();
    while (n-- > 0 && !state().posted.empty()) {
        auto work = std::move(state().posted.front());
        state().posted.pop_front();
        HandlerScope scope;
        work();
    }
    std::vector<Poller*> pollers = state().pollers;
    for (Poller* p : pollers) {
        auto& v = state().pollers;
        if (std::find(v.begin(), v.end(), p) != v.end()) p->poll();
    }
    fireDueTimers();
    runReleases();
}

void advance(int64_t ms) {
    auto* fake = dynamic_cast<base::FakeClock*>(&base::clock());
    if (fake == nullptr) throw std::logic_error("advance needs a FakeClock");
    const int64_t target = fake->tickMs() + std::max<int64_t>(ms, 0);
    DoEvents();
    for (;;) {
        int64_t next = -1;
        for (auto& [id, t] : state().timers)
            if (t.interval > 0 && !t.running && (next < 0 || t.due < next)) next = t.due;
        if (next < 0 || next > target) break;
        if (next > fake->tickMs()) fake->advance(next - fake->tickMs());
        DoEvents();
    }
    if (target > fake->tickMs()) fake->advance(target - fake->tickMs());
    DoEvents();
}

void runUntil(const std::function<bool()>& done) {
    while (!done()) {
        DoEvents();
        if (done()) break;
        if (base::clock().isFake()) {
            if (!state().idleHook) throw std::logic_error("a wait that nothing can end");
            auto hook = state().idleHook;
            hook();
            continue;
        }
        // Wait for a socket or the next timer, at most 10 ms, so posted work is never stuck.
        std::vector<pollfd> fds;
        for (Poller* p : state().pollers)
            if (p->waitFd() >= 0) fds.push_back(pollfd{p->waitFd(), p->waitEvents(), 0});
        int wait = 10;
        if (!state().posted.empty()) wait = 0;
        for (auto& [id, t] : state().timers)
            if (t.interval > 0) wait = static_cast<int>(std::clamp<int64_t>(t.due - tick(), 0, wait));
        if (fds.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        else
            ::poll(fds.data(), fds.size(), wait);
    }
}

void setIdleHook(std::function<void()> hook) { state().idleHook = std::move(hook); }

void resetRuntime() {
    auto& s = state();
    s.pollers.clear();
    s.timers.clear();
    s.posted.clear();
    s.releases.clear();
    s.idleHook = nullptr;
}

}  // namespace qv::forms
