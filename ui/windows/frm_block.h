#pragma once
// frmBlock: the block dialog. It puts the address or one of the ports of a connection into the
// filter editor's lists (loading the editor hidden when needed), checked and in force for the
// filter pass at once; they reach the filter file when the editor saves. The option chosen
// picks the box and the list; the chosen box shows white, the others greyed, all stay editable.
// A refused entry is told in a message box, its box cleared, and the dialog stays; an added one
// closes it.
#include "controls/button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "ui/windows/single_window.h"

namespace qv::ui {

class FilterWindowSet;

class frmBlock : public forms::Form, public WindowLifetime {
public:
    explicit frmBlock(FilterWindowSet& windows);
    ~frmBlock() override;

    void Form_Load() override;

    forms::Frame Frame1{*this, "Frame1"};
    // optB(0) "IP Address:", optB(1) "Remote Port:", optB(2) "Local Port:".
    forms::ControlArray<forms::OptionButton> optB{*this, "optB"};
    forms::TextBox txtAddr{*this, "txtAddr"};
    forms::TextBox txtRemP{*this, "txtRemP"};
    forms::TextBox txtLocP{*this, "txtLocP"};
    controls::isButton cmdBlock{*this, "cmdBlock"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

private:
    void optB_Click(int Index);
    void cmdBlock_Click();
    // The box beside option k.
    forms::TextBox& boxOf(int k);

    FilterWindowSet& windows_;
};

}  // namespace qv::ui
