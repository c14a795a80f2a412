#include "platform/forms/client_input.h"

#include <algorithm>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace qv::forms {
namespace {

bool stillOn(const Form& form, const Control* c) {
    const auto& all = form.Controls();
    return std::find(all.begin(), all.end(), c) != all.end();
}

float relX(const Control& c, float x) { return x - static_cast<float>(c.formLeft()); }
float relY(const Control& c, float y) { return y - static_cast<float>(c.formTop()); }

}  // namespace

Control* ClientInput::windowlessAt(float x, float y) const {
    const auto& all = form_->Controls();
    // Later controls lie above earlier ones.
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        Control* c = *it;
        if (c->Container() != container_ || c->windowed() || !c->takesMouse() || !c->shownOnForm()) continue;
        if (c->containsFormPoint(static_cast<int>(x), static_cast<int>(y))) return c;
    }
    return nullptr;
}

void ClientInput::forget(const Control* c) {
    if (pressed_ == c) {
        pressed_ = nullptr;
        buttons_ = 0;
        dbl_ = false;
    }
    if (hovered_ == c) hovered_ = nullptr;
}

void ClientInput::hover(Control* c) {
    if (hovered_ == c) return;
    Control* left = hovered_;
    hovered_ = c;
    if (left != nullptr) left->mouseLeave();
}

void ClientInput::down(int button, int shift, float x, float y, bool dbl) {
    if (buttons_ == 0) {
        pressed_ = windowlessAt(x, y);
        const bool takes = pressed_ ? pressed_->takesDoubleClicks() : owner_->ownTakesDoubleClicks();
        dbl_ = dbl && takes;
    }
    buttons_ |= button;
    const bool asDouble = dbl && dbl_;
    if (Control* c = pressed_) {
        if (!c->enabledOnForm()) return;
        if (asDouble)
            c->mouseDblClick(button, relX(*c, x), relY(*c, y));
        else
            c->mouseDown(button, shift, relX(*c, x), relY(*c, y));
        return;
    }
    if (asDouble)
        owner_->ownDblClick(button, x, y);
    else
        owner_->ownDown(button, shift, x, y);
}

void ClientInput::move(int buttons, int shift, float x, float y) {
    hover(windowlessAt(x, y));
    Control* c = buttons_ != 0 ? pressed_ : windowlessAt(x, y);
    if (c == nullptr) {
        owner_->ownMove(buttons, shift, x, y);
        return;
    }
    if (c->enabledOnForm()) c->mouseMove(buttons, shift, relX(*c, x), relY(*c, y));
}

void ClientInput::up(int button, int shift, float x, float y) {
    const bool held = buttons_ != 0;
    Control* c = held ? pressed_ : windowlessAt(x, y);
    const bool wasDouble = dbl_;
    buttons_ &= ~button;
    if (buttons_ == 0) {
        pressed_ = nullptr;
        dbl_ = false;
    }
    const std::weak_ptr<int> life = life_;
    if (c == nullptr) {
        owner_->ownUp(button, shift, x, y);
        if (life.expired()) return;
        if (held && !wasDouble && owner_->ownContains(x, y)) owner_->ownClick(button, x, y);
        return;
    }
    if (!c->enabledOnForm()) return;
    const bool over = c->containsFormPoint(static_cast<int>(x), static_cast<int>(y));
    const float cx = relX(*c, x), cy = relY(*c, y);
    c->mouseUp(button, shift, cx, cy);
    // The handler may have ended this, unloaded the form or taken the control away.
    if (life.expired()) return;
    if (held && !wasDouble && over && stillOn(*form_, c) && form_->loaded()) c->mouseClick(button, cx, cy);
}

}  // namespace qv::forms
