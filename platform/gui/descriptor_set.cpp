#include "platform/gui/descriptor_set.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

namespace qv::gui {

int DescriptorSet::add(int fd, short events, Ready ready) {
    auto e = std::make_shared<Entry>();
    e->id = nextId_++;
    e->fd = fd;
    e->events = events;
    e->ready = std::move(ready);
    entries_.push_back(e);
    return e->id;
}

bool DescriptorSet::remove(int id) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e->id == id; });
    if (it == entries_.end()) return false;
    (*it)->removed = true;
    entries_.erase(it);
    return true;
}

bool DescriptorSet::setEvents(int id, short events) {
    for (auto& e : entries_) {
        if (e->id != id) continue;
        e->events = events;
        return true;
    }
    return false;
}

int DescriptorSet::wait(int timeoutMs) {
    // A copy, so handlers may add and remove watches while the ready ones run.
    const std::vector<std::shared_ptr<Entry>> watched = entries_;
    std::vector<pollfd> fds;
    fds.reserve(watched.size());
    for (const auto& e : watched) fds.push_back(pollfd{e->fd, e->events, 0});
    int n = ::poll(fds.data(), fds.size(), timeoutMs);
    if (n <= 0) return 0;  // a timeout, or a signal that woke the wait (EINTR)
    int ran = 0;
    for (std::size_t i = 0; i < watched.size(); ++i) {
        if (fds[i].revents == 0 || watched[i]->removed) continue;
        Ready ready = watched[i]->ready;
        ++ran;
        if (ready) ready(fds[i].revents);
    }
    return ran;
}

}  // namespace qv::gui
