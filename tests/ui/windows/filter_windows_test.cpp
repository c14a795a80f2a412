// The windows of the filter lists as windows: their shapes and balloon tips, dragging the two
// that can be dragged, and the main window's buttons opening them in the program.
#include <gtest/gtest.h>

#include <functional>

#include "controls/balloon.h"
#include "platform/gfx/region_data.h"
#include "platform/gui/tooltip.h"
#include "tests/ui/windows/filter_windows_fixture.h"
#include "ui/windows/program_windows.h"

namespace qv::ui::testing {
namespace {

using FilterWindows = FilterWindowsTest;
using Tips = std::vector<std::pair<gui::HWnd, std::string>>;

TEST_F(FilterWindows, EachLoadsWithItsOutlineAndItsBalloonTipsWhenTheOptionIsOn) {
    struct Case {
        const char* name;
        std::function<forms::Form&()> open;
        gfx::Rect bounds;
        // The tips' controls and texts, in order.
        std::function<Tips()> tips;
    };
    const Case cases[] = {
        {"frmport", [this]() -> forms::Form& { return filterWindows_.ports(); }, {0, 0, 480, 330},
         [this] {
             return Tips{
                 {filterWindows_.ports().lvwCon.hWnd(), "This is a list for open port"}};
         }},
        {"frmfilter", [this]() -> forms::Form& { return filterWindows_.filter(); }, {0, 0, 480, 330},
         [this] {
             frmfilter& f = filterWindows_.filter();
             return Tips{
                 {f.fraFilter(0).hWnd(), "This is a list for remote address"},
                 {f.fraFilter(1).hWnd(), "This is a list for remote port"},
                 {f.fraFilter(2).hWnd(), "This is a list for local port"}};
         }},
        {"frmBlock", [this]() -> forms::Form& { return filterWindows_.block(); }, {0, 0, 320, 160},
         [] { return Tips{}; }},
    };
    for (int option : {1, 0}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " with balloons " + std::to_string(option));
            controls::ResetBalloon();
            main_->Check11.Value(option);
            forms::Form& w = c.open();
            const auto shape = gfx::regionFromData(w.windowRegion());
            ASSERT_TRUE(shape);
            EXPECT_EQ(w.windowRegion().size(), 48u);
            EXPECT_EQ(shape->bounds(), c.bounds);
            EXPECT_EQ((gfx::Rect{0, 0, forms::twipsToPixels(w.Width()), forms::twipsToPixels(w.Height())}), c.bounds);
            EXPECT_NE(ws_.windowRegion(w.hWnd()), nullptr);

            Tips tips;
            if (controls::BalloonOwner() == w.hWnd()) {
                for (const gui::ToolInfo& t : gui::tooltipState(ws_, controls::BalloonWindow())->tools)
                    tips.emplace_back(t.hwnd, t.text);
            }
            EXPECT_EQ(tips, option == 1 ? c.tips() : Tips{});
            forms::Unload(w);
            forms::DoEvents();
        }
    }
}

TEST_F(FilterWindows, TheOpenPortListAndTheEditorAreDraggedByTheirSurfaceWhileMoveableIsChecked) {
    for (forms::Form* w : std::initializer_list<forms::Form*>{&filterWindows_.ports(), &filterWindows_.filter()}) {
        w->Show();
        // The heading, between the title and the buttons.
        expectDraggedOnlyWhileMoveable(*w, main_->Check12, 385, 20);
        w->Hide();
    }
}

// The program's own set of windows beside the main window, as the program installs it.
class ProgramFilterWindows : public WindowsTest {
protected:
    ProgramFilterWindows() {
        windows_.mainWindowMade(*main_);
        setCompanions(&windows_);
        main_->Show();
    }
    ~ProgramFilterWindows() override { setCompanions(nullptr); }

    ProgramWindows windows_;
};

TEST_F(ProgramFilterWindows, TheMainWindowsButtonsShowTheOpenPortListAndTheEditorOneOfEach) {
    click(main_->PictureButton2);
    ASSERT_EQ(loaded<frmport>().size(), 1u);
    frmport& ports = *loaded<frmport>()[0];
    EXPECT_TRUE(ports.Visible());
    click(ports.PictureButton1);
    click(main_->PictureButton2);
    EXPECT_EQ(loaded<frmport>(), std::vector<frmport*>{&ports});
    EXPECT_TRUE(ports.Visible());

    click(main_->PictureButton4);
    ASSERT_EQ(loaded<frmfilter>().size(), 1u);
    frmfilter& editor = *loaded<frmfilter>()[0];
    EXPECT_TRUE(editor.Visible());
    click(main_->PictureButton4);
    EXPECT_EQ(loaded<frmfilter>(), std::vector<frmfilter*>{&editor});
    // Closed, it goes; the button opens a new one.
    click(editor.PictureButton1);
    forms::DoEvents();
    EXPECT_TRUE(loaded<frmfilter>().empty());
    click(main_->PictureButton4);
    ASSERT_EQ(loaded<frmfilter>().size(), 1u);
    EXPECT_TRUE(loaded<frmfilter>()[0]->Visible());

    // The filter pass reads this editor's switch.
    loaded<frmfilter>()[0]->Filtering = true;
    EXPECT_TRUE(engine::filterWindow().Filtering());
    loaded<frmfilter>()[0]->Filtering = false;
    EXPECT_FALSE(engine::filterWindow().Filtering());
}

}  // namespace
}  // namespace qv::ui::testing
