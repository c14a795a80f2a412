#pragma once
// frmAdd: the add-rule dialog. The user picks a program file and an action; the store button
// writes that action as the file's rule. Nothing is stored without a file: a rule under an empty
// name would govern every connection whose program is unknown. The main window is hidden while
// the dialog is open and shows again when it closes.
#include "controls/button.h"
#include "platform/forms/common/common_dialog.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"

namespace qv::ui {

class frmMain;

class frmAdd : public forms::Form {
public:
    explicit frmAdd(frmMain& main);

    void Form_Load() override;

    forms::Image Image1{*this, "Image1"};
    forms::Label Label3{*this, "Label3"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label Label1{*this, "Label1"};
    forms::TextBox txtAddr{*this, "txtAddr"};
    forms::CommandButton cmdSource{*this, "cmdSource"};
    forms::CommonDialog CommonDialog1{*this, "CommonDialog1"};
    forms::Label Label2{*this, "Label2"};
    forms::ComboBox Combo{*this, "Combo"};
    controls::isButton cmdBlock{*this, "cmdBlock"};
    controls::isButton isButton1{*this, "isButton1"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

private:
    void cmdSource_Click();
    void cmdBlock_Click();
    void isButton1_Click();

    frmMain& main_;
};

}  // namespace qv::ui
