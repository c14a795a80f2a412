#pragma once
// frmAbout: the program's title and version, and a button that starts the system-information
// tool registered under HKEY_LOCAL_MACHINE.
#include <string>

#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/settings/registry.h"

namespace qv::ui {

class frmAbout : public forms::Form {
public:
    frmAbout();
    void Form_Load() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Finds the system-information tool and starts it; the message box when there is none or it
    // does not start.
    void StartSysInfo();

    forms::Image Image1{*this, "Image1"};
    forms::Label lblTitle{*this, "lblTitle"};
    forms::Label lblVersion{*this, "lblVersion"};
    forms::TextBox Text1{*this, "Text1"};
    forms::Label lblDescription{*this, "lblDescription"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label1{*this, "Label1"};
    forms::Line Line1_0{*this, "Line1", 0};
    forms::Line Line1_1{*this, "Line1", 1};
    forms::Label lblDisclaimer{*this, "lblDisclaimer"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdSysInfo{*this, "cmdSysInfo"};
};

// Reads one registry value, opening the key for reading only: a string as it stands (without a
// final NUL), a DWORD as "&h" and eight hexadecimal digits of its value. False (KeyVal "") when
// the key or the value cannot be read; other types leave KeyVal as it was.
bool GetKeyValue(settings::HKey KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace qv::ui
