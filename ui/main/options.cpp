// The options of the main window: Conf\config.ini read into the check boxes and the level
// slider at load and written back at exit, the Run value, the menu marks that follow the
// boxes, and the mutual exclusion of the three permission boxes.
#include <cmath>
#include <optional>

#include "platform/base/convert.h"
#include "platform/base/program_folder.h"
#include "platform/base/text.h"
#include "platform/forms/msgbox.h"
#include "platform/settings/profile.h"
#include "platform/settings/autostart.h"
#include "platform/settings/registry.h"
#include "ui/main/application_title.h"
#include "ui/main/frm_main.h"
#include "ui/main/option_value.h"

namespace qv::ui {

namespace {

constexpr std::size_t kReadBuffer = 50;
constexpr const char* kApiError = "An error has occurred while calling the API function";

std::string configPath() { return base::inProgramFolder("Conf\\config.ini"); }

// The check-box rows of the options file, in the order they are read and written.
struct BoxRow {
    const char* section;
    const char* key;
    forms::CheckBox& (*box)(frmMain&);
};
const BoxRow kBoxRows[] = {
    {"Windows", "Startup", [](frmMain& f) -> forms::CheckBox& { return f.Check4; }},
    {"Windows", "Update", [](frmMain& f) -> forms::CheckBox& { return f.Check3; }},
    {"Windows", "Sound", [](frmMain& f) -> forms::CheckBox& { return f.Check7; }},
    {"Windows", "Logging", [](frmMain& f) -> forms::CheckBox& { return f.Check8; }},
    {"Windows", "Alert", [](frmMain& f) -> forms::CheckBox& { return f.Check6; }},
    {"Permission", "Allow", [](frmMain& f) -> forms::CheckBox& { return f.Check1; }},
    {"Permission", "Block", [](frmMain& f) -> forms::CheckBox& { return f.Check2; }},
    {"Permission", "Accept", [](frmMain& f) -> forms::CheckBox& { return f.Check5; }},
    {"Filter", "Remote_address", [](frmMain& f) -> forms::CheckBox& { return f.chkAct(0); }},
    {"Filter", "Remote_port", [](frmMain& f) -> forms::CheckBox& { return f.chkAct(1); }},
    {"Filter", "Local_port", [](frmMain& f) -> forms::CheckBox& { return f.chkAct(2); }},
};

}  // namespace

bool frmMain::ReadConfigValue() {
    std::string out;
    long n = settings::GetPrivateProfileString(Section, Key, "", out, kReadBuffer, configPath());
    if (n != 0) {
        Value = base::Trim(out);
        return true;
    }
    if (!readErrorShown_) {
        readErrorShown_ = true;
        forms::MsgBox(kApiError, forms::vbExclamation, std::string(ApplicationTitle));
    }
    return false;
}

bool frmMain::WriteConfigValue() {
    if (settings::WritePrivateProfileString(Section, Key, Value, configPath()) != 0) return true;
    forms::MsgBox(kApiError, forms::vbExclamation, std::string(ApplicationTitle));
    return false;
}

void frmMain::loadset() {
    readErrorShown_ = false;

    Section = "Product";
    Key = "Version";
    if (ReadConfigValue()) LBL.Caption(Value);

    // An entry that is missing, no number, or outside what its control takes leaves the
    // control at its designer value.
    Section = "Level";
    Key = "Security";
    if (ReadConfigValue()) {
        if (auto level = wholeNumberIn(Value, Slider3.Min(), Slider3.Max())) {
            Slider3.Value(*level);
            ucSlider3.Value(std::to_string(*level));
        }
    }
    Slider3_Change();

    for (const BoxRow& row : kBoxRows) {
        Section = row.section;
        Key = row.key;
        if (!ReadConfigValue()) continue;
        if (auto v = wholeNumberIn(Value, 0, 2)) row.box(*this).Value(*v);
    }

    checkset();
}

void frmMain::saveset() {
    Section = "Level";
    Key = "Security";
    Value = std::to_string(Slider3.Value());
    WriteConfigValue();

    for (const BoxRow& row : kBoxRows) {
        Section = row.section;
        Key = row.key;
        Value = std::to_string(row.box(*this).Value());
        WriteConfigValue();
    }

    saveRunValue();
}

// With Check4 checked the program starts with the desktop: the Run value named by the title
// holds the executable's path; otherwise the value is removed. A key that does not open is
// passed over.
void frmMain::saveRunValue() {
    settings::HKey run = 0;
    if (settings::RegOpenKeyEx(settings::HKEY_CURRENT_USER, settings::kRunKeyPath, 0, settings::KEY_WRITE, run) !=
        settings::ERROR_SUCCESS)
        return;
    if (Check4.Value() == 1) {
        settings::RegSetValueEx(run, ApplicationTitle, settings::REG_SZ, base::executablePath());
    } else {
        settings::RegDeleteValue(run, ApplicationTitle);
    }
    settings::RegCloseKey(run);
}

void frmMain::checkset() {
    struct OptionMark {
        forms::CheckBox& box;
        forms::Menu& entry;
    };
    for (OptionMark m : {OptionMark{Check8, efl}, OptionMark{Check7, plsy}, OptionMark{Check6, eac}}) {
        if (m.box.Value() == 1) {
            m.entry.Checked(true);
        } else {
            m.box.Value(0);
            m.entry.Checked(false);
        }
    }

    struct PermissionMark {
        forms::CheckBox& box;
        forms::Menu& entry;
        const char* mode;
    };
    for (PermissionMark m : {PermissionMark{Check1, Alw, "1"}, PermissionMark{Check2, Blc, "3"},
                             PermissionMark{Check5, ask, "2"}}) {
        if (m.box.Value() == 1) {
            m.entry.Checked(true);
            ucSlider4.Value(std::string_view(m.mode));
        } else {
            m.box.Value(0);
            m.entry.Checked(false);
        }
    }
}

void frmMain::permissionClicked(forms::CheckBox& self, int mode) {
    if (inPermissionClick_) return;
    inPermissionClick_ = true;
    for (forms::CheckBox* other : {&Check1, &Check2, &Check5}) {
        if (other != &self) other->Value(0);
    }
    inPermissionClick_ = false;
    ucSlider4.Value(mode);
}

void frmMain::Check1_Click() { permissionClicked(Check1, 1); }
void frmMain::Check2_Click() { permissionClicked(Check2, 3); }
void frmMain::Check5_Click() { permissionClicked(Check5, 2); }

}  // namespace qv::ui
