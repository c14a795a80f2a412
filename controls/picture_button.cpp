#include "controls/picture_button.h"

#include "platform/gfx/picture.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

PictureButton::PictureButton(forms::Form& host, std::string name, int index)
    : UserControl(host, std::move(name), index) {
    Timer1.Interval(1);
    Timer1.Enabled(false);
    Timer1.Tick = [this] { Timer1_Timer(); };
    // Hidden; it only lends the control the size of the picture it is given.
    Picture1.Move(0, 0, 1635, 855);
    Picture1.BorderStyle(0);
    Picture1.AutoSize(true);
    Picture1.Visible(false);
}

void PictureButton::Picture(const forms::PictureRef& p) {
    m_New_Picture = p;
    PaintState();
    PropertyChanged("Picture");
}

void PictureButton::PictureHover(const forms::PictureRef& p) {
    m_New_PictureHover = p;
    PaintState();
    PropertyChanged("PictureHover");
}

void PictureButton::PictureDown(const forms::PictureRef& p) {
    m_New_PictureDown = p;
    PaintState();
    PropertyChanged("PictureDown");
}

void PictureButton::UserControl_InitProperties() {
    m_New_Picture = nullptr;
    m_New_PictureHover = nullptr;
    m_New_PictureDown = nullptr;
}

void PictureButton::UserControl_ReadProperties(forms::PropertyBag& bag) {
    // Stored without a repaint; the first paint follows from the host's placement.
    m_New_Picture = bag.ReadProperty("Picture", forms::PictureRef{});
    m_New_PictureHover = bag.ReadProperty("PictureHover", forms::PictureRef{});
    m_New_PictureDown = bag.ReadProperty("PictureDown", forms::PictureRef{});
}

void PictureButton::UserControl_WriteProperties(forms::PropertyBag& bag) {
    bag.WriteProperty("Picture", m_New_Picture, forms::PictureRef{});
    bag.WriteProperty("PictureHover", m_New_PictureHover, forms::PictureRef{});
    bag.WriteProperty("PictureDown", m_New_PictureDown, forms::PictureRef{});
}

const forms::PictureRef& PictureButton::face() const {
    switch (state_) {
        case kHover: return m_New_PictureHover;
        case kPressed: return m_New_PictureDown;
        default: return m_New_Picture;
    }
}

void PictureButton::drawFace() {
    Cls();
    if (const forms::PictureRef& p = face()) hDC().drawPicture(0, 0, p.get());
}

// The face of the current state, and the control the size of it. A state without a picture
// leaves the face blank.
void PictureButton::PaintState() {
    if (painting_) return;  // the size set below resizes the control, which repaints
    painting_ = true;
    Picture1.Picture(face());
    if (Width() != Picture1.Width()) Width(Picture1.Width());
    if (Height() != Picture1.Height()) Height(Picture1.Height());
    drawFace();
    Refresh();
    painting_ = false;
}

void PictureButton::setState(int state) {
    state_ = state;
    PaintState();
}

// Over it exactly while the window under the cursor is the control's own.
bool PictureButton::IsMouseOver() const {
    const gui::HWnd own = hWnd();
    if (own == 0) return false;
    gui::WindowSystem& ws = gui::windows();
    return ws.windowFromPoint(ws.cursorPos()) == own;
}

void PictureButton::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    MouseDown(Button, Shift, X, Y);
    if (Button == forms::kLeftButton) setState(kPressed);
}

void PictureButton::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    MouseMove(Button, Shift, X, Y);
    if (Button >= 2) return;
    if (!IsMouseOver()) {
        hover_ = false;
        setState(kResting);
    } else if (Button == 0 && !hover_) {
        Timer1.Enabled(true);
        hover_ = true;
        MouseEnter();
        setState(kHover);
    } else if (Button == forms::kLeftButton) {
        // Cleared again at once, so the next button-less move over the control enters anew.
        hover_ = true;
        setState(kPressed);
        hover_ = false;
    }
}

void PictureButton::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    MouseUp(Button, Shift, X, Y);
    setState(IsMouseOver() ? kHover : kResting);
}

void PictureButton::Timer1_Timer() {
    if (IsMouseOver()) return;
    Timer1.Enabled(false);
    hover_ = false;
    MouseLeave();
    setState(kResting);
}

}  // namespace qv::controls
