#pragma once
// MainForm: the internet-connection check shown shortly after start. Its load runs the check:
// five probes and the description, each in a box of its own while the bar advances. Online,
// the window closes itself at once; offline, the user is asked whether to go on, and No ends
// the program through the main window's orderly end, as does the Close button.
#include "platform/forms/common/progress_bar.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/text_box.h"

namespace qv::ui {

class MainForm : public forms::Form {
public:
    MainForm();

    void Form_Load() override;
    void Command1_Click();  // the check
    void Command2_Click();  // "Close"

    forms::Label LanConnection{*this, "LanConnection"};
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::TextBox Text1{*this, "Text1"};
    forms::TextBox Text2{*this, "Text2"};
    forms::TextBox Text3{*this, "Text3"};
    forms::TextBox Text4{*this, "Text4"};
    forms::TextBox Text5{*this, "Text5"};
    forms::TextBox Text6{*this, "Text6"};
    forms::Label ProgressLabel{*this, "ProgressLabel"};
    forms::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
};

}  // namespace qv::ui
