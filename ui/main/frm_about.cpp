#include "ui/main/frm_about.h"

#include <cstdio>

#include "platform/base/files.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/gui/program_start.h"
#include "platform/gui/shell.h"
#include "ui/main/application_title.h"
#include "ui/main/program_version.h"

namespace qv::ui {

bool GetKeyValue(settings::HKey KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    using namespace settings;
    HKey key = 0;
    // Reading needs no more than the right to read; asking for full access would fail (and
    // should) where the user may not change the machine's keys.
    if (RegOpenKeyEx(KeyRoot, KeyName, 0, KEY_READ, key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    std::uint32_t type = REG_NONE, size = 1024;
    std::string data;
    if (RegQueryValueEx(key, SubKeyRef, &type, &data, &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(key);
        return false;
    }
    std::string text = data.substr(0, size);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (type == REG_SZ) {
        KeyVal = text;
    } else if (type == REG_DWORD) {
        std::uint32_t v = 0;
        for (size_t i = 0; i < 4 && i < data.size(); ++i) v |= std::uint32_t(static_cast<unsigned char>(data[i])) << (8 * i);
        // Every byte as two digits, so two different values never print alike.
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08X", v);
        KeyVal = std::string("&h") + digits;
    }
    RegCloseKey(key);
    return true;
}

frmAbout::frmAbout() : Form("frmAbout", "frmAbout") {
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.Click = [this] { cmdSysInfo_Click(); };
}

void frmAbout::Form_Load() {
    Caption("About " + std::string(ApplicationTitle));
    lblVersion.Caption(VersionText(kProgramVersion));
    lblTitle.Caption(std::string(ApplicationTitle));
}

void frmAbout::cmdOK_Click() { forms::Unload(*this); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
    std::string path, value;
    if (GetKeyValue(settings::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value)) {
        path = value;
    } else if (GetKeyValue(settings::HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", value) &&
               base::fileExists(value + "\\MSINFO32.EXE")) {
        path = value + "\\MSINFO32.EXE";
    }
    if (!path.empty() && gui::StartProgram(path, gui::SW_SHOWNORMAL) != 0) return;
    forms::MsgBox("System Information Is Unavailable At This Time", forms::vbOKOnly, std::string(ApplicationTitle));
}

}  // namespace qv::ui
