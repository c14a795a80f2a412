#pragma once
// The window handles of a form and its controls under the name the alert windows first used:
// a thin view of Form::hWnd() and Control::hWnd(). The windows themselves are made as the form
// loads and follow the form and its controls as they change, so sync has nothing left to do.
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/gui/types.h"

namespace qv::forms {

class FormWindow {
public:
    explicit FormWindow(Form& form) : form_(&form) {}

    // The form's window; 0 while the form is not loaded.
    gui::HWnd hWnd() const { return form_->hWnd(); }
    // The window of one of the form's windowed controls; 0 for a windowless control, a control
    // of another form, or while the form is not loaded.
    gui::HWnd hWnd(const Control& control) const { return &control.Parent() == form_ ? control.hWnd() : 0; }
    void sync() const {}

private:
    Form* form_;
};

}  // namespace qv::forms
