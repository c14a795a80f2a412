#pragma once
// frmHelp: the help page Doc\documentation.htm of the program folder in a browser control.
#include "platform/forms/common/web_browser.h"
#include "platform/forms/form.h"

namespace qv::ui {

class frmHelp : public forms::Form {
public:
    frmHelp() : Form("frmHelp", "frmHelp") {}
    void Form_Load() override;

    forms::WebBrowser WebBrowser1{*this, "WebBrowser1"};
};

}  // namespace qv::ui
