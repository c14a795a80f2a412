#pragma once
// frmEncode: the encryption tool. A key pane (key, optional PCC, key quality), a file pane
// (source and target with their file dialogs) and a text pane, each run started by its button
// and stopped by its Cancel button, and the progress box on which every cipher run draws, the
// program's own store runs too (see encode_progress.h). While a run goes, only the Cancel
// buttons can be used, so the cipher is never entered twice. One default instance, made hidden
// by the first run that draws progress.
//
// A file run that would replace an existing file other than its source asks first (No by
// default) and writes nothing on No.
#include <string>

#include "platform/forms/common/common_dialog.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"

namespace qv::ui {

class frmEncode : public forms::Form {
public:
    frmEncode();

    void Form_Load() override;

    // Draws percent (0 < percent <= 100) as a bar across the progress box; 0 clears it.
    void ShowProgress(float percent);
    void SetBusy();
    void SetIdle();

    // Frame(0) "Text Encryption", Frame(1) "File Encryption", Frame(2) "Encryption Key".
    forms::ControlArray<forms::Frame> Frame{*this, "Frame"};
    forms::PictureBox picProgress{*this, "picProgress"};
    forms::TextBox txtBox{*this, "txtBox"};
    forms::CommandButton cmdText{*this, "cmdText"};
    forms::CommandButton cmdCancelText{*this, "cmdCancelText"};
    forms::Label Label3{*this, "Label3"};
    forms::TextBox txtSource{*this, "txtSource"};
    forms::CommandButton cmdSource{*this, "cmdSource"};
    forms::Label Label4{*this, "Label4"};
    forms::TextBox txtTarget{*this, "txtTarget"};
    forms::CommandButton cmdTarget{*this, "cmdTarget"};
    forms::CommandButton cmdCrypto{*this, "cmdCrypto"};
    forms::CommandButton cmdCancelFile{*this, "cmdCancelFile"};
    forms::Label Label1{*this, "Label1"};
    forms::TextBox txtKey{*this, "txtKey"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox txtPCC{*this, "txtPCC"};
    forms::Label lblKeyQuality{*this, "lblKeyQuality"};
    forms::CommonDialog CommonDialog1{*this, "CommonDialog1"};

private:
    void cmdCrypto_Click();
    void cmdText_Click();
    void cmdSource_Click();
    void cmdTarget_Click();
    void txtKey_Change();
    // The chosen path, or "" when the dialog was cancelled; remembers the folder.
    std::string chooseFile(const std::string& title);

    std::string lastFolder_;
};

}  // namespace qv::ui
