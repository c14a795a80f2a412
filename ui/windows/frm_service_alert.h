#pragma once
// frmServiceAlert: the dangerous-port alert. The engine makes one for each connection on a local
// port its guard store lists as dangerous, fills the warning, the port (lblDESC's Tag) and the
// remote address (the window's Tag), shows it above all other windows and goes on. Closing it
// gives that (port, address) pair back to the engine, so the pair can raise a new alert.
#include <memory>

#include "platform/forms/form.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/text_box.h"

namespace qv::ui {

class frmMain;

class frmServiceAlert : public forms::Form {
public:
    explicit frmServiceAlert(frmMain& main);
    ~frmServiceAlert() override;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    std::weak_ptr<const int> lifetime() const { return alive_; }

    forms::Label lblDESC{*this, "lblDESC"};
    forms::Label Label1{*this, "Label1"};
    // Values of the statistics request; nothing fills them.
    forms::TextBox txtfile{*this, "txtfile"};
    forms::TextBox txthost{*this, "txthost"};
    forms::TextBox txtport{*this, "txtport"};

private:
    frmMain& main_;
    std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace qv::ui
