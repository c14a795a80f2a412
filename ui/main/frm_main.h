#pragma once
// frmMain: the main window, and the program's store of options and of the state the engine and
// the other windows share. This holds the shared controls with their designer values (from the
// design "frmMain"), the options file Conf\config.ini with its reader and writer, the Run value,
// the mutual exclusion of the permission boxes, and the presentation of the security level.
// The engine reaches the shared state through engineView().
#include <memory>
#include <string>

#include "controls/slider.h"
#include "controls/sys_tray.h"
#include "engine/main_window.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/slider.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/timer.h"

namespace qv::ui {

class frmMain : public forms::Form {
public:
    frmMain();
    ~frmMain() override;

    // Options file and menu marks.
    void loadset();
    void saveset();
    void checkset();

    // The permission boxes: each clears the other two and shows its own mode on the gauge.
    void Check1_Click();
    void Check2_Click();
    void Check5_Click();
    // The security level's title, description, gauge and menu mark.
    void Slider3_Change();

    // The shared state as the engine reads and writes it.
    engine::MainWindow& engineView();

    // Options.
    forms::CheckBox Check1{*this, "Check1"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::CheckBox Check3{*this, "Check3"};
    forms::CheckBox Check4{*this, "Check4"};
    forms::CheckBox Check5{*this, "Check5"};
    forms::CheckBox Check6{*this, "Check6"};
    forms::CheckBox Check7{*this, "Check7"};
    forms::CheckBox Check8{*this, "Check8"};
    forms::CheckBox Check9{*this, "Check9"};
    forms::CheckBox Check11{*this, "Check11"};
    forms::CheckBox Check12{*this, "Check12"};
    forms::CheckBox Check13{*this, "Check13"};
    forms::CheckBox Check14{*this, "Check14"};
    forms::ControlArray<forms::CheckBox> chkAct{*this, "chkAct"};
    forms::ControlArray<forms::CheckBox> chkLog{*this, "chkLog"};
    forms::Slider Slider3{*this, "Slider3"};

    // Gauges and counters.
    controls::ucSlider ucSlider1{*this, "ucSlider1"};
    controls::ucSlider ucSlider2{*this, "ucSlider2"};
    controls::ucSlider ucSlider3{*this, "ucSlider3"};
    controls::ucSlider ucSlider4{*this, "ucSlider4"};
    controls::ucSlider ucSlider5{*this, "ucSlider5"};
    forms::Label lblIncoming{*this, "lblIncoming"};
    forms::Label lblOutgoing{*this, "lblOutgoing"};
    forms::Label lblBlocked{*this, "lblBlocked"};
    forms::Label LBL{*this, "LBL"};
    forms::Label lblTitle{*this, "lblTitle"};
    forms::Label lblDes{*this, "lblDes"};

    // Lists.
    forms::ListView lvFirewall{*this, "lvFirewall"};
    forms::ListView lvwLog{*this, "lvwLog"};
    forms::ListView lvLog{*this, "lvLog"};
    forms::ListView lvSec{*this, "lvSec"};
    forms::ListView ListView1{*this, "ListView1"};
    forms::ListView ListView2{*this, "ListView2"};
    forms::ListView ListView3{*this, "ListView3"};
    forms::ListView ListView4{*this, "ListView4"};

    // The tray icon and its pictures, the timers.
    controls::cSysTray SysTray{*this, "SysTray"};
    forms::ImageList ilTray{*this, "ilTray"};
    forms::ImageList ImageList2{*this, "ImageList2"};
    forms::Timer Timer2{*this, "Timer2"};
    forms::Timer Timer13{*this, "Timer13"};

    // The tray menu's option, level and permission entries.
    forms::Menu mnuPop{*this, "mnuPop"};
    forms::Menu opts{*this, "opts"};
    forms::Menu plsy{*this, "plsy"};
    forms::Menu efl{*this, "efl"};
    forms::Menu eac{*this, "eac"};
    forms::Menu sl{*this, "sl"};
    forms::Menu hg{*this, "hg"};
    forms::Menu mdm{*this, "mdm"};
    forms::Menu low{*this, "low"};
    forms::Menu prm{*this, "prm"};
    forms::Menu Alw{*this, "Alw"};
    forms::Menu Blc{*this, "Blc"};
    forms::Menu ask{*this, "ask"};

    // True once the window has finished loading.
    bool Logging = false;

private:
    class EngineView;
    // Read into, or write from, Value the entry Section/Key of Conf\config.ini; false when the
    // read gave nothing or the write failed (after the error box).
    bool ReadConfigValue();
    bool WriteConfigValue();
    void permissionClicked(forms::CheckBox& self, int mode);
    void saveRunValue();

    std::string Section, Key, Value;
    bool readErrorShown_ = false;  // the read error box shows once per loadset
    bool inPermissionClick_ = false;
    std::unique_ptr<EngineView> engineView_;
};

}  // namespace qv::ui
