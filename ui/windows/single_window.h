#pragma once
// One window of a kind that a set of windows keeps: made and loaded on first use, and made anew
// once the one before was unloaded. The window's lifetime token tells the set whether the
// window it made still exists, without touching a window that may be gone.
#include <memory>
#include <utility>

#include "platform/forms/instances.h"

namespace qv::ui {

// Held by a window that a SingleWindow keeps.
class WindowLifetime {
public:
    std::weak_ptr<const int> lifetime() const { return alive_; }

private:
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

template <class F>
class SingleWindow {
public:
    // The window while it is loaded, else nullptr.
    F* loaded() const { return life_.expired() || !window_->loaded() ? nullptr : window_; }

    // The loaded window; a new one, made with these arguments and loaded hidden, when there is
    // none.
    template <class... Args>
    F& get(Args&&... args) {
        if (F* f = loaded()) return *f;
        F& made = forms::New<F>(std::forward<Args>(args)...);
        window_ = &made;
        life_ = made.lifetime();
        return made;
    }

private:
    F* window_ = nullptr;
    std::weak_ptr<const int> life_;
};

}  // namespace qv::ui
