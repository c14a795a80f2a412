// The main window's life: creation opens the data stores, loading fills the window and starts its
// timers, the timers drive the engine and the views, and unloading ends the program through the
// orderly end.
#include <cstdint>
#include <optional>

#include "controls/balloon.h"
#include "engine/cini.h"
#include "engine/conf.h"
#include "engine/main_window.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "platform/base/clock.h"
#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/forms/instances.h"
#include "platform/forms/runtime.h"
#include "ui/main/companions.h"
#include "ui/main/engine_view.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_form.h"
#include "ui/main/option_value.h"
#include "ui/main/program_end.h"
#include "ui/main/run_state.h"
#include "ui/main/store_files.h"
#include "ui/main/window_shape.h"

namespace qv::ui {

namespace {

// The balloon tips the window attaches as it loads, in order.
struct Tip {
    forms::Control& (*control)(frmMain&);
    const char* text;
};
const Tip kTips[] = {
    {[](frmMain& f) -> forms::Control& { return f.lvLog; }, "This is a traffic logs"},
    {[](frmMain& f) -> forms::Control& { return f.lvSec; }, "This is a security logs"},
    {[](frmMain& f) -> forms::Control& { return f.lvwLog; }, "This is a port logs"},
    {[](frmMain& f) -> forms::Control& { return f.Frame5; }, "Bandwith monitor"},
    {[](frmMain& f) -> forms::Control& { return f.Frame3; }, "A status monitor for real time of connection"},
    {[](frmMain& f) -> forms::Control& { return f.Slider3; }, "Status security level"},
    {[](frmMain& f) -> forms::Control& { return f.ListView1; }, "Statistic for TCP connection"},
    {[](frmMain& f) -> forms::Control& { return f.ListView2; }, "Statistic for IP connection"},
    {[](frmMain& f) -> forms::Control& { return f.ListView3; }, "Statistic for UDP connection"},
    {[](frmMain& f) -> forms::Control& { return f.ListView4; }, "Statistic for ICMP connection"},
};

// The port-log kinds of Conf\filter.ini, section "Log".
const char* const kLogKeys[] = {"Listening", "Connected", "Blocked", "ICMP"};

constexpr std::size_t kShapeBytes = regionBytes(1);

}  // namespace

void frmMain::Form_Initialize() {
    setRunningMain(this);
    engineScope_ = std::make_unique<engine::ScopedMainWindow>(engineView());
    companions().mainWindowMade(*this);
    markRunning();
    OpenStores();
    // The stores are pointed, and the last run's once-only markers forgotten, before any timer
    // can run a pass.
    engine::RuleStore().Path(engine::RuleStorePath());
    engine::RuleStore().Section("ALREADY");
    engine::RuleStore().DeleteSection();
    engine::GuardStore().Path(engine::GuardStorePath());
}

void frmMain::Form_Load() {
    // Whether another copy runs over this program folder was settled before the folder was
    // touched; a second copy never gets this far.
    makeViews();
    if (ilTray.Count() >= 10) SysTray.TrayIcon(ilTray(10).Picture);
    LogTrafficx();
    LogSecurityx();
    // The options are not read yet: the boxes hold their designer values here.
    ucSlider5.Value(chkAct(2).Value() == 1 && chkAct(1).Value() == 1 ? 10 : 5);
    if (Check11.Value() == 1) {
        controls::CreateBalloon(hWnd());
        for (const Tip& tip : kTips) controls::AddBalloonTip(tip.control(*this).hWnd(), tip.text);
    }
    loadset();
    logstat();
    Logging = true;
    for (int i = 0; i < 4; ++i) {
        // A kind without a number in the file (a missing entry reads "Empty...") keeps its
        // designer value.
        if (auto v = wholeNumberIn(engine::ReadConf("Log", kLogKeys[i], "filter.ini"), 0, 2)) chkLog(i).Value(*v);
    }
    const bool blockAll = Check2.Value() == 1;
    Img_true_b.Visible(blockAll);
    Img_false_b.Visible(!blockAll);
    const bool allowAll = Check1.Value() == 1;
    Img_true_a.Visible(allowAll);
    Img_false_a.Visible(!allowAll);
    ApplyWindowShape(*this, PicHiddenData, kShapeBytes);

    for (forms::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9, &Timer11,
                            &Timer12, &Timer13})
        t->Enabled(true);
}

void frmMain::Form_Unload(int& Cancel) {
    // The window stays; the program ends through the one orderly end instead.
    Cancel = 1;
    RequestEnd();
}

void frmMain::Form_Terminate() { resetRunState(); }

void frmMain::Timer1_Timer() { engine::PollConnections(false); }

void frmMain::Timer2_Timer() {
    Timer2.Enabled(false);
    if (ilTray.Count() >= 10) SysTray.TrayIcon(ilTray(10).Picture);
    checkset();
}

void frmMain::Timer10_Timer() {
    forms::Unload(*this);
    Timer10.Enabled(false);
}

void frmMain::Timer11_Timer() {
    Timer11.Enabled(false);
    base::makeDir(base::inProgramFolder("Logs"));
    // Online, the check closes itself as it loads; only a window still loaded is shown.
    MainForm& check = forms::Default<MainForm>();
    if (check.loaded()) check.Show();
}

void frmMain::Pause(double seconds) {
    const double start = static_cast<double>(static_cast<std::int64_t>(base::Timer()));
    forms::runUntil([&] {
        double elapsed = base::Timer() - start;
        if (elapsed < 0) elapsed += 86400;  // past midnight the timer starts again from 0
        return elapsed >= seconds;
    });
}

}  // namespace qv::ui
