#pragma once
// Dragging a window by its own surface, as the main window, the rule list, the open-port window,
// the filter editor, the connection alert and the graph window allow while the main window's
// "Make all form moveable" (Check12) is checked. The window's mouse handlers hand their events
// on; positions are in the window's scale units, as its Left and Top.
#include <cstdint>

namespace qv::forms {
class Form;
}

namespace qv::ui {

class frmMain;

class FormDrag {
public:
    FormDrag(forms::Form& window, const frmMain& main) : window_(window), main_(main) {}

    // A left press starts a drag.
    void MouseDown(int Button, float X, float Y);
    // While dragging, the window follows the pointer.
    void MouseMove(float X, float Y);
    void MouseUp();
    bool dragging() const { return dragging_; }

private:
    bool moveable() const;

    forms::Form& window_;
    const frmMain& main_;
    float x_ = 0;
    std::int16_t y_ = 0;
    bool dragging_ = false;
};

}  // namespace qv::ui
