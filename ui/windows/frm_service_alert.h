#pragma once
// frmServiceAlert: the dangerous-port alert. The engine makes one for each connection on a local
// port its guard store lists as dangerous, fills the warning, the port (lblDESC's Tag) and the
// remote address (the window's Tag), shows it above all other windows and goes on. As it loads it
// sends the statistics request (Winsock1, once connected) and plays its sound. Accept marks the
// address trusted in the guard store, so the engine stops warning about it; Denied marks it
// blocked. Either closes the window, which gives that (port, address) pair back to the engine,
// so the pair can raise a new alert. The window can be dragged by its surface while the main
// window lets windows be moved.
#include <memory>
#include <string>

#include "controls/button.h"
#include "platform/forms/common/winsock.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "ui/main/form_drag.h"

namespace qv::ui {

class frmMain;

class frmServiceAlert : public forms::Form {
public:
    explicit frmServiceAlert(frmMain& main);
    ~frmServiceAlert() override;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

    std::weak_ptr<const int> lifetime() const { return alive_; }

    forms::Label lblDESC{*this, "lblDESC"};
    forms::Label Label1{*this, "Label1"};
    controls::isButton isButton1{*this, "isButton1"};  // Accept
    controls::isButton isButton2{*this, "isButton2"};  // Denied
    forms::Shape Shape1{*this, "Shape1"};  // the frame
    // Values of the statistics request; nothing fills them.
    forms::TextBox txtfile{*this, "txtfile"};
    forms::TextBox txthost{*this, "txthost"};
    forms::TextBox txtport{*this, "txtport"};
    forms::Winsock Winsock1{*this, "Winsock1"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

private:
    void isButton1_Click();
    void isButton2_Click();
    void Winsock1_Connect();
    // Marks the remote address in the guard store and closes the window.
    void markAddress(const char* value);

    frmMain& main_;
    FormDrag drag_;
    std::string statisticsHost_;  // the server the request goes to, as the option names it
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace qv::ui
