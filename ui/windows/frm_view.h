#pragma once
// frmView: the connection tester's console window. The tester writes into txtConView; the
// window lives from the start of an attempt to its end and empties the console as it unloads.
// One default instance.
#include "platform/forms/common/rich_text_box.h"
#include "platform/forms/form.h"

namespace qv::ui {

class frmView : public forms::Form {
public:
    frmView() : Form("frmView", "frmView") {}

    void Form_Resize() override;
    void Form_Unload(int& Cancel) override;

    forms::RichTextBox txtConView{*this, "txtConView"};
};

}  // namespace qv::ui
