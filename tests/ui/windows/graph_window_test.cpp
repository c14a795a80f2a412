// The graph window as the main window opens it: the scale from the stored counts, ten points
// from the program's Rnd, the scale labels, its balloon tip, and its close button.
#include "ui/windows/frm_graph.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/balloon.h"
#include "platform/base/random.h"
#include "tests/ui/input.h"
#include "tests/ui/windows/companion_windows_fixture.h"
#include "ui/main/run_state.h"

namespace qv::ui::testing {
namespace {

class GraphWindowTest : public CompanionWindowsTest {
protected:
    frmGraph& opened() {
        companions().showGraph();
        frmGraph* graph = shown<frmGraph>();
        EXPECT_NE(graph, nullptr);
        return *graph;
    }
    static std::vector<std::string> items(const base::Collection& c) {
        std::vector<std::string> out;
        for (int i = 1; i <= c.Count(); ++i) out.push_back(c(i));
        return out;
    }
};

// The counts choose the scale; the points come from Rnd, seeded here as a Basic program restarts
// a known sequence (the same seed gives these points in GraphPoints' own test).
TEST_F(GraphWindowTest, TenPointsBelowTheScaleOfTheStoredCounts) {
    struct Case {
        const char* what;
        std::optional<GraphCounts> stored;  // nothing: none stored yet
        std::vector<std::string> points;
    };
    const std::vector<std::string> scale25 = {"22", "17", "19", "1", "21", "20", "14", "12", "8", "9"};
    const std::vector<std::string> scale50 = {"44", "34", "38", "3", "43", "40", "28", "24", "16", "19"};
    const Case cases[] = {
        {"missing", std::nullopt, scale25},
        {"in 2, out 1, block 5: 25", GraphCounts{"1", "2", "5"}, scale50},
        {"in 9 beats out 10 as text: 90", GraphCounts{"10", "9", "0"}, scale25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.stored) storeGraphCounts(*c.stored);
        base::Rnd(-1);
        base::Randomize(5);
        frmGraph& graph = opened();
        EXPECT_EQ(graph.aGraph1.GraphMax, 100);
        EXPECT_EQ(items(graph.aGraph1.GraphValues), c.points);
        EXPECT_EQ(items(graph.aGraph1.GraphLabels), c.points);
        // Drawn: ten segments and markers; the scale relabelled for 100.
        for (int i = 1; i <= 10; ++i) {
            EXPECT_TRUE(graph.aGraph1.GraphLine(i).Visible()) << i;
            EXPECT_TRUE(graph.aGraph1.PointBlip(i).Visible()) << i;
        }
        EXPECT_EQ(graph.aGraph1.PointBlip(2).ToolTipText(), "2 = " + c.points[1]);
        EXPECT_EQ(graph.aGraph1.AltLabel(0).Caption(), "100 -");
        EXPECT_EQ(graph.aGraph1.AltLabel(9).Caption(), "10 -");
        click(graph.PictureButton1);
        EXPECT_EQ(LoadedWindow<frmGraph>(), nullptr);
    }
}

TEST_F(GraphWindowTest, TheWindowKeepsItsPointsUntilClosedAndThenGetsNewOnes) {
    frmGraph& first = opened();
    const std::vector<std::string> points = items(first.aGraph1.GraphValues);
    EXPECT_EQ(&opened(), &first) << "shown again while loaded: the same window, not loaded again";
    EXPECT_EQ(items(first.aGraph1.GraphValues), points);
    click(first.PictureButton1);
    EXPECT_NE(items(opened().aGraph1.GraphValues), points);
}

TEST_F(GraphWindowTest, ABalloonTipOnlyWithTheOption) {
    for (int option : {0, 1}) {
        SCOPED_TRACE(option);
        main_->Check11.Value(option);
        controls::ResetBalloon();
        frmGraph& graph = opened();
        EXPECT_EQ(controls::BalloonOwner(), option == 1 ? graph.hWnd() : 0);
        EXPECT_EQ(controls::BalloonWindow() != 0, option == 1);
        click(graph.PictureButton1);
    }
}

}  // namespace
}  // namespace qv::ui::testing
