// How a person works the running main window: the tray icon, the tray menu's option and
// permission entries, the application list's rule menu, the buttons, dragging the window, and
// the percentage bars it draws for the traffic log.
#include <gtest/gtest.h>

#include "engine/cini.h"
#include "engine/stores.h"
#include "platform/base/files.h"
#include "platform/gui/shell.h"
#include "tests/ui/input.h"
#include "tests/ui/program_fixture.h"
#include "tests/ui/recording_companions.h"
#include "ui/main/frm_about.h"
#include "ui/main/frm_help.h"

namespace qv::ui {
namespace {

using testing::click;
using testing::clickItem;
using testing::PopupAnswers;
using testing::ProgramTest;
using testing::RecordingCompanions;
using testing::trayClick;
using testing::trayEvent;

constexpr const char* kAlpha = "C:\\Apps\\alpha.exe";
constexpr const char* kBeta = "C:\\Apps\\beta.exe";

class Commands : public ProgramTest {
protected:
    Commands() {
        twoApplications();
        // Rules for both, so that no alert stands between a pass and the list.
        writeRule(kAlpha, "2");
        writeRule(kBeta, "2");
        startProgram();
        forms::advance(300);
    }
    // alpha and beta (400), with a connection each, in that order.
    void twoApplications(std::uint32_t alphaPid = 300) {
        sim.removeProcess(300);
        sim.removeProcess(alphaPid);
        sim.removeProcess(400);
        addApp(alphaPid, kAlpha);
        connect(alphaPid, 1050, 9, 443);
        addApp(400, kBeta);
        connect(400, 1060, 7, 80);
    }
    static void writeRule(const std::string& path, const std::string& value) {
        engine::cINI& r = engine::RuleStore();
        r.Path(engine::RuleStorePath());
        r.Section("RULES");
        r.Key(path);
        r.Value(value);
    }
    static std::string ruleOf(const std::string& path) {
        engine::cINI& r = engine::RuleStore();
        r.Section("RULES");
        r.Key(path);
        r.Default("<none>");
        return r.Value();
    }
    // The number of traffic-log lines: each full pass writes one a connection.
    std::size_t trafficLines() const {
        auto text = base::readFile((program_ / "Logs/traffic_12_10_2026.log").string());
        return text ? static_cast<std::size_t>(std::count(text->begin(), text->end(), '\n')) : 0;
    }
    // The main window shown with its application list filled by a pass.
    void showApplications() {
        main().Visible(true);
        engine::PollConnections(true);
        ASSERT_EQ(main().lvFirewall.ListItems().Count(), 2);
    }
    RecordingCompanions companions_;
};

TEST_F(Commands, TheTrayIconOpensTheMenuOrTheWindowAfterAForcedPass) {
    struct Case {
        int check13;
        gui::MessageId message;
        bool menu;
    };
    const Case cases[] = {
        {1, gui::WM_LBUTTONUP, true},      {1, gui::WM_RBUTTONUP, true},   {1, gui::WM_LBUTTONDBLCLK, true},
        {0, gui::WM_LBUTTONUP, false},     {0, gui::WM_RBUTTONDBLCLK, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.check13) + " / " + std::to_string(c.message));
        PopupAnswers popups;
        main().Visible(false);
        main().Check13.Value(c.check13);
        const std::size_t before = trafficLines();
        trayEvent(main().SysTray, c.message);
        EXPECT_EQ(trafficLines(), before + 2);  // a forced pass, though nothing changed
        EXPECT_EQ(popups.opened, c.menu ? std::vector<std::string>{"mnuPop"} : std::vector<std::string>{});
        EXPECT_EQ(main().Visible(), !c.menu);
    }
    // A press or a move alone does nothing.
    PopupAnswers popups;
    main().Visible(false);
    trayEvent(main().SysTray, gui::WM_LBUTTONDOWN);
    trayEvent(main().SysTray, gui::WM_MOUSEMOVE);
    EXPECT_TRUE(popups.opened.empty());
    EXPECT_FALSE(main().Visible());
}

TEST_F(Commands, TheMenusOptionEntriesOnlyFollowTheirBoxes) {
    frmMain& f = main();
    struct Case {
        forms::Menu& entry;
        forms::CheckBox& box;
        int value;
        bool marked;
        int valueAfter;
    };
    const Case cases[] = {
        {f.eac, f.Check6, 1, true, 1}, {f.eac, f.Check6, 0, false, 0}, {f.eac, f.Check6, 2, false, 0},
        {f.plsy, f.Check7, 1, true, 1}, {f.plsy, f.Check7, 0, false, 0}, {f.efl, f.Check8, 1, true, 1},
        {f.efl, f.Check8, 2, false, 0},
        // The permission entries mark themselves and leave the box as it is.
        {f.Alw, f.Check1, 1, true, 1}, {f.Alw, f.Check1, 0, false, 0}, {f.Blc, f.Check2, 1, true, 1},
        {f.Blc, f.Check2, 2, false, 2}, {f.ask, f.Check5, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.Name() + " with " + std::to_string(c.value));
        c.box.Value(c.value);
        c.entry.Checked(!c.marked);
        PopupAnswers popups;  // in the submenus Options and Traffic Permission of the tray menu
        popups.choose = c.entry.Name();
        trayClick(f.SysTray);
        ASSERT_EQ(popups.opened, std::vector<std::string>{"mnuPop"});
        EXPECT_EQ(c.entry.Checked(), c.marked);
        EXPECT_EQ(c.box.Value(), c.valueAfter);
    }
}

TEST_F(Commands, TheMenuAndTheButtonsOpenWindowsAndShowTheMainWindow) {
    frmMain& f = main();
    f.Visible(false);
    {
        PopupAnswers popups;
        popups.choose = "mnuOpen";
        trayClick(f.SysTray);
    }
    EXPECT_TRUE(f.Visible());
    click(f.PictureButton2);
    click(f.PictureButton3);
    click(f.PictureButton4);
    click(f.isButton1);
    EXPECT_EQ(companions_.asked,
              (std::vector<std::string>{"frmport", "frmApplications", "frmfilter", "frmGraph"}));
    {
        PopupAnswers popups;
        popups.choose = "mnuabout";
        trayClick(f.SysTray);
    }
    EXPECT_TRUE(forms::IsVisible<frmAbout>());
    // The support entries are out of sight, so no one reaches the help window's entry but its
    // own code; Help and About of that submenu do nothing.
    EXPECT_FALSE(f.sprt.Visible());
    EXPECT_FALSE(f.jkj.Visible());
    f.hlp.choose();
    f.abt.choose();
    EXPECT_FALSE(forms::IsLoaded<frmHelp>());
    f.brp.choose();
    EXPECT_TRUE(forms::IsVisible<frmHelp>());
}

TEST_F(Commands, TheUpdaterStartsFromTheProgramFolder) {
    gui::RecordingShell shell;
    gui::ScopedShell useShell(shell);
    main().Visible(true);
    click(main().isButton2);
    EXPECT_FALSE(main().Visible());
    ASSERT_EQ(shell.requests.size(), 1u);
    const gui::ShellRequest& r = shell.requests[0];
    EXPECT_EQ(r.operation, "open");
    EXPECT_EQ(r.file, base::programFolder() + "\\Updates\\Update.exe");
    EXPECT_EQ(r.parameters, "");
    EXPECT_EQ(r.directory, "");
    EXPECT_EQ(r.show, 1);
    EXPECT_EQ(r.hwnd, main().hWnd());
}

TEST_F(Commands, TheRuleMenuActsOnTheApplicationRightClicked) {
    struct Case {
        const char* entry;
        const char* rule;
        int icon;         // the item's small icon after, -1: the item is gone
        bool forcedPass;
        bool closed;      // alpha's connection
        bool terminated;  // alpha's process
    };
    const Case cases[] = {
        {"mnuFirewallAsk", "0", 1, true, false, false},
        {"mnuFirewallBlock", "1", 2, true, true, false},
        {"mnuFirewallTrust", "2", 3, false, false, false},
        {"mnuFirewallTerminate", "3", -1, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        writeRule(kAlpha, "2");
        twoApplications();
        showApplications();
        frmMain& f = main();
        ASSERT_EQ(f.lvFirewall.ListItems()(1).SubItems(2), kAlpha);
        ASSERT_EQ(f.lvFirewall.ListItems()(1).Text(), "(No Application Name)");
        const std::size_t before = trafficLines();
        const std::size_t deletedBefore = sim.deletedConnections().size();

        PopupAnswers popups;
        popups.choose = c.entry;
        clickItem(f.lvFirewall, 1, forms::kRightButton);
        ASSERT_EQ(popups.opened, std::vector<std::string>{"mnuFirewall"});
        EXPECT_EQ(f.mnuFirewall.Tag(), "1");
        // The application's file name stands in for a missing description.
        EXPECT_EQ(f.mnuFirewallTrust.Caption(), "Trust alpha.exe");
        EXPECT_EQ(f.mnuFirewallAsk.Caption(), "Ask alpha.exe");
        EXPECT_EQ(f.mnuFirewallBlock.Caption(), "Block alpha.exe");
        EXPECT_EQ(f.mnuFirewallTerminate.Caption(), "Always Terminate alpha.exe");

        EXPECT_EQ(ruleOf(kAlpha), c.rule);
        EXPECT_EQ(trafficLines() > before, c.forcedPass);
        EXPECT_EQ(sim.deletedConnections().size() > deletedBefore, c.closed);
        EXPECT_EQ(sim.hasProcess(300), !c.terminated);
        EXPECT_EQ(ruleOf(kBeta), "2");
        if (c.icon < 0) {
            EXPECT_EQ(f.lvFirewall.ListItems().Count(), 1);
            EXPECT_EQ(f.lvFirewall.ListItems()(1).SubItems(2), kBeta);
        } else if (!c.forcedPass) {
            EXPECT_EQ(f.lvFirewall.ListItems()(1).SmallIcon, c.icon);
        }
    }
}

TEST_F(Commands, ALeftClickOrAnEmptyListOpensNoRuleMenu) {
    showApplications();
    PopupAnswers popups;
    popups.choose = "mnuFirewallTrust";
    clickItem(main().lvFirewall, 1, forms::kLeftButton);
    EXPECT_EQ(main().mnuFirewall.Tag(), "1");
    main().lvFirewall.ListItems().Clear();
    clickItem(main().lvFirewall, 1, forms::kRightButton);
    EXPECT_TRUE(popups.opened.empty());
    EXPECT_EQ(ruleOf(kAlpha), "2");
}

TEST_F(Commands, ARuleEntryChosenAfterThePassRebuiltTheListDoesNothing) {
    showApplications();
    frmMain& f = main();
    for (const char* entry : {"mnuFirewallTrust", "mnuFirewallBlock", "mnuFirewallTerminate"}) {
        SCOPED_TRACE(entry);
        twoApplications();
        engine::PollConnections(true);
        ASSERT_EQ(f.lvFirewall.ListItems()(1).SubItems(2), kAlpha);
        PopupAnswers popups;
        popups.choose = entry;
        // While the menu is open alpha goes and a pass rebuilds the list: beta is item 1 then.
        popups.meanwhile = [this] {
            sim.removeProcess(300);
            engine::PollConnections(true);
        };
        clickItem(f.lvFirewall, 1, forms::kRightButton);
        ASSERT_EQ(popups.opened, std::vector<std::string>{"mnuFirewall"});
        EXPECT_EQ(f.mnuFirewallTerminate.Caption(), "Always Terminate alpha.exe");
        ASSERT_EQ(f.lvFirewall.ListItems()(1).SubItems(2), kBeta);
        EXPECT_EQ(ruleOf(kAlpha), "2");
        EXPECT_EQ(ruleOf(kBeta), "2");
        EXPECT_TRUE(sim.hasProcess(400));
        EXPECT_EQ(f.lvFirewall.ListItems().Count(), 1);
        EXPECT_EQ(f.lvFirewall.ListItems()(1).SmallIcon, 0);
    }
}

TEST_F(Commands, TerminateSparesAProcessThatIsNoLongerTheOneClicked) {
    showApplications();
    frmMain& f = main();
    PopupAnswers popups;
    popups.choose = "mnuFirewallTerminate";
    // While the menu is open alpha restarts under another process id and a pass sees it: the
    // item still shows alpha.
    popups.meanwhile = [this] {
        twoApplications(310);
        engine::PollConnections(true);
    };
    clickItem(f.lvFirewall, 1, forms::kRightButton);
    ASSERT_EQ(f.lvFirewall.ListItems().Count(), 1);
    EXPECT_EQ(f.lvFirewall.ListItems()(1).SubItems(2), kBeta);
    EXPECT_EQ(ruleOf(kAlpha), "3");
    EXPECT_TRUE(sim.hasProcess(310));  // the next pass ends it, by the rule
}

TEST_F(Commands, TheWindowIsDraggedByItsSurfaceWhileMoveableIsChecked) {
    main().Visible(true);
    testing::expectDraggedOnlyWhileMoveable(main(), main().Check12, 420, 20);  // the heading, beside the title
}

TEST_F(Commands, PercentBarsOneImagePerWidth) {
    frmMain& f = main();
    // The traffic log's load drew the bars of 1440 twips, one per pixel, in the button face.
    ASSERT_EQ(f.ImageList2.Count(), 96);
    const gfx::Colour face = gfx::sysColour(gfx::kColourButtonFace);
    const gfx::Canvas& fourth = f.ImageList2(4).Picture->image();
    EXPECT_EQ(fourth.width(), 96);
    // Four pixels filled blue inside the black edge, the rest the button face.
    EXPECT_EQ(fourth.pixel(0, 8), 0u);
    EXPECT_EQ(fourth.pixel(2, 8), 0xFF0000u);
    EXPECT_EQ(fourth.pixel(92, 12), face);
    EXPECT_EQ(fourth.pixel(95, 8), 0u);
    EXPECT_EQ(f.ImageList2(96).Picture->image().pixel(92, 12), 0xFF0000u);

    int16_t width = 40 * 15;
    f.DrawPercentBar(width);
    ASSERT_EQ(f.ImageList2.Count(), 96 + 40);
    const gfx::Canvas& tenth = f.ImageList2(4).Picture->image();
    EXPECT_EQ(tenth.width(), 40);
    EXPECT_EQ(tenth.pixel(2, 8), 0xFF0000u);
    EXPECT_EQ(tenth.pixel(36, 12), face);
    EXPECT_EQ(tenth.pixel(39, 8), 0u);
}

}  // namespace
}  // namespace qv::ui
