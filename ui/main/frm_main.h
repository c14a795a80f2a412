#pragma once
// frmMain: the main window, and the program's store of options and of the state the engine and
// the other windows share. Creating it opens the data stores; loading it reads the options, puts
// the icon in the tray and starts the timers that drive the engine; unloading it ends the
// program through the one orderly end. The code is spread over files named for what they hold:
// options.cpp (options file, Run value, menu marks), security_level.cpp, main_life_cycle.cpp
// (creation, loading, unloading, timers), percent_bar.cpp, tray_menu.cpp (tray icon, tray menu,
// quit confirmation), rule_menu.cpp (the application list's rule menu), main_buttons.cpp and
// views.cpp (the statistics, interface and log views on the window's controls).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "controls/button.h"
#include "controls/picture_button.h"
#include "controls/slider.h"
#include "controls/sys_tray.h"
#include "engine/main_window.h"
#include "platform/forms/common/image_list.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/slider.h"
#include "platform/forms/common/winsock.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "ui/main/form_drag.h"

namespace qv::engine {
class CIpHelper;
class ScopedMainWindow;
}  // namespace qv::engine

namespace qv::ui {

class Bandwidth;
class InterfaceStatus;
class StatisticsViews;

class frmMain : public forms::Form {
public:
    frmMain();
    ~frmMain() override;

    // Life cycle.
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_Terminate() override;
    // Dragging the window by its surface.
    void Form_MouseDown(int Button, int /*Shift*/, float X, float Y) override { drag_.MouseDown(Button, X, Y); }
    void Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y) override { drag_.MouseMove(X, Y); }
    void Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) override { drag_.MouseUp(); }

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

    // "Are you sure to quit?": Yes ends the program a second later; No hides the window.
    void ConfirmQuit();
    // One image per bar width in ImageList2, image i showing i pixels filled.
    void DrawPercentBar(int16_t& width);
    // Waits that many seconds while the window's events run.
    void Pause(double seconds);

    // The statistics and log views.
    void LogTrafficx();
    void LogSecurityx();
    void logstat();
    void ShowInterfaceStatus();
    void ShowBandwidth();
    void RefreshTcpStats();
    void RefreshIpStats();
    void RefreshUdpStats();
    void RefreshIcmpStats();

    // Tray icon, tray menu and the application list's rule menu.
    void SysTray_MouseUp(int& Button, std::int32_t& id);
    void SysTray_MouseDblClick(int& Button, std::int32_t& id);
    void mnuOpen_Click();
    void plsy_Click();
    void efl_Click();
    void eac_Click();
    void Alw_Click();
    void Blc_Click();
    void ask_Click();
    void brp_Click();
    void mnuabout_Click();
    void exits_Click();
    void lvFirewall_MouseDown(int Button, int Shift, float x, float y);
    void mnuFirewallTrust_Click();
    void mnuFirewallAsk_Click();
    void mnuFirewallBlock_Click();
    void mnuFirewallTerminate_Click();

    // Buttons.
    void PictureButton1_Click();
    void PictureButton2_Click();
    void PictureButton3_Click();
    void PictureButton4_Click();
    void isButton1_Click();
    void isButton2_Click();

    // The shared state as the engine reads and writes it.
    engine::MainWindow& engineView();

    // The heading: its band first, so what sits on it is drawn above it.
    forms::Shape Shape1{*this, "Shape1"};
    forms::Image Image2{*this, "Image2"};
    forms::Label Label1{*this, "Label1"};
    forms::Label Label2{*this, "Label2"};

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
    forms::Image Img_true_a{*this, "Img_true_a"};
    forms::Image Img_false_a{*this, "Img_false_a"};
    forms::Image Img_true_b{*this, "Img_true_b"};
    forms::Image Img_false_b{*this, "Img_false_b"};

    // The interface status and the bandwidth figure. Label16, Label14 and Label15 are working
    // fields out of sight below their frame.
    forms::Label lblType{*this, "lblType"};
    forms::Label lblRecv{*this, "lblRecv"};
    forms::Label lblSent{*this, "lblSent"};
    forms::Image Image1{*this, "Image1"};
    forms::Label Label11{*this, "Label11"};
    forms::Label Label12{*this, "Label12"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label14{*this, "Label14"};
    forms::Label Label15{*this, "Label15"};
    forms::Label Label16{*this, "Label16"};

    // Lists.
    forms::ListView lvFirewall{*this, "lvFirewall"};
    forms::ListView lvwLog{*this, "lvwLog"};
    forms::ListView lvLog{*this, "lvLog"};
    forms::ListView lvSec{*this, "lvSec"};
    forms::ListView ListView1{*this, "ListView1"};
    forms::ListView ListView2{*this, "ListView2"};
    forms::ListView ListView3{*this, "ListView3"};
    forms::ListView ListView4{*this, "ListView4"};
    forms::ListView ListView5{*this, "ListView5"};

    // Pages and frames.
    forms::XTab XTab1{*this, "XTab1"};
    forms::XTab XTab2{*this, "XTab2"};
    forms::XTab XTab3{*this, "XTab3"};
    forms::XTab XTab4{*this, "XTab4"};
    forms::XTab XTab5{*this, "XTab5"};
    forms::Frame Frame3{*this, "Frame3"};
    forms::Frame Frame5{*this, "Frame5"};

    // Buttons.
    controls::PictureButton PictureButton1{*this, "PictureButton1"};
    controls::PictureButton PictureButton2{*this, "PictureButton2"};
    controls::PictureButton PictureButton3{*this, "PictureButton3"};
    controls::PictureButton PictureButton4{*this, "PictureButton4"};
    controls::isButton isButton1{*this, "isButton1"};
    controls::isButton isButton2{*this, "isButton2"};

    // The tray icon and its pictures, the list icons, the percentage bars and the shape.
    controls::cSysTray SysTray{*this, "SysTray"};
    forms::ImageList ilTray{*this, "ilTray"};
    forms::ImageList ilListview{*this, "ilListview"};
    forms::ImageList ImageList1{*this, "ImageList1"};
    forms::ImageList ImageList2{*this, "ImageList2"};
    forms::PictureBox Picture2{*this, "Picture2"};
    forms::PictureBox PicHiddenData{*this, "PicHiddenData"};

    // Timers.
    forms::Timer Timer1{*this, "Timer1"};
    forms::Timer Timer2{*this, "Timer2"};
    forms::Timer Timer3{*this, "Timer3"};
    forms::Timer Timer4{*this, "Timer4"};
    forms::Timer Timer5{*this, "Timer5"};
    forms::Timer Timer6{*this, "Timer6"};
    forms::Timer Timer7{*this, "Timer7"};
    forms::Timer Timer8{*this, "Timer8"};
    forms::Timer Timer9{*this, "Timer9"};
    forms::Timer Timer10{*this, "Timer10"};
    forms::Timer Timer11{*this, "Timer11"};
    forms::Timer Timer12{*this, "Timer12"};
    forms::Timer Timer13{*this, "Timer13"};

    // The tray menu.
    forms::Menu mnuPop{*this, "mnuPop"};
    forms::Menu mnuOpen{*this, "mnuOpen"};
    forms::Menu lnz{*this, "lnz"};
    forms::Menu opts{*this, "opts"};
    forms::Menu plsy{*this, "plsy"};
    forms::Menu efl{*this, "efl"};
    forms::Menu eac{*this, "eac"};
    forms::Menu jhko{*this, "jhko"};
    forms::Menu sl{*this, "sl"};
    forms::Menu hg{*this, "hg"};
    forms::Menu mdm{*this, "mdm"};
    forms::Menu low{*this, "low"};
    forms::Menu poi{*this, "poi"};
    forms::Menu prm{*this, "prm"};
    forms::Menu Alw{*this, "Alw"};
    forms::Menu Blc{*this, "Blc"};
    forms::Menu ask{*this, "ask"};
    forms::Menu jkj{*this, "jkj"};
    forms::Menu sprt{*this, "sprt"};
    forms::Menu hlp{*this, "hlp"};
    forms::Menu brp{*this, "brp"};
    forms::Menu dfd{*this, "dfd"};
    forms::Menu abt{*this, "abt"};
    forms::Menu lkop{*this, "lkop"};
    forms::Menu mnuabout{*this, "mnuabout"};
    forms::Menu jk{*this, "jk"};
    forms::Menu exits{*this, "exits"};

    // The application list's rule menu.
    forms::Menu mnuFirewall{*this, "mnuFirewall"};
    forms::Menu mnuFirewallTrust{*this, "mnuFirewallTrust"};
    forms::Menu mnuFirewallAsk{*this, "mnuFirewallAsk"};
    forms::Menu mnuFirewallBlock{*this, "mnuFirewallBlock"};
    forms::Menu lnx{*this, "lnx"};
    forms::Menu mnuFirewallTerminate{*this, "mnuFirewallTerminate"};

    // Captions beside the controls, and controls no step of the program uses.
    forms::Winsock Winsock1{*this, "Winsock1"};
    forms::CommandButton Command1{*this, "Command1"};
    forms::CommandButton Command2{*this, "Command2"};
    forms::CommandButton cmdViewLog{*this, "cmdViewLog"};
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::PictureBox Picture4{*this, "Picture4"};
    forms::Line Line1{*this, "Line1"};
    forms::ListBox List1{*this, "List1"};
    forms::TextBox Text1{*this, "Text1"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};
    forms::Label Label6{*this, "Label6"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label10{*this, "Label10"};
    forms::Label Label17{*this, "Label17"};
    forms::Label Label18{*this, "Label18"};
    forms::Label Label19{*this, "Label19"};
    forms::Label Label20{*this, "Label20"};
    forms::Label Label21{*this, "Label21"};

    // True once the window has finished loading.
    bool Logging = false;
    // The interface statistics the views read, made as the window loads.
    std::unique_ptr<engine::CIpHelper> IpHelper;
    // The views on the window's lists and labels, made with it.
    std::unique_ptr<StatisticsViews> statistics;
    std::unique_ptr<InterfaceStatus> interfaceStatus;
    std::unique_ptr<Bandwidth> bandwidth;

private:
    class EngineView;
    // Read into, or write from, Value the entry Section/Key of Conf\config.ini; false when the
    // read gave nothing or the write failed (after the error box).
    bool ReadConfigValue();
    bool WriteConfigValue();
    void permissionClicked(forms::CheckBox& self, int mode);
    // The interface statistics and the views on the window's controls.
    void makeViews();
    void saveRunValue();
    void wireEvents();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer() { ShowInterfaceStatus(); }
    void Timer4_Timer() { ShowBandwidth(); }
    void Timer5_Timer() { Timer5.Enabled(false); }
    void Timer6_Timer() { RefreshTcpStats(); }
    void Timer7_Timer() { RefreshIpStats(); }
    void Timer8_Timer() { RefreshUdpStats(); }
    void Timer9_Timer() { RefreshIcmpStats(); }
    void Timer10_Timer();
    void Timer11_Timer();
    void Timer12_Timer() { Timer12.Enabled(false); }
    void Timer13_Timer() { Timer13.Enabled(false); }
    void trayClicked();
    void markOption(forms::CheckBox& box, forms::Menu& entry);
    // Writes the rule of the application the rule menu was opened on; its list item, or nullptr
    // (and nothing written) when the item no longer shows that application.
    forms::ListItem* storeRule(const char* action);
    void showRule(const char* action, int smallIcon, bool forcePass);

    std::string Section, Key, Value;
    bool readErrorShown_ = false;  // the read error box shows once per loadset
    bool inPermissionClick_ = false;
    FormDrag drag_{*this, *this};

    // What the rule menu acts on, taken at the right click that opened it.
    struct RuleTarget {
        int item = 0;         // lvFirewall's item index
        std::string path;     // its application's full path
        int recordIndex = -1;  // the ConnectionTable index in its tag
        std::int32_t processId = 0;
    };
    std::optional<RuleTarget> ruleTarget_;
    // Whether the item still shows the application that was clicked.
    forms::ListItem* ruleItem() const;

    std::unique_ptr<EngineView> engineView_;
    std::unique_ptr<engine::ScopedMainWindow> engineScope_;
};

}  // namespace qv::ui
