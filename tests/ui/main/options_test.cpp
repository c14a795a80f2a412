#include <gtest/gtest.h>

#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/settings/profile.h"
#include "platform/settings/autostart.h"
#include "platform/settings/registry.h"
#include "tests/ui/input.h"
#include "tests/ui/main/main_window_fixture.h"
#include "ui/main/application_title.h"

namespace qv::ui {
namespace {

using testing::Entry;
using testing::MainWindowTest;

constexpr const char* kApiError = "An error has occurred while calling the API function";

TEST_F(MainWindowTest, DesignerValuesBeforeTheOptionsAreRead) {
    frmMain& f = *form_;
    for (forms::CheckBox* on : {&f.Check6, &f.Check7, &f.Check8, &f.Check9, &f.Check11, &f.Check12, &f.Check13,
                                &f.Check14, &f.chkAct(0), &f.chkAct(1), &f.chkAct(2)})
        EXPECT_EQ(on->Value(), 1) << on->Name();
    for (forms::CheckBox* off : {&f.Check1, &f.Check2, &f.Check3, &f.Check4, &f.Check5, &f.chkLog(0), &f.chkLog(3)})
        EXPECT_EQ(off->Value(), 0) << off->Name();
    EXPECT_EQ(f.Check6.Caption(), "Enable alert confirmation ");
    EXPECT_EQ(f.chkLog(3).ToolTipText(), "Ping requests and replies.");
    EXPECT_EQ(f.LBL.Caption(), "1.3");
    EXPECT_EQ(f.ucSlider3.Caption(), "Security Level");
    EXPECT_EQ(f.ucSlider3.Max(), 3);
    EXPECT_EQ(f.ucSlider5.Max(), 10);
    EXPECT_EQ(f.Slider3.Min(), 1);
    EXPECT_EQ(f.Slider3.Max(), 3);
    EXPECT_EQ(f.SysTray.TrayTip(), "Quarvelin - Status Normal");
    EXPECT_TRUE(f.SysTray.InTray());
    EXPECT_EQ(f.Timer2.Interval(), 5000);
    EXPECT_EQ(f.lvwLog.ColumnHeaders().Count(), 5);
}

TEST_F(MainWindowTest, LoadsetReadsTheOptions) {
    struct Case {
        const char* what;
        std::vector<Entry> changes;
        std::function<void(frmMain&)> check;
    };
    const Case cases[] = {
        {"blanks around a digit", {{"Windows", "Startup", "  1  "}, {"Level", "Security", " 3"}},
         [](frmMain& f) {
             EXPECT_EQ(f.Check4.Value(), 1);
             EXPECT_EQ(f.Slider3.Value(), 3);
         }},
        {"a long value is cut to 49 characters", {{"Product", "Version", std::string(60, '7')}},
         [](frmMain& f) { EXPECT_EQ(f.LBL.Caption(), std::string(49, '7')); }},
        {"Allow and Block both 1: the later box wins",
         {{"Permission", "Allow", "1"}, {"Permission", "Block", "1"}, {"Permission", "Accept", "0"}},
         [](frmMain& f) {
             EXPECT_EQ(f.Check1.Value(), 0);
             EXPECT_EQ(f.Check2.Value(), 1);
             EXPECT_EQ(f.Check5.Value(), 0);
             EXPECT_EQ(f.ucSlider4.Value(), 3);
             EXPECT_FALSE(f.Alw.Checked());
             EXPECT_TRUE(f.Blc.Checked());
             EXPECT_FALSE(f.ask.Checked());
         }},
        {"all three permissions 0",
         {{"Permission", "Allow", "0"}, {"Permission", "Block", "0"}, {"Permission", "Accept", "0"}},
         [](frmMain& f) {
             EXPECT_EQ(f.Check1.Value() + f.Check2.Value() + f.Check5.Value(), 0);
             EXPECT_FALSE(f.Alw.Checked() || f.Blc.Checked() || f.ask.Checked());
             EXPECT_EQ(f.ucSlider4.Value(), 0);  // as it was
         }},
        {"a grayed 2 stays on a box checkset leaves alone and becomes 0 on the others",
         {{"Windows", "Update", "2"}, {"Windows", "Sound", "2"}, {"Windows", "Alert", "2"}},
         [](frmMain& f) {
             EXPECT_EQ(f.Check3.Value(), 2);
             EXPECT_EQ(f.Check7.Value(), 0);
             EXPECT_EQ(f.Check6.Value(), 0);
             EXPECT_FALSE(f.plsy.Checked());
             EXPECT_FALSE(f.eac.Checked());
             EXPECT_TRUE(f.efl.Checked());
         }},
        {"missing and non-numeric entries keep the designer values",
         {{"Windows", "Alert", "<none>"}, {"Windows", "Logging", "yes"}, {"Level", "Security", "7"},
          {"Filter", "Local_port", "0.5"}},
         [](frmMain& f) {
             EXPECT_EQ(f.Check6.Value(), 1);
             EXPECT_EQ(f.Check8.Value(), 1);
             EXPECT_EQ(f.Slider3.Value(), 1);
             EXPECT_EQ(f.chkAct(2).Value(), 1);
             EXPECT_EQ(f.lblTitle.Caption(), "Low Security");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reload();
        writeConfig(configWith(c.changes));
        prompter_.boxes.clear();
        form_->loadset();
        c.check(*form_);
        const bool missing = std::any_of(c.changes.begin(), c.changes.end(), [](const Entry& e) { return e.value == "<none>"; });
        EXPECT_EQ(prompter_.boxes.size(), missing ? 1u : 0u);
    }
}

TEST_F(MainWindowTest, MissingEntriesShowTheErrorBoxOnce) {
    writeConfig({{"Level", "Security", "2"}});  // nearly everything is missing
    form_->loadset();
    ASSERT_EQ(prompter_.boxes.size(), 1u);
    EXPECT_EQ(prompter_.boxes[0].text, kApiError);
    EXPECT_EQ(prompter_.boxes[0].style, 48);
    EXPECT_EQ(prompter_.boxes[0].title, ApplicationTitle);
    EXPECT_EQ(form_->Slider3.Value(), 2);
    EXPECT_EQ(form_->Check7.Value(), 1);
    EXPECT_EQ(form_->LBL.Caption(), "1.3");

    // A missing file: the designer values, and still one box.
    std::filesystem::remove(configFile());
    prompter_.boxes.clear();
    reload();
    form_->loadset();
    EXPECT_EQ(prompter_.boxes.size(), 1u);
    EXPECT_EQ(form_->Check8.Value(), 1);
}

TEST_F(MainWindowTest, TheSecurityLevelShowsLowAtOneAndHighAtThree) {
    struct Case {
        int level;
        const char* title;
        const char* descriptionStart;
        forms::Menu frmMain::*entry;
    };
    const Case cases[] = {
        {1, "Low Security", "all connections are let through", &frmMain::low},
        {2, "Medium Security", "only alerts when a connection", &frmMain::mdm},
        {3, "High Security", "all attempted connections", &frmMain::hg},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        reload();
        writeConfig(configWith({{"Level", "Security", std::to_string(c.level)}}));
        form_->loadset();
        EXPECT_EQ(form_->Slider3.Value(), c.level);
        EXPECT_EQ(form_->engineView().Slider3(), c.level);
        EXPECT_EQ(form_->lblTitle.Caption(), c.title);
        EXPECT_EQ(form_->lblDes.Caption().rfind(c.descriptionStart, 0), 0u);
        EXPECT_EQ(form_->ucSlider3.Value(), c.level);
        EXPECT_TRUE(((*form_).*c.entry).Checked());
    }
    // The marks of levels passed through stay.
    form_->Slider3.Value(2);
    form_->Slider3.Value(1);
    EXPECT_TRUE(form_->hg.Checked());
    EXPECT_TRUE(form_->mdm.Checked());
    EXPECT_TRUE(form_->low.Checked());
}

TEST_F(MainWindowTest, PermissionBoxesExcludeEachOther) {
    frmMain& f = *form_;
    f.Visible(true);
    using testing::click;
    click(f.Check1);
    EXPECT_EQ(f.Check1.Value(), 1);
    EXPECT_EQ(f.ucSlider4.Value(), 1);
    click(f.Check5);
    EXPECT_EQ(f.Check1.Value(), 0);
    EXPECT_EQ(f.Check5.Value(), 1);
    EXPECT_EQ(f.ucSlider4.Value(), 2);
    click(f.Check2);
    EXPECT_EQ(f.Check5.Value(), 0);
    EXPECT_EQ(f.ucSlider4.Value(), 3);
    // Clearing the checked box leaves all three clear; the gauge shows that box's mode.
    click(f.Check2);
    EXPECT_EQ(f.Check1.Value() + f.Check2.Value() + f.Check5.Value(), 0);
    EXPECT_EQ(f.ucSlider4.Value(), 3);
    EXPECT_EQ(f.engineView().Check2(), 0);
}

TEST_F(MainWindowTest, SavesetWritesEveryOptionAndLoadsetReadsThemBack) {
    frmMain& f = *form_;
    f.Slider3.Value(3);
    f.Check3.Value(1);
    f.Check7.Value(0);
    f.Check2.Value(1);
    f.chkAct(1).Value(0);
    f.saveset();
    EXPECT_TRUE(prompter_.boxes.empty());

    const auto text = base::readFile(configFile());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "[Level]\r\nSecurity=3\r\n"
              "[Windows]\r\nStartup=0\r\nUpdate=1\r\nSound=0\r\nLogging=1\r\nAlert=1\r\n"
              "[Permission]\r\nAllow=0\r\nBlock=1\r\nAccept=0\r\n"
              "[Filter]\r\nRemote_address=1\r\nRemote_port=0\r\nLocal_port=1\r\n");

    reload();
    frmMain* again = form_.get();
    again->loadset();
    EXPECT_EQ(again->Slider3.Value(), 3);
    EXPECT_EQ(again->Check3.Value(), 1);
    EXPECT_EQ(again->Check7.Value(), 0);
    EXPECT_EQ(again->Check2.Value(), 1);
    EXPECT_EQ(again->chkAct(1).Value(), 0);
    EXPECT_EQ(again->lblTitle.Caption(), "High Security");
    EXPECT_EQ(prompter_.boxes.size(), 1u);  // "Product"/"Version" is never written
}

TEST_F(MainWindowTest, AFailedWriteShowsTheBoxAndTheRestIsStillWritten) {
    std::filesystem::remove_all(root_ / "program" / "Conf");
    form_->saveset();
    EXPECT_EQ(prompter_.boxes.size(), 12u);
    for (const auto& b : prompter_.boxes) EXPECT_EQ(b.text, kApiError);
}

TEST_F(MainWindowTest, TheRunValueFollowsCheck4AtExit) {
    auto runValue = []() -> std::optional<std::string> {
        settings::HKey key = 0;
        if (settings::RegOpenKeyEx(settings::HKEY_CURRENT_USER, settings::kRunKeyPath, 0, settings::KEY_READ, key) !=
            settings::ERROR_SUCCESS)
            return std::nullopt;
        std::string data;
        std::uint32_t size = 4096;
        long rc = settings::RegQueryValueEx(key, ApplicationTitle, nullptr, &data, &size);
        settings::RegCloseKey(key);
        if (rc != settings::ERROR_SUCCESS) return std::nullopt;
        return data;
    };
    form_->Check4.Value(1);
    form_->saveset();
    EXPECT_EQ(runValue(), base::executablePath());

    form_->Check4.Value(0);
    form_->saveset();
    EXPECT_EQ(runValue(), std::nullopt);
    form_->saveset();  // deleting a value that is not there changes nothing
    EXPECT_EQ(runValue(), std::nullopt);
}

}  // namespace
}  // namespace qv::ui
