#pragma once
// splash: the shaped window the program starts with. Its progress bar runs for about ten
// seconds; then it closes and makes the main window, hidden at once, so the program goes on in
// the notification area.
#include "platform/forms/common/progress_bar.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/timer.h"

namespace qv::ui {

class splash : public forms::Form {
public:
    splash();

    void Form_Load() override;
    void Form_Resize() override {}

    forms::Image Image1{*this, "Image1"};  // the face, beneath the rest
    forms::Label Label1{*this, "Label1"};  // the percentage
    forms::ProgressBar pB{*this, "pB"};
    forms::Timer Timer1{*this, "Timer1"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};
    forms::Label Label2{*this, "Label2"};  // the product's name
    forms::Label Label3{*this, "Label3"};  // its subtitle

private:
    void Timer1_Timer();
};

}  // namespace qv::ui
