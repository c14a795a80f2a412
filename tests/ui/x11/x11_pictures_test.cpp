// The two alerts, the block-all notice and the main window as the X11 presenter shows them: read
// back from the screen and compared with their reference pictures. Without DISPLAY they skip.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/present/x11/x11_presenter.h"
#include "tests/ui/windows/picture_check.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/frm_alert.h"
#include "ui/windows/frm_block_all.h"
#include "ui/windows/frm_service_alert.h"
#include "tests/platform/present/x11/test_display.h"

namespace qv::ui::testing {
namespace {

class X11Pictures : public WindowsTest {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
        presenter_ = present::x11::X11Presenter::open(ws_);
        ASSERT_TRUE(presenter_);
        ASSERT_TRUE(screen_.ok());
    }
    void TearDown() override { presenter_.reset(); }

    // What the screen shows of the form's window once it is there with its picture.
    gfx::Canvas onScreen(forms::Form& f) {
        for (int i = 0; i < 200 && !presenter_->showsAllPainted(f.hWnd()); ++i) {
            ws_.doEvents();
            presenter_->sync();
        }
        EXPECT_TRUE(presenter_->showsAllPainted(f.hWnd()));
        return screen_.screenshot(screen_.rectOf(Window(presenter_->xWindowOf(f.hWnd()))));
    }

    std::unique_ptr<present::x11::X11Presenter> presenter_;
    present::x11::testing::TestDisplay screen_;
};

TEST_F(X11Pictures, TheConnectionAlertWithItsShape) {
    expectMatchesPicture(onScreen(browserAlert()), "x11_frmAlert");
}

TEST_F(X11Pictures, TheDangerousPortAlert) {
    expectMatchesPicture(onScreen(proxyPortAlert()), "x11_frmServiceAlert");
}

TEST_F(X11Pictures, TheBlockAllNotice) {
    frmBlockAll& notice = forms::Default<frmBlockAll>();
    notice.Show();
    expectMatchesPicture(onScreen(notice), "x11_frmBlockAll");
}

TEST_F(X11Pictures, TheMainWindow) {
    main_->Show();
    expectMatchesPicture(onScreen(*main_), "x11_frmMain");
}

}  // namespace
}  // namespace qv::ui::testing
