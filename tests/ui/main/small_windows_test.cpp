// The connection check, the help, about and advertisement windows, with their pictures as the
// headless presenter draws them.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/program_folder.h"
#include "platform/forms/msgbox.h"
#include "platform/gui/program_start.h"
#include "platform/gui/window_system.h"
#include "platform/present/render.h"
#include "platform/settings/registry.h"
#include "tests/ui/windows/picture_check.h"
#include "tests/ui/main/views_fixture.h"
#include "ui/main/check_internet_connection_module.h"
#include "ui/main/frm_about.h"
#include "ui/main/frm_ads.h"
#include "ui/main/frm_help.h"
#include "ui/main/main_form.h"
#include "ui/main/orderly_end.h"
#include "ui/main/program_version.h"

namespace qv::ui::testing {
namespace {

class SmallWindows : public ViewsTest {
protected:
    SmallWindows() {
        forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
        forms::setPrompter(&prompter);
        setOrderlyEnd([this] { ++orderlyEnds; });
    }
    ~SmallWindows() override {
        forms::resetForms();
        setOrderlyEnd({});
        forms::setPrompter(nullptr);
    }
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    forms::ScriptedPrompter prompter;
    gui::RecordingProgramStarter starter;
    gui::ScopedProgramStarter useStarter{starter};
    int orderlyEnds = 0;
};

TEST_F(SmallWindows, TheConnectionDescriptionFollowsTheFlags) {
    struct Case {
        host::InternetState state;
        const char* description;
    } cases[] = {
        {{true, host::kInternetLan | host::kInternetConfigured},
         "Internet connection is configured.\r\nInternet connection via a LAN."},
        {{true, host::kInternetModem}, ".Internet connection via a Modem"},
        {{true, host::kInternetLan | host::kInternetProxy},
         "Internet connection via a LAN, and connection is through a proxy server."},
        {{true, host::kInternetOffline | host::kInternetModemBusy | host::kInternetRasInstalled},
         ".Internet connection is currently offline.Modem is busy with a non-Internet connection.Remote Access "
         "Services are installed on local system."},
        {{false, host::kInternetLan | host::kInternetConfigured}, "You are currently not connected to the internet."},
    };
    for (const auto& c : cases) {
        sim.setInternetState(c.state);
        EXPECT_EQ(GetConnectionDescription(), c.description) << c.state.flags;
    }
}

TEST_F(SmallWindows, OnlineTheCheckFillsItsBoxesAndClosesItself) {
    sim.setInternetState({true, host::kInternetLan | host::kInternetConfigured});
    MainForm& check = forms::Default<MainForm>();
    EXPECT_EQ(check.Text1.Text(), "True");
    EXPECT_EQ(check.Text2.Text(), "False");
    EXPECT_EQ(check.Text3.Text(), "False");
    EXPECT_EQ(check.Text4.Text(), "True");
    EXPECT_EQ(check.Text5.Text(), "False");
    EXPECT_EQ(check.ProgressBar1.Value(), 10);
    EXPECT_FALSE(check.loaded()) << "closed by itself";
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(orderlyEnds, 0);
}

TEST_F(SmallWindows, OfflineYesGoesOnAndNoOrCloseEndThroughTheOrderlyEnd) {
    sim.setInternetState({false, 0});
    prompter.answers = {forms::vbYes};
    forms::Default<MainForm>();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text,
              "You are currently not connected to the internet.A internet connection is required for Quarvelin "
              "Firewall System\r\n\r\nDo you still want continue?");
    EXPECT_EQ(prompter.boxes[0].title, "Quarvelin");
    EXPECT_EQ(prompter.boxes[0].style, 324);
    EXPECT_FALSE(forms::IsLoaded<MainForm>());
    EXPECT_EQ(orderlyEnds, 0);

    prompter.answers = {forms::vbNo};
    MainForm& again = forms::Default<MainForm>();
    EXPECT_EQ(orderlyEnds, 1);
    EXPECT_EQ(again.Text6.Text(), "You are currently not connected to the internet.");
    again.Show();
    again.clickControl(again.Command2);
    EXPECT_EQ(orderlyEnds, 2) << "Close ends the same way";

    // Until the main window installs its own end, the forms end at once.
    setOrderlyEnd({});
    requestOrderlyEnd();
    EXPECT_TRUE(forms::ended());
}

TEST_F(SmallWindows, TheAboutBoxShowsTheVersionAndFindsTheSystemInformationTool) {
    EXPECT_EQ(VersionText({1, 2, 30}), "Version 1.2.30");
    frmAbout& about = forms::Default<frmAbout>();
    EXPECT_EQ(about.Caption(), "About Quarvelin - Personal Firewall and Conne");
    EXPECT_EQ(about.lblVersion.Caption(), VersionText(kProgramVersion));

    using namespace settings;
    auto set = [](const std::string& key, const std::string& name, uint32_t type, const std::string& data) {
        HKey h = 0;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, key, KEY_ALL_ACCESS, h), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueEx(h, name, type, data), ERROR_SUCCESS);
        RegCloseKey(h);
    };
    // Neither key: the message box.
    about.StartSysInfo();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, "System Information Is Unavailable At This Time");
    // The folder key without the tool in it: the message box again.
    const std::string folder = folders_.root().string();
    set("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", REG_SZ, folder + std::string(1, '\0'));
    about.StartSysInfo();
    EXPECT_EQ(prompter.boxes.size(), 2u);
    EXPECT_TRUE(starter.started.empty());
    // The tool's own key: started by its path.
    set("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", REG_SZ, "/usr/bin/sysinfo-tool");
    about.clickControl(about.cmdSysInfo);
    EXPECT_EQ(starter.started, std::vector<std::string>{"/usr/bin/sysinfo-tool"});
    EXPECT_EQ(prompter.boxes.size(), 2u);
    starter.result = 0;  // it does not start
    about.StartSysInfo();
    EXPECT_EQ(prompter.boxes.size(), 3u);

    // A DWORD as eight digits, so 0x1000 and 0x10000 read differently.
    std::string value;
    set("SOFTWARE\\Test", "A", REG_DWORD, std::string("\x00\x10\x00\x00", 4));
    set("SOFTWARE\\Test", "B", REG_DWORD, std::string("\x00\x00\x01\x00", 4));
    ASSERT_TRUE(GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "A", value));
    EXPECT_EQ(value, "&h00001000");
    ASSERT_TRUE(GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "B", value));
    EXPECT_EQ(value, "&h00010000");
    EXPECT_FALSE(GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "C", value));
    EXPECT_EQ(value, "");
}

TEST_F(SmallWindows, TheBannerNeverLoadsAndAClickBeforeItsTimerLeavesTimer13Alone) {
    forms::Timer Timer13{form, "Timer13"};
    Timer13.Interval(6500);
    frmAds& ads = forms::New<frmAds>();
    ads.mainTimer13 = &Timer13;
    forms::DoEvents();
    EXPECT_FALSE(ads.Visible()) << "the banner's address never loads";
    EXPECT_EQ(ads.WebBrowser1.unreachable(), std::vector<std::string>{kBannerAddress});
    ads.Timer1_Timer();  // its time up, as after 25 seconds shown
    EXPECT_EQ(Timer13.Interval(), 10500);
    EXPECT_TRUE(Timer13.Enabled());

    Timer13.Interval(6500);
    Timer13.Enabled(false);
    frmAds& second = forms::New<frmAds>();
    second.mainTimer13 = &Timer13;
    second.WebBrowser1_NavigateComplete2(kBannerAddress);  // as if it had loaded
    EXPECT_TRUE(second.Visible());
    second.injectClick(2, 2);
    EXPECT_FALSE(second.loaded());
    clock_.advance(30000);
    forms::advance(0);
    EXPECT_EQ(Timer13.Interval(), 6500);
    EXPECT_FALSE(Timer13.Enabled());
}

TEST_F(SmallWindows, TheHelpWindowShowsTheHelpPageAndFollowsItsLinks) {
    std::filesystem::copy(QV_SOURCE_DIR "/assets/Doc", base::inProgramFolder("Doc"));
    frmHelp& help = forms::Default<frmHelp>();
    help.Show();
    forms::DoEvents();
    EXPECT_EQ(help.WebBrowser1.LocationName(), "Quarvelin Help");
    EXPECT_TRUE(help.WebBrowser1.unreachable().empty());
    ui::testing::expectMatchesPicture(present::renderForm(help), "frmHelp");
    // "Rules" in the list of contents at the top scrolls down to its heading.
    ASSERT_EQ(help.WebBrowser1.scrollTop(), 0);
    help.injectClick(145, 112);
    EXPECT_GT(help.WebBrowser1.scrollTop(), 300);
}

TEST_F(SmallWindows, PicturesOfTheConnectionCheckAndTheAboutBox) {
    sim.setInternetState({false, 0});
    prompter.answers = {forms::vbNo};
    MainForm& check = forms::Default<MainForm>();
    check.Show();
    ui::testing::expectMatchesPicture(present::renderForm(check), "MainForm");
    frmAbout& about = forms::Default<frmAbout>();
    about.Show();
    ui::testing::expectMatchesPicture(present::renderForm(about), "frmAbout");
}

}  // namespace
}  // namespace qv::ui::testing
