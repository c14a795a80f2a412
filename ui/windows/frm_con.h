#pragma once
// frmCon: the connection tester's window. It holds the controls the tester (connection_tester.h)
// works on, and hides the main window while it is loaded. Exit unloads it; CLOSE unloads it and
// shows the open-port window. One instance, opened from the open-port window with a host and a
// port filled in, and unloaded as the program ends.
#include "controls/button.h"
#include "platform/forms/common/animation.h"
#include "platform/forms/common/winsock.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "ui/windows/connection_tester.h"

namespace qv::ui {

class frmMain;

class frmCon : public forms::Form {
public:
    explicit frmCon(frmMain& main);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    const ConnectionTester& tester() const { return tester_; }
    // The controls the tester works on.
    TesterControls controls() {
        return {txtAddr, txtport, txtSend, cmdSend, cmdDisCon, isButton2, chkEnable, fraOS, fraClient, optEM,
                fraCon2, tmrCon,  WS1};
    }

    forms::Frame fraCon1{*this, "fraCon1"};
    forms::Label Label1{*this, "Label1"};
    forms::TextBox txtAddr{*this, "txtAddr"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox txtport{*this, "txtport"};
    forms::Label Label3{*this, "Label3"};
    controls::isButton cmdConnect{*this, "cmdConnect"};
    forms::Frame fraCon2{*this, "fraCon2"};
    forms::Label Label4{*this, "Label4"};
    forms::TextBox txtSend{*this, "txtSend"};
    controls::isButton cmdSend{*this, "cmdSend"};
    forms::CheckBox chkEnable{*this, "chkEnable"};
    forms::Frame fraOS{*this, "fraOS"};
    forms::Frame fraClient{*this, "fraClient"};
    forms::ControlArray<forms::OptionButton> optEM{*this, "optEM"};
    forms::Animation aniNET{*this, "aniNET"};
    forms::CommandButton cmdDisCon{*this, "cmdDisCon"};
    forms::CommandButton cmdExit{*this, "cmdExit"};
    controls::isButton isButton2{*this, "isButton2"};
    forms::Timer tmrCon{*this, "tmrCon"};
    forms::Winsock WS1{*this, "WS1"};

private:
    void isButton2_Click();

    frmMain& main_;
    // Last: it works on the controls above.
    ConnectionTester tester_{controls()};
};

}  // namespace qv::ui
