// The headless presenter writes the windows a person would see as PNG files on request.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "platform/forms/instances.h"
#include "platform/present/headless_presenter.h"
#include "platform/present/image_compare.h"

namespace qv::present {
namespace {

class frmAlert : public forms::Form {
public:
    frmAlert() : Form("frmAlert") { Caption("Alert"); }
};
class frmHidden : public forms::Form {
public:
    frmHidden() : Form("frmHidden") {}
};

class Headless : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override {
        forms::resetForms();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("qv_headless_" + std::to_string(::getpid()));
};

TEST_F(Headless, WritesEveryVisibleFormOnceWithRepeatedNamesNumbered) {
    frmAlert& first = forms::New<frmAlert>();
    first.Show();
    forms::New<frmAlert>().Show();
    forms::Default<frmHidden>();  // loaded, never shown
    HeadlessPresenter p(dir.string());
    const auto written = p.snapshotVisible();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], (dir / "frmAlert.png").string());
    EXPECT_EQ(written[1], (dir / "frmAlert-2.png").string());
    EXPECT_FALSE(std::filesystem::exists(dir / "frmHidden.png"));
    const auto back = readPng(written[0]);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, renderForm(first));
}

TEST_F(Headless, FileNamesStayInsideTheFolderAndAFailedWriteSaysSo) {
    class Odd : public forms::Form {
    public:
        Odd() : Form("../evil name") {}
    } odd;
    EXPECT_EQ(HeadlessPresenter::fileNameFor(odd), "___evil_name");
    EXPECT_EQ(HeadlessPresenter(dir.string()).snapshot(odd), (dir / "___evil_name.png").string());
    EXPECT_EQ(HeadlessPresenter((dir / "no" / "such").string()).snapshot(odd), "");
    odd.Width(0);
    EXPECT_EQ(HeadlessPresenter(dir.string()).snapshot(odd), "") << "nothing to draw";
}

}  // namespace
}  // namespace qv::present
