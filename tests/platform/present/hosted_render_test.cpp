// Drawing what holds other drawing: picture boxes with their surface and contents, and user
// controls painting their own surface with their constituents above it.
#include <gtest/gtest.h>

#include "platform/forms/hosting/user_control.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/present/render.h"

namespace qv::present {
namespace {

constexpr int kTw = forms::kTwipsPerPixel;
const gfx::Colour kWhite = gfx::rgb(255, 255, 255), kRed = gfx::rgb(255, 0, 0), kBlue = gfx::rgb(0, 0, 255);

class Plain : public forms::Form {
public:
    Plain() : Form("Plain") {
        BorderStyle(0);
        Width(100 * kTw);
        Height(60 * kTw);
        BackColor(kWhite);
    }
};

// Fills its surface blue on every paint and counts the paints; a red constituent at (10, 0).
class ucSwatch : public forms::UserControl {
public:
    ucSwatch(forms::Form& host, std::string name) : UserControl(host, std::move(name)) {
        lblMark.BackColor(kRed);
        lblMark.Move(10 * kTw, 0, 5 * kTw, 5 * kTw);
    }
    std::string_view kind() const override { return "ucSwatch"; }
    int paints = 0;

protected:
    void UserControl_Paint() override {
        ++paints;
        hDC().fillRect({0, 0, surface().width(), surface().height()}, gfx::Brush::solid(kBlue));
    }

private:
    forms::Label lblMark{inside(), "lblMark"};
};

TEST(HostedRender, AUserControlPaintsWhenShownAndItsConstituentsLieAboveItsSurface) {
    Plain f;
    ucSwatch uc(f, "ucSwatch1");
    uc.Move(20 * kTw, 10 * kTw, 40 * kTw, 20 * kTw);
    forms::Load(f);
    renderForm(f);
    EXPECT_EQ(uc.paints, 0) << "not shown yet";
    f.Show();
    const gfx::Canvas c = renderForm(f);
    EXPECT_EQ(uc.paints, 1);
    EXPECT_EQ(c.pixel(21, 20), kBlue);
    EXPECT_EQ(c.pixel(31, 11), kRed) << "the constituent, in the control's coordinates";
    EXPECT_EQ(c.pixel(19, 20), kWhite);
    // A window region shapes the control and its constituents alike.
    uc.setWindowRegion(gfx::Region::rect(0, 0, 12, 20));
    const gfx::Canvas shaped = renderForm(f);
    EXPECT_EQ(shaped.pixel(31, 11), kRed);
    EXPECT_EQ(shaped.pixel(33, 11), kWhite);
    EXPECT_EQ(shaped.pixel(40, 20), kWhite);
}

TEST(HostedRender, APictureBoxShowsItsDrawingAndClipsItsContentsInsideItsBorder) {
    Plain f;
    forms::PictureBox pic(f, "Picture1");
    pic.Move(10 * kTw, 10 * kTw, 40 * kTw, 30 * kTw);
    forms::Load(f);  // drawing is kept from the load on
    pic.BackColor(kWhite);
    pic.Cls();
    pic.ScaleMode(3);
    pic.PSet(0, 0, kBlue);
    forms::Label inside(f, "Label1");
    inside.Container(&pic);
    inside.BackColor(kRed);
    inside.Move(30 * kTw, 20 * kTw, 30 * kTw, 30 * kTw);  // past the box's bottom right
    const gfx::Canvas c = renderForm(f);
    EXPECT_EQ(c.pixel(12, 12), kBlue) << "the surface begins inside the two-pixel border";
    EXPECT_EQ(c.pixel(12 + 30, 12 + 20), kRed);
    EXPECT_EQ(c.pixel(48, 38), gfx::sysColour(gfx::kColour3dLight)) << "the border is not drawn over";
}

}  // namespace
}  // namespace qv::present
