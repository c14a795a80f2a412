#pragma once
// The file descriptors the message loop watches beside its timers and posted messages: sockets,
// a display connection, a signal pipe. Each has the poll(2) events it waits for and a handler
// that runs, on the loop's thread, when any of them is ready.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace qv::gui {

class DescriptorSet {
public:
    using Ready = std::function<void(short revents)>;

    // Returns the watch's id (never 0).
    int add(int fd, short events, Ready ready);
    // Safe from inside any handler, the watch's own included.
    bool remove(int id);
    bool setEvents(int id, short events);
    bool empty() const { return entries_.empty(); }

    // Waits at most timeoutMs (0: only looks; negative: without end) for a watched descriptor
    // to be ready, then runs the handler of each ready one once. Without descriptors it sleeps
    // for the timeout. Returns how many handlers ran.
    int wait(int timeoutMs);

private:
    struct Entry {
        int id = 0;
        int fd = -1;
        short events = 0;
        Ready ready;
        bool removed = false;
    };
    std::vector<std::shared_ptr<Entry>> entries_;
    int nextId_ = 1;
};

}  // namespace qv::gui
