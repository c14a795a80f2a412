// The splash and every page of the main window as the headless presenter draws them, compared
// with their reference pictures under fixtures/main.
#include <gtest/gtest.h>

#include "engine/cini.h"
#include "engine/stores.h"
#include "platform/present/render.h"
#include "tests/ui/input.h"
#include "tests/ui/picture_check.h"
#include "tests/ui/program_fixture.h"

namespace qv::ui {
namespace {

using testing::expectMatchesPicture;
using testing::ProgramTest;

class MainPictures : public ProgramTest {};

TEST_F(MainPictures, TheSplashHalfWay) {
    splash& s = forms::Default<splash>();
    s.Show();
    forms::advance(101 * 50);
    expectMatchesPicture(present::renderForm(s), "main", "splash");
}

TEST_F(MainPictures, EveryPage) {
    // A machine with a few applications, one of them with a rule of each kind.
    const struct {
        std::uint32_t pid;
        const char* path;
        const char* rule;
    } apps[] = {{300, "C:\\Program Files\\Lanternfish Browser\\lantern.exe", "2"},
                {310, "C:\\Program Files\\Courier Pigeon Mail\\pigeon.exe", "2"},
                {320, "C:\\Program Files\\Palaver Chat\\palaver.exe", "0"},
                {330, "C:\\Program Files\\Tidepool Sync\\tidesync.exe", "1"}};
    std::uint16_t port = 1040;
    for (const auto& a : apps) {
        addApp(a.pid, a.path);
        connect(a.pid, port++, 20, 443);
        engine::cINI& r = engine::RuleStore();
        r.Path(engine::RuleStorePath());
        r.Section("RULES");
        r.Key(a.path);
        r.Value(a.rule);
    }
    startProgram();
    frmMain& f = main();
    f.Visible(true);
    forms::advance(300);
    const int icons[] = {3, 3, 1, 2};
    for (int i = 1; i <= f.lvFirewall.ListItems().Count() && i <= 4; ++i) f.lvFirewall.ListItems()(i).SmallIcon = icons[i - 1];

    struct Page {
        forms::XTab& tab;
        int page;
        const char* name;
    };
    const Page pages[] = {
        {f.XTab3, 0, "status_windows"},    {f.XTab3, 1, "status_security"},   {f.XTab3, 2, "status_others"},
        {f.XTab2, 0, "settings_windows"},  {f.XTab2, 1, "settings_traffic"},  {f.XTab2, 2, "settings_security"},
        {f.XTab2, 3, "settings_logs"},     {f.XTab4, 0, "logging_traffic"},   {f.XTab4, 1, "logging_security"},
        {f.XTab4, 2, "logging_port"},      {f.XTab5, 0, "statistic_tcp"},     {f.XTab5, 1, "statistic_ip"},
        {f.XTab5, 2, "statistic_udp"},     {f.XTab5, 3, "statistic_icmp"},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.name);
        p.tab.CurrTab(p.page);
        testing::showPageOf(p.tab);
        expectMatchesPicture(present::renderForm(f), "main", p.name);
    }
}

}  // namespace
}  // namespace qv::ui
