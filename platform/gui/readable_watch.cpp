#include "platform/gui/readable_watch.h"

#include <poll.h>

#include "platform/gui/window_system.h"

namespace qv::gui {

ReadableWatch::ReadableWatch(int fd, std::function<void()> ready) {
    if (fd < 0) return;
    ws_ = &windows();
    id_ = ws_->watchDescriptor(fd, POLLIN, [ready = std::move(ready)](short) { ready(); });
}

ReadableWatch::~ReadableWatch() {
    if (id_ != 0) ws_->unwatchDescriptor(id_);
}

}  // namespace qv::gui
