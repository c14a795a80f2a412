// The block-all notice: the tray tip it keeps and gives back, and the poll pass cutting off
// applications without a rule while it is up, with the real main window and alert windows.
#include "ui/windows/frm_block_all.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/block_all_notice.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/frm_alert.h"

namespace qv::ui::testing {
namespace {

class BlockAllTest : public WindowsTest {
protected:
    frmBlockAll& showNotice() {
        frmBlockAll& notice = forms::Default<frmBlockAll>();
        notice.Show();
        return notice;
    }
};

struct CloseWay {
    const char* name;
    std::function<void(frmBlockAll&)> close;
};

TEST_F(BlockAllTest, ClosingRestoresExactlyTheTipFoundAtLoadingWhateverAPassShowedMeanwhile) {
    const CloseWay ways[] = {
        {"its OK button", [](frmBlockAll& f) { f.clickControl(f.Command1); }},
        {"the close box", [](frmBlockAll& f) { f.closeByUser(); }},
        {"code", [](frmBlockAll& f) { forms::Unload(f); }},
    };
    uint16_t port = 1040;
    for (const CloseWay& way : ways) {
        SCOPED_TRACE(way.name);
        main_->SysTray.TrayTip("Quarvelin - Blocked All Traffic");
        frmBlockAll& notice = showNotice();
        EXPECT_EQ(main_->SysTray.TrayTip(), engine::kBlockAllTip);
        EXPECT_EQ(notice.Tag(), "Quarvelin - Blocked All Traffic");

        // A pass meanwhile shows its own tip.
        addApp(port, "C:\\Apps\\mail.exe");
        writeStore(engine::RuleStore(), "RULES", "C:\\Apps\\mail.exe", "2");
        connect(port, port, 25, 110);
        engine::PollConnections(false);
        ASSERT_NE(main_->SysTray.TrayTip(), engine::kBlockAllTip);

        way.close(notice);
        EXPECT_FALSE(BlockAllVisible());
        EXPECT_EQ(main_->SysTray.TrayTip(), "Quarvelin - Blocked All Traffic");
        forms::DoEvents();  // the closed notice is released
        ++port;
    }
}

TEST_F(BlockAllTest, WhileVisibleAnApplicationWithoutARuleIsNeverAskedAndItsConnectionsClose) {
    addApp(300, "C:\\Apps\\web.exe");
    addApp(400, "C:\\Apps\\mail.exe");
    writeStore(engine::RuleStore(), "RULES", "C:\\Apps\\mail.exe", "2");
    connect(300, 1050, 9, 80);
    connect(300, 1051, 9, 443);
    connect(400, 1052, 25, 110);
    frmBlockAll& notice = showNotice();

    engine::PollConnections(false);
    EXPECT_TRUE(closed(row(1050, 9, 80)));
    EXPECT_TRUE(closed(row(1051, 9, 443)));
    EXPECT_FALSE(closed(row(1052, 25, 110)));  // the trusted application keeps its connection
    EXPECT_TRUE(loaded<frmAlert>().empty());
    EXPECT_FALSE(engine::AskedApps().contains("C:\\Apps\\web.exe"));
    EXPECT_FALSE(sim.isSuspended(300));
    EXPECT_TRUE(securityLog().empty());
    EXPECT_EQ(engine::pollState().counts.Blocked, 0);  // cut off, but not counted as blocked

    // Once the notice is closed the application's next connection is asked about.
    notice.clickControl(notice.Command1);
    connect(300, 1053, 9, 80);
    engine::PollConnections(false);
    EXPECT_FALSE(closed(row(1053, 9, 80)));
    ASSERT_EQ(loaded<frmAlert>().size(), 1u);
    EXPECT_EQ(loaded<frmAlert>()[0]->lblpath.Caption(), "C:\\Apps\\web.exe");
    EXPECT_TRUE(sim.isSuspended(300));
}

TEST_F(BlockAllTest, AskingWhetherTheNoticeIsVisibleNeitherMakesNorLoadsIt) {
    addApp(300, "C:\\Apps\\web.exe");
    connect(300, 1050, 9, 80);
    engine::PollConnections(false);  // the pass asks, and opens an alert instead
    EXPECT_FALSE(alertWindows_.blockAllVisible());
    EXPECT_EQ(forms::detail::findDefault(typeid(frmBlockAll)), nullptr);
    EXPECT_NE(main_->SysTray.TrayTip(), engine::kBlockAllTip);

    // Loaded but hidden is not visible; shown is; closed is not, and stays unmade.
    frmBlockAll& notice = forms::Default<frmBlockAll>();
    EXPECT_FALSE(alertWindows_.blockAllVisible());
    notice.Show();
    EXPECT_TRUE(alertWindows_.blockAllVisible());
    forms::Unload(notice);
    forms::DoEvents();
    EXPECT_FALSE(alertWindows_.blockAllVisible());
    EXPECT_EQ(forms::detail::findDefault(typeid(frmBlockAll)), nullptr);
}

}  // namespace
}  // namespace qv::ui::testing
