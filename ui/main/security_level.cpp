// How the main window presents the security level: a title, a description, the gauge and the
// mark in the tray menu's level entries. Level 1 is the lowest protection and 3 the highest,
// as the engine acts on them.
#include "ui/main/frm_main.h"

namespace qv::ui {

namespace {
struct LevelLook {
    const char* title;
    const char* description;
};
const LevelLook kLevels[] = {
    {"Low Security",
     "all connections are let through also prompt for alert. rules will accepted for on an IP based level. "},
    {"Medium Security", "only alerts when a connection is compromising,ussually is hacker. recommended for most systems"},
    {"High Security",
     "all attempted connections is compromising as hackers and trojan server, comes up with an alert. only when a "
     "hacker is believed to be present in the system also will terminate application immediately"},
};
}  // namespace

void frmMain::Slider3_Change() {
    const int level = Slider3.Value();
    if (level < 1 || level > 3) return;
    const LevelLook& look = kLevels[level - 1];
    lblTitle.Caption(look.title);
    lblDes.Caption(look.description);
    ucSlider3.Value(level);
    forms::Menu* entries[] = {&low, &mdm, &hg};
    // The marks of the other levels are left as they are.
    entries[level - 1]->Checked(true);
}

}  // namespace qv::ui
