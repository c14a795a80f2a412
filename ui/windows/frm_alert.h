#pragma once
// frmAlert: the connection alert. The engine makes one for each application it asks about, fills
// the fields below, shows it above all other windows and goes on. Allow lets the application's
// process go and hides the window; Block closes the alert's own connection and the window; the
// close area closes it too. Closing resumes the process and stores the chosen security action as
// the application's rule. With "Do not ask me again" checked each button stores its own answer
// at once. Loading follows the main window's options: with alert confirmation off the window
// closes as it loads; the sound and the balloon tips play and show when theirs are on. The
// window is shaped by its outline and can be dragged by its surface while the main window lets
// windows be moved.
#include <memory>

#include "controls/button.h"
#include "engine/alert_answers.h"
#include "engine/connection_record.h"
#include "platform/forms/common/winsock.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "ui/main/form_drag.h"

namespace qv::ui {

class frmMain;

class frmAlert : public forms::Form {
public:
    explicit frmAlert(frmMain& main);
    ~frmAlert() override;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

    // Kept by the window, read by whoever must know whether it still exists.
    std::weak_ptr<const int> lifetime() const { return alive_; }

    // Filled by the engine.
    forms::Label lblpath{*this, "lblpath"};
    forms::Label lblDESC{*this, "lblDESC"};
    forms::Label lbltrojan{*this, "lbltrojan"};
    forms::TextBox Text1{*this, "Text1"};
    forms::TextBox txtfile{*this, "txtfile"};
    forms::TextBox txthost{*this, "txthost"};
    forms::TextBox txtport{*this, "txtport"};
    // The endpoints of the alert's connection, which Block closes.
    engine::ConnectionEndpoints endpoints;

    // The window's own controls.
    forms::ComboBox Combo{*this, "Combo"};
    forms::CheckBox Check1{*this, "Check1"};
    controls::isButton isButton1{*this, "isButton1"};  // Allow
    controls::isButton isButton2{*this, "isButton2"};  // Block
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};  // the statistics host
    forms::Timer Timer1{*this, "Timer1"};
    forms::Timer Timer2{*this, "Timer2"};
    // The statistics socket; nothing connects it.
    forms::Winsock Winsock1{*this, "Winsock1"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::Image Image1{*this, "Image1"};

private:
    void isButton1_Click();
    void isButton2_Click();
    void Label1_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // The process of the Tag, named once the engine has set the Tag.
    engine::AlertProcess& alertProcess();
    // The answer "Do not ask me again" stores at once, with the rule's picture in the main
    // window's application list.
    void rememberAnswer(const engine::AlertTag& tag, const char* action, int smallIcon);

    frmMain& main_;
    engine::AlertProcess process_;
    FormDrag drag_;
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace qv::ui
