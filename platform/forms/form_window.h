#pragma once
// A form's place in the window system: the window handle of the form (hWnd) and of each of its
// windowed controls, for the calls that take a window (tooltips, the topmost band, regions).
// A form that needs handles holds one FormWindow as a member:
//
//   forms::FormWindow window{*this};
//   ... clsOnTop().MakeTopMost(window.hWnd()); AddBalloonTip(window.hWnd(Text1), "...");
//
// The form's window is a top-level window at the form's place and size (in pixels), shown while
// the form is shown; a control's window is a child of it at the control's place in the client
// area, shown while the control is shown on the form. Windows are made when first asked for,
// follow the form when it is shown or hidden and whenever sync runs, and are destroyed (with the
// windows they own) when the form unloads. Closing the form's window by WM_CLOSE closes the form
// as its close box does.
#include <map>

#include "platform/forms/control.h"
#include "platform/gui/types.h"

namespace qv::gui {
class WindowSystem;
}

namespace qv::forms {

class FormWindow : public Control {
public:
    explicit FormWindow(Form& form);
    ~FormWindow() override;
    std::string_view kind() const override { return "FormWindow"; }
    bool windowed() const override { return false; }

    // The form's window; 0 while the form is not loaded.
    gui::HWnd hWnd();
    // The window of one of the form's windowed controls; 0 for a windowless control, a control
    // of another form, or while the form is not loaded.
    gui::HWnd hWnd(Control& control);
    // Moves, sizes and shows every window made so far as its form and controls now stand.
    void sync();

    void formShownChanged() override;
    void formUnloading() override;

private:
    void destroyWindows();
    void syncForm();
    void syncControl(Control& c, gui::HWnd h);

    gui::WindowSystem* ws_ = nullptr;  // where the windows were made
    gui::HWnd form_ = 0;
    std::map<Control*, gui::HWnd> controls_;
};

// The form's FormWindow, or nullptr when it holds none.
FormWindow* findFormWindow(const Form& form);

}  // namespace qv::forms
