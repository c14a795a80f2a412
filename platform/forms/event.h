#pragma once
// An event of a form or control: one handler, as a window's code wires it. Raising an event
// with no handler does nothing. Every raise counts as a running handler for the runtime, so a
// form unloaded inside a handler is released only after the outermost handler has returned.
#include <functional>
#include <utility>

#include "platform/forms/runtime.h"

namespace qv::forms {

template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event& operator=(Handler h) {
        handler_ = std::move(h);
        return *this;
    }
    explicit operator bool() const { return static_cast<bool>(handler_); }

    void operator()(Args... args) const {
        if (!handler_) return;
        HandlerScope scope;
        // Copy, so a handler that rewires its own event stays valid while it runs.
        Handler h = handler_;
        h(std::forward<Args>(args)...);
    }

private:
    Handler handler_;
};

}  // namespace qv::forms
