#include "platform/gui/timer_queue.h"

#include <algorithm>

namespace qv::gui {

std::shared_ptr<TimerQueue::Entry> TimerQueue::find(HWnd hwnd, std::uintptr_t id) const {
    for (const auto& e : entries_) {
        if (e->hwnd == hwnd && e->id == id) return e;
    }
    return nullptr;
}

void TimerQueue::set(HWnd hwnd, std::uintptr_t id, std::uint32_t intervalMs, std::int64_t now,
                     bool realClock, TimerProc proc) {
    auto e = find(hwnd, id);
    if (!e) {
        e = std::make_shared<Entry>();
        e->hwnd = hwnd;
        e->id = id;
        e->serial = nextSerial_++;
        entries_.push_back(e);
    }
    std::int64_t period = intervalMs;
    if (period > 0 && realClock) period = std::max(period, kRealClockMinimumMs);
    e->period = period;
    e->due = now + period;
    e->proc = std::move(proc);
}

bool TimerQueue::kill(HWnd hwnd, std::uintptr_t id) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const auto& e) { return e->hwnd == hwnd && e->id == id; });
    if (it == entries_.end()) return false;
    (*it)->killed = true;
    entries_.erase(it);
    return true;
}

void TimerQueue::killWindow(HWnd hwnd) {
    std::erase_if(entries_, [&](const auto& e) {
        if (e->hwnd != hwnd) return false;
        e->killed = true;
        return true;
    });
}

bool TimerQueue::running(const Entry& e) const {
    return std::find(running_.begin(), running_.end(), std::make_pair(e.hwnd, e.id)) != running_.end();
}

bool TimerQueue::exists(HWnd hwnd, std::uintptr_t id) const { return find(hwnd, id) != nullptr; }

std::optional<std::int64_t> TimerQueue::nextDue() const {
    std::optional<std::int64_t> best;
    for (const auto& e : entries_) {
        if (e->period <= 0 || running(*e)) continue;
        if (!best || e->due < *best) best = e->due;
    }
    return best;
}

int TimerQueue::fireDue(std::int64_t now, const Deliver& deliver) {
    std::vector<std::shared_ptr<Entry>> due;
    for (const auto& e : entries_) {
        if (e->period > 0 && !running(*e) && e->due <= now) due.push_back(e);
    }
    std::sort(due.begin(), due.end(), [](const auto& a, const auto& b) {
        return a->due != b->due ? a->due < b->due : a->serial < b->serial;
    });
    int fired = 0;
    for (const auto& e : due) {
        // An earlier handler may have killed, restarted or entered this timer.
        if (e->killed || running(*e) || e->period <= 0 || e->due > now) continue;
        // Fires that fell behind collapse into this one; the phase stays.
        e->due += e->period * ((now - e->due) / e->period + 1);
        const auto key = std::make_pair(e->hwnd, e->id);
        running_.push_back(key);
        TimerProc proc = e->proc;  // the handler may replace the entry's procedure
        struct Done {
            std::vector<std::pair<HWnd, std::uintptr_t>>& list;
            std::pair<HWnd, std::uintptr_t> key;
            ~Done() { list.erase(std::find(list.begin(), list.end(), key)); }
        } done{running_, key};
        deliver(e->hwnd, e->id, proc);
        ++fired;
    }
    return fired;
}

}  // namespace qv::gui
