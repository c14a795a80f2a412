// The main window's life on the fake clock: the start from the splash, the order in which the
// stores are opened, the options read and the timers started, the timers themselves, the quit
// confirmation and the orderly end with its files and settings.
#include <gtest/gtest.h>

#include <functional>

#include "engine/cini.h"
#include "engine/stores.h"
#include "engine/ui_hooks.h"
#include "platform/gfx/region_data.h"
#include "platform/settings/app_settings.h"
#include "tests/ui/input.h"
#include "tests/ui/program_fixture.h"
#include "tests/ui/recording_companions.h"
#include "ui/main/frm_ads.h"
#include "ui/main/main_form.h"

namespace qv::ui {
namespace {

using testing::ProgramTest;
using testing::RecordingCompanions;

std::string setting(const char* section, const char* key) {
    return settings::GetSetting("quarvelin", section, key, "<none>");
}

class LifeCycle : public ProgramTest {
protected:
    LifeCycle() {
        // A rule store from the last run, sealed, with a once-only marker that must not survive.
        const std::string rules = base::programFolder() + "\\Data\\Firewall.qvl";
        EXPECT_TRUE(base::writeFileAtomic(rules, "[RULES]\r\nC:\\a.exe=2\r\n[ALREADY]\r\nC:\\a.exe1031802=YES\r\n"));
        cipher::CryptFile(rules, rules, kDataFileKey, "");
        addApp(300, "C:\\Program Files\\Browser\\browser.exe");
        connect(300, 1050, 9, 443);
    }
    std::string rule(const char* section, const char* key) {
        engine::cINI& r = engine::RuleStore();
        r.Section(section);
        r.Key(key);
        r.Default("-");
        return r.Value();
    }
    RecordingCompanions companions_;
};

TEST_F(LifeCycle, StartsInTheTrayWithTheStoresOpenedBeforeAnyTimerRuns) {
    // The port-log kinds of the filter file: a number is taken, anything else leaves the box.
    const std::string filter = base::programFolder() + "\\Conf\\filter.ini";
    ASSERT_TRUE(base::writeFileAtomic(filter, "[Log]\r\nListening=1\r\nConnected=yes\r\nICMP=2\r\n"));
    cipher::CryptFile(filter, filter, kDataFileKey, "");
    sim.setInternetState({false, 0});
    prompter_.answers = {forms::vbYes};
    struct Step {
        const char* what;
        int64_t ms;  // since the step before
        std::function<void()> check;
    };
    const Step steps[] = {
        {"before the splash", 0,
         [&] {
             EXPECT_TRUE(exists("Data/Guard.exe"));
             EXPECT_FALSE(exists("Data/Guard.qvl"));
             EXPECT_EQ(setting("Settings", "who"), "<none>");
         }},
        {"the splash's 100th tick", 100 * 101,
         [&] {
             EXPECT_TRUE(forms::IsVisible<splash>());
             EXPECT_EQ(runningMain(), nullptr);
             EXPECT_TRUE(exists("Data/Firewall.exe"));
         }},
        {"the 101st tick: the main window, hidden", 101,
         [&] {
             EXPECT_FALSE(forms::IsLoaded<splash>());
             ASSERT_NE(runningMain(), nullptr);
             EXPECT_FALSE(main().Visible());
             EXPECT_EQ(setting("Settings", "who"), "1");
             EXPECT_TRUE(exists("Data/Guard.qvl"));
             EXPECT_FALSE(exists("Data/Guard.exe"));
             EXPECT_FALSE(exists("Data/Firewall.exe"));
             EXPECT_EQ(engine::RuleStore().Path(), engine::RuleStorePath());
             EXPECT_EQ(engine::GuardStore().Path(), engine::GuardStorePath());
             EXPECT_EQ(rule("ALREADY", "C:\\a.exe1031802"), "-");
             EXPECT_EQ(rule("RULES", "C:\\a.exe"), "2");
             EXPECT_EQ(main().Slider3.Value(), 2);  // the shipped options
             EXPECT_EQ(main().ucSlider5.Value(), 10);
             EXPECT_EQ(main().chkLog(0).Value(), 1);
             EXPECT_EQ(main().chkLog(1).Value(), 0);
             EXPECT_EQ(main().chkLog(2).Value(), 0);
             EXPECT_EQ(main().chkLog(3).Value(), 2);
             EXPECT_TRUE(main().Logging);
             EXPECT_TRUE(main().Timer1.running());
             EXPECT_FALSE(main().Timer10.running());
             EXPECT_EQ(ws_.notificationArea().icons().size(), 1u);
             EXPECT_EQ(main().SysTray.TrayIcon(), main().ilTray(10).Picture);
             EXPECT_EQ(engine::pollState().lastRowCount, 0);  // no pass yet
             EXPECT_FALSE(exists("Logs"));
             EXPECT_FALSE(forms::IsLoaded<MainForm>());
         }},
        {"50 ms later: the start-up step", 50,
         [&] {
             EXPECT_FALSE(main().Timer11.Enabled());
             EXPECT_TRUE(exists("Logs"));
             // The connection check ran: offline, it asked whether to go on, and Yes closed it.
             ASSERT_EQ(prompter_.boxes.size(), 1u);
             EXPECT_EQ(prompter_.boxes[0].title, "Quarvelin");
             EXPECT_FALSE(forms::IsLoaded<MainForm>());
             EXPECT_FALSE(EndRequested());
         }},
        {"200 ms after the load: the first pass", 150,
         [&] {
             EXPECT_EQ(engine::pollState().lastRowCount, 1);
             EXPECT_NE(rule("ALREADY", "C:\\Program Files\\Browser\\browser.exe1050443" "10.0.0.9"), "-");
         }},
    };
    forms::Default<splash>().Show();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        forms::advance(s.ms);
        s.check();
    }
}

TEST_F(LifeCycle, TheTimersRunAsDesigned) {
    sim.removeConnection(row(1050, 9, 443));  // a quiet machine: no pass ever runs
    startProgram();
    frmMain& f = main();
    struct Row {
        forms::Timer& timer;
        int interval;
        bool counting;
    };
    const Row rows[] = {{f.Timer1, 200, true},  {f.Timer2, 5000, true},  {f.Timer3, 10, true},
                        {f.Timer4, 1000, true}, {f.Timer5, 1000, true},  {f.Timer6, 250, true},
                        {f.Timer7, 0, false},   {f.Timer8, 0, false},    {f.Timer9, 0, false},
                        {f.Timer10, 1000, false}, {f.Timer11, 50, true}, {f.Timer12, 5000, true},
                        {f.Timer13, 6500, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.timer.Name());
        EXPECT_EQ(r.timer.Interval(), r.interval);
        EXPECT_EQ(r.timer.running(), r.counting);
        // Timer7 to Timer9 are enabled but, with no interval, never fire.
        EXPECT_EQ(r.timer.Enabled(), r.timer.Name() != "Timer10");
    }

    // Timer2 fires once, 5 s after the load, even before a pass enabled it again: the resting
    // icon comes back and the menu marks follow the boxes.
    f.Check7.Value(0);
    f.plsy.Checked(true);
    f.SysTray.TrayIcon(f.ilTray(13).Picture);
    forms::advance(4999);
    EXPECT_TRUE(f.plsy.Checked());
    forms::advance(1);
    EXPECT_FALSE(f.plsy.Checked());
    EXPECT_EQ(f.SysTray.TrayIcon(), f.ilTray(10).Picture);
    forms::advance(20000);
    EXPECT_FALSE(f.Timer2.Enabled());
    for (forms::Timer* once : {&f.Timer5, &f.Timer11, &f.Timer12, &f.Timer13}) EXPECT_FALSE(once->Enabled()) << once->Name();
    EXPECT_TRUE(f.Timer1.Enabled());
}

TEST_F(LifeCycle, TheQuitQuestion) {
    struct Case {
        int answer;
        int check9;
        bool visibleAfter;
        bool passRan;
        bool ends;
    };
    const Case cases[] = {
        {forms::vbYes, 1, true, true, true},
        {forms::vbYes, 0, true, true, true},
        {forms::vbNo, 1, false, false, false},
        {forms::vbNo, 0, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.answer) + " with Check9 " + std::to_string(c.check9));
        forms::resetForms();
        forms::resetRuntime();
        ResetProgramEnd();
        engine::pollState() = engine::PollState{};
        startProgram();
        frmMain& f = main();
        forms::advance(300);
        f.Visible(true);
        f.Check9.Value(c.check9);
        // A second connection: only a pass after it sees the table's row count move.
        connect(300, 1051, 9, 80);
        prompter_.boxes.clear();
        prompter_.answers = {c.answer};
        testing::click(f.PictureButton1);
        ASSERT_EQ(prompter_.boxes.size(), 1u);
        EXPECT_EQ(prompter_.boxes[0].text,
                  "Quarvelin may be necessary for reporting and prosecution of potential hackers!\r\n\r\nAre you sure "
                  "to quit?");
        EXPECT_EQ(prompter_.boxes[0].title, "Warning!");
        EXPECT_EQ(prompter_.boxes[0].style, 324);
        EXPECT_EQ(engine::pollState().lastRowCount == 2, c.passRan);
        EXPECT_EQ(f.Visible(), c.visibleAfter);
        EXPECT_EQ(f.Timer10.Enabled(), c.ends);
        forms::advance(999);
        EXPECT_FALSE(forms::ended());
        forms::advance(1);
        EXPECT_EQ(forms::ended(), c.ends);
        forms::resetForms();
        sim.removeConnection(row(1051, 9, 80));
        layOut();
    }
}

TEST_F(LifeCycle, TheEndSealsTheStoresResetsTheSettingsAndSavesTheOptions) {
    startProgram();
    frmMain& f = main();
    forms::advance(300);
    ASSERT_TRUE(base::writeFileAtomic(base::programFolder() + "\\Conf\\filter.ini", "[Log]\r\nListening=1\r\n"));
    f.Check7.Value(0);
    f.Visible(true);
    settings::SaveSetting("quarvelin", "graph", "in", "12");
    prompter_.answers = {forms::vbYes};
    testing::click(f.PictureButton1);
    forms::advance(1000);

    EXPECT_TRUE(forms::ended());
    EXPECT_EQ(files(), (std::vector<std::string>{"Conf/config.ini", "Conf/filter.exe", "Data/Firewall.exe",
                                                 "Data/Guard.exe", "Data/trojan.exe", "Logs/security_12_10_2026.log",
                                                 "Logs/traffic_12_10_2026.log"}));
    for (const char* sealed : {"Conf/filter.exe", "Data/Firewall.exe", "Data/Guard.exe"})
        EXPECT_EQ(cipher::DetectFileType((program_ / sealed).string()), 1) << sealed;
    for (const char* key : {"out", "in", "block"}) EXPECT_EQ(setting("graph", key), "0") << key;
    EXPECT_EQ(setting("Settings", "who"), "0");
    auto config = base::readFile((program_ / "Conf/config.ini").string());
    ASSERT_TRUE(config);
    EXPECT_NE(config->find("Sound=0"), std::string::npos);
    EXPECT_EQ(companions_.asked.back(), "unload frmCon");
}

TEST_F(LifeCycle, TheEndDropsInputToEveryWindowBeforeItSealsTheStores) {
    startProgram();
    forms::advance(300);
    main().Visible(true);
    {
        testing::PopupAnswers popups;  // the tray menu open as the end begins
        popups.meanwhile = [] { RequestEnd(); };
        std::vector<std::string> enabled;
        bool captured = true, focused = true;
        companions_.onUnloadTester = [&] {
            for (gui::HWnd h : ws_.topLevelWindows())
                if (ws_.isEnabled(h)) enabled.push_back(ws_.className(h) + " " + ws_.text(h));
            captured = ws_.capture() != 0;
            focused = ws_.focus() != 0;
        };
        testing::trayClick(main().SysTray);
        EXPECT_EQ(popups.opened, std::vector<std::string>{"mnuPop"});
        ASSERT_EQ(companions_.asked.back(), "unload frmCon");
        EXPECT_TRUE(enabled.empty()) << enabled.front();
        EXPECT_FALSE(captured);
        EXPECT_FALSE(focused);
    }
    EXPECT_TRUE(forms::ended());
    EXPECT_TRUE(ws_.quitPosted()) << "the program's loop returns";
    EXPECT_TRUE(exists("Data/Guard.exe"));
}

TEST_F(LifeCycle, TheBannerLengthensTheRunningMainWindowsTimer13) {
    startProgram();
    frmAds& ads = forms::New<frmAds>();
    ASSERT_EQ(ads.mainTimer13, &main().Timer13);
    ads.Timer1_Timer();  // its 25 seconds shown are up
    EXPECT_EQ(main().Timer13.Interval(), 10500);
    EXPECT_TRUE(main().Timer13.Enabled());
}

TEST_F(LifeCycle, TheEndRunsOnceAndWaitsForAPassItInterrupts) {
    startProgram();
    forms::advance(300);
    // An end asked for from inside a pass (a message pump let the request in) waits for the pass.
    bool sealedInside = true;
    engine::setDoEventsHandler([&] {
        RequestEnd();
        sealedInside = exists("Data/Guard.exe");
        engine::setDoEventsHandler([] { forms::DoEvents(); });
    });
    connect(300, 1051, 9, 80);
    engine::PollConnections(false);
    EXPECT_FALSE(sealedInside);
    EXPECT_TRUE(EndRequested());
    EXPECT_FALSE(Ending());
    forms::advance(10);  // the loop's next look
    EXPECT_TRUE(Ending());
    EXPECT_TRUE(exists("Data/Guard.exe"));
    EXPECT_TRUE(engine::PassesEnded());

    // A second request, a quit and a pass start nothing.
    ASSERT_TRUE(base::writeFileAtomic(base::programFolder() + "\\Data\\Guard.qvl", "[HACKERS]\r\n"));
    std::filesystem::remove(program_ / "Data/Guard.exe");
    RequestEnd();
    engine::PollConnections(true);
    EXPECT_TRUE(exists("Data/Guard.qvl"));
    EXPECT_FALSE(exists("Data/Guard.exe"));
}

TEST_F(LifeCycle, AStoreThatCannotBeDecryptedIsSetAsideNotOverwritten) {
    const std::string garbage = "not a sealed store";
    ASSERT_TRUE(base::writeFileAtomic((program_ / "Data/Firewall.exe").string(), garbage));
    auto sealed = base::readFile((program_ / "Data/Guard.exe").string());
    ASSERT_TRUE(sealed);
    const std::string cut = sealed->substr(0, 40);
    ASSERT_TRUE(base::writeFileAtomic((program_ / "Conf/filter.exe").string(), cut));
    startProgram();

    EXPECT_EQ(base::readFile((program_ / "Data/Firewall.exe.bad").string()), garbage);
    EXPECT_EQ(base::readFile((program_ / "Conf/filter.exe.bad").string()), cut);
    EXPECT_FALSE(exists("Data/Firewall.exe"));
    EXPECT_TRUE(exists("Data/Guard.qvl"));  // the good one opened as ever
    ASSERT_EQ(prompter_.boxes.size(), 1u);
    EXPECT_NE(prompter_.boxes[0].text.find("Data\\Firewall.exe -> Data\\Firewall.exe.bad"), std::string::npos);
    EXPECT_NE(prompter_.boxes[0].text.find("Conf\\filter.exe -> Conf\\filter.exe.bad"), std::string::npos);
    auto log = base::readFile((program_ / "Logs/security_12_10_2026.log").string());
    ASSERT_TRUE(log);
    EXPECT_NE(log->find("] High - Data\\Firewall.exe could not be decrypted ("), std::string::npos);
    EXPECT_NE(log->find("set aside as Conf\\filter.exe.bad"), std::string::npos);

    // The run stores rules in a new store; the exit seals it beside what was set aside.
    forms::advance(300);
    RequestEnd();
    EXPECT_EQ(base::readFile((program_ / "Data/Firewall.exe.bad").string()), garbage);
    EXPECT_EQ(cipher::DetectFileType((program_ / "Data/Firewall.exe").string()), 1);
}

TEST_F(LifeCycle, TheWindowsTakeTheirShapes) {
    startProgram();
    ASSERT_EQ(main().windowRegion().size(), 48u);
    auto mainShape = gfx::regionFromData(main().windowRegion());
    ASSERT_TRUE(mainShape);
    EXPECT_EQ(mainShape->bounds(), (gfx::Rect{5, 5, 612, 361}));
    EXPECT_NE(ws_.windowRegion(main().hWnd()), nullptr);

    forms::resetForms();
    splash& s = forms::Default<splash>();
    ASSERT_EQ(s.windowRegion().size(), 928u);
    auto splashShape = gfx::regionFromData(s.windowRegion());
    ASSERT_TRUE(splashShape);
    EXPECT_EQ(splashShape->bounds(), (gfx::Rect{7, 130, 304, 236}));
    // The panel's corners are cut away; its middle is whole.
    EXPECT_FALSE(splashShape->contains(7, 130));
    EXPECT_TRUE(splashShape->contains(7, 190));
    EXPECT_TRUE(splashShape->contains(150, 130));
}

TEST_F(LifeCycle, TheSplashCountsToNinetyNinePercent) {
    splash& s = forms::Default<splash>();
    s.Show();
    const std::pair<int, const char*> shown[] = {{0, "0"},    {1, "1%"},   {4, "1%"},   {5, "5%"},  {10, "10%"},
                                                 {20, "20%"}, {45, "45%"}, {84, "45%"}, {85, "84%"}, {95, "94%"},
                                                 {100, "99%"}};
    int ticks = 0;
    for (const auto& [at, label] : shown) {
        forms::advance(int64_t{101} * (at - ticks));
        ticks = at;
        EXPECT_EQ(s.Label1.Caption(), label) << "after " << at << " ticks";
        EXPECT_EQ(s.pB.Value(), at);
    }
    forms::advance(101);
    EXPECT_FALSE(forms::IsLoaded<splash>());
    ASSERT_NE(runningMain(), nullptr);
    EXPECT_FALSE(main().Visible());
}

}  // namespace
}  // namespace qv::ui
