#pragma once
// PictureButton: a button drawn from three pictures its host supplies: Picture at rest,
// PictureHover while the mouse is over it, PictureDown while the left button is held on it. It
// takes the size of the picture it shows. It passes on its clicks and mouse events, and raises
// MouseEnter on the first button-less move over it and MouseLeave from a 1 ms timer once the
// window under the cursor is no longer its own window.
#include <string>

#include "platform/forms/event.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/forms/picture.h"

namespace qv::controls {

class PictureButton : public forms::UserControl {
public:
    enum State { kResting = 0, kHover = 1, kPressed = 2 };

    PictureButton(forms::Form& host, std::string name, int index = -1);
    std::string_view kind() const override { return "PictureButton"; }

    const forms::PictureRef& Picture() const { return m_New_Picture; }
    void Picture(const forms::PictureRef& p);
    const forms::PictureRef& PictureHover() const { return m_New_PictureHover; }
    void PictureHover(const forms::PictureRef& p);
    const forms::PictureRef& PictureDown() const { return m_New_PictureDown; }
    void PictureDown(const forms::PictureRef& p);

    // Click, DblClick, MouseMove, MouseUp and MouseDown are the control's own (Control); these
    // two complete its events.
    forms::Event<> MouseEnter;
    forms::Event<> MouseLeave;

    int state() const { return state_; }
    bool hovering() const { return hover_; }
    // The picture shown now.
    const forms::PictureRef& face() const;

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(forms::PropertyBag& bag) override;
    void UserControl_Resize() override { PaintState(); }
    void UserControl_Paint() override { drawFace(); }
    void UserControl_MouseDown(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseMove(int Button, int Shift, float X, float Y) override;
    void UserControl_MouseUp(int Button, int Shift, float X, float Y) override;
    void UserControl_Click() override { Click(); }
    void UserControl_DblClick() override { DblClick(); }

private:
    void PaintState();
    bool IsMouseOver() const;
    void Timer1_Timer();
    void drawFace();
    void setState(int state);

    forms::PictureRef m_New_Picture;
    forms::PictureRef m_New_PictureHover;
    forms::PictureRef m_New_PictureDown;
    bool hover_ = false;
    int state_ = kResting;
    bool painting_ = false;

    forms::Timer Timer1{inside(), "Timer1"};
    forms::PictureBox Picture1{inside(), "Picture1"};
};

}  // namespace qv::controls
