#pragma once
// What the engine's hold on an alert window does the same for every kind of alert: it knows
// whether the window still exists, and shows it above all other windows. Calls on a window that
// has closed (or been released) do nothing.
#include <memory>

#include "controls/on_top.h"

namespace qv::ui {

template <class Window, class Alert>
class AlertView : public Alert {
public:
    explicit AlertView(Window& form) : form_(&form), alive_(form.lifetime()) {}

    bool Closed() const override { return alive_.expired() || !form_->loaded(); }

    void Show() override {
        if (auto* f = form()) f->Show();
    }

    void MakeTopMost() override {
        auto* f = form();
        if (!f) return;
        controls::clsOnTop().MakeTopMost(f->hWnd());
    }

    // The window while it is open; nullptr once it has closed.
    Window* form() const { return Closed() ? nullptr : form_; }

private:
    Window* form_;
    std::weak_ptr<const int> alive_;
};

}  // namespace qv::ui
