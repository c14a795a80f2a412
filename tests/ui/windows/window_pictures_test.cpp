// The two alerts and the block-all notice as the headless presenter draws them, compared with their
// reference pictures.
#include <gtest/gtest.h>

#include "platform/present/headless_presenter.h"
#include "platform/present/render.h"
#include "tests/ui/windows/picture_check.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/frm_alert.h"
#include "ui/windows/frm_block_all.h"
#include "ui/windows/frm_service_alert.h"

namespace qv::ui::testing {
namespace {

using WindowPictures = WindowsTest;

TEST_F(WindowPictures, ConnectionAlertAsTheEngineFillsIt) {
    expectMatchesPicture(present::renderForm(browserAlert()), "frmAlert");
}

TEST_F(WindowPictures, DangerousPortAlertAsTheEngineFillsIt) {
    expectMatchesPicture(present::renderForm(proxyPortAlert()), "frmServiceAlert");
}

TEST_F(WindowPictures, BlockAllNotice) {
    frmBlockAll& notice = forms::Default<frmBlockAll>();
    notice.Show();
    // The headless presenter writes it as any window, by its name.
    present::HeadlessPresenter presenter(root_.string());
    EXPECT_EQ(presenter.snapshot(notice), root_.string() + "/frmBlockAll.png");
    expectMatchesPicture(present::renderForm(notice), "frmBlockAll");
}

}  // namespace
}  // namespace qv::ui::testing
