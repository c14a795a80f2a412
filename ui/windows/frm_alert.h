#pragma once
// frmAlert: the connection alert. The engine makes one for each application it asks about, fills
// the fields below, shows it above all other windows and goes on; closing it resumes the
// application's process and stores the chosen security action as the application's rule.
// Loading follows the main window's options: with alert confirmation off the window closes as it
// loads; the sound and the balloon tips play and show when theirs are on.
#include <memory>

#include "engine/alert_answers.h"
#include "engine/connection_record.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"

namespace qv::ui {

class frmMain;

class frmAlert : public forms::Form {
public:
    explicit frmAlert(frmMain& main);
    ~frmAlert() override;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

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
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};
    forms::Timer Timer1{*this, "Timer1"};
    forms::Timer Timer2{*this, "Timer2"};
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::Image Image1{*this, "Image1"};

private:
    void Label1_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    // The process of the Tag, named once the engine has set the Tag.
    engine::AlertProcess& alertProcess();

    frmMain& main_;
    engine::AlertProcess process_;
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace qv::ui
