#pragma once
// frmBlockAll: the block-all notice. While it is visible the poll pass closes every connection of
// an application without a rule instead of asking about it. While it is up the tray tip says the
// computer is in its normal state; the tip it found when it loaded (kept in its Tag) comes back
// when it closes. Its OK button closes it and so ends the mode. One default instance.
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"

namespace qv::ui {

class frmBlockAll : public forms::Form {
public:
    frmBlockAll();

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::Image Image1{*this, "Image1"};

private:
    void Command1_Click();
};

// Whether the notice is shown; asking neither makes nor loads it.
bool BlockAllVisible();

}  // namespace qv::ui
