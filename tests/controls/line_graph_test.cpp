#include "controls/line_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/hosting/property_bag.h"
#include "platform/present/render.h"
#include "tests/picture_check.h"

namespace qv::controls {
namespace {

class frmHost : public forms::Form {
public:
    frmHost() : Form("frmHost") { BorderStyle(0); }
};

// A graph sited on a borderless host form of its own size.
struct HostedGraph {
    HostedGraph(int width, int height) {
        host.Move(0, 0, width, height);
        graph.Move(0, 0, width, height);
        forms::Load(host);
        graph.site();
    }
    // The values pairwise with their labels ("p" and the value), then ReDraw.
    void plot(const std::vector<std::string>& values, int16_t max = 100) {
        graph.GraphValues = {};
        graph.GraphLabels = {};
        for (auto& v : values) {
            graph.GraphValues.Add(v);
            graph.GraphLabels.Add("p" + v);
        }
        graph.GraphMax = max;
        graph.ReDraw();
    }
    gfx::Canvas picture() { return present::renderClient(host); }

    frmHost host;
    aGraph graph{host, "aGraph1"};
};

class LineGraphTest : public ::testing::Test {
protected:
    void plot(const std::vector<std::string>& values, int16_t max = 100) { hosted_.plot(values, max); }
    gfx::Canvas picture() { return hosted_.picture(); }
    // The elements of an array that are visible, by index.
    template <class T>
    static std::vector<int> visible(const forms::ControlArray<T>& a) {
        std::vector<int> out;
        for (int i : a.indexes())
            if (a(i).Visible()) out.push_back(i);
        return out;
    }

    HostedGraph hosted_{3750, 1600};  // the box is 3000 x 1500 twips
    aGraph& graph_ = hosted_.graph;
};

TEST_F(LineGraphTest, PointsRunFromTheBottomLeftCornerToTheRightEdge) {
    plot({"0", "50", "100"});
    struct Segment {
        int x1, y1, x2, y2;
    };
    const Segment segments[] = {{0, 1500, 1000, 1500}, {1000, 1500, 2000, 750}, {2000, 750, 3000, 0}};
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const forms::Line& l = graph_.GraphLine(i);
        const Segment& s = segments[i - 1];
        EXPECT_EQ(l.X1(), s.x1);
        EXPECT_EQ(l.Y1(), s.y1);
        EXPECT_EQ(l.X2(), s.x2);
        EXPECT_EQ(l.Y2(), s.y2);
        EXPECT_EQ(l.BorderColor(), 255u);
        EXPECT_EQ(l.Container(), &graph_.PaintBox);
        // The marker hangs from its point, centred across it.
        const forms::Label& b = graph_.PointBlip(i);
        EXPECT_EQ(b.Left(), s.x2 - 49);
        EXPECT_EQ(b.Top(), s.y2);
        EXPECT_EQ(b.Width(), aGraph::kBlipSize);
    }
    EXPECT_EQ(graph_.PointBlip(2).ToolTipText(), "2 = p50");
    EXPECT_EQ(visible(graph_.GraphLine), (std::vector<int>{1, 2, 3})) << "element 0 is no segment";
    EXPECT_EQ(visible(graph_.PointBlip), (std::vector<int>{1, 2, 3}));
}

TEST_F(LineGraphTest, RedrawingGivesTheSamePictureAndFewerPointsLeaveNoStaleMarks) {
    plot({"10", "80", "30", "60", "90"});
    const gfx::Canvas five = picture();
    graph_.ReDraw();
    EXPECT_EQ(picture(), five);
    EXPECT_EQ(graph_.GraphLine.Count(), 6) << "a second ReDraw reuses the elements";

    plot({"40", "20"});
    EXPECT_EQ(visible(graph_.GraphLine), (std::vector<int>{1, 2}));
    EXPECT_EQ(visible(graph_.PointBlip), (std::vector<int>{1, 2}));
    HostedGraph fresh(3750, 1600);
    fresh.plot({"40", "20"});
    EXPECT_EQ(picture(), fresh.picture()) << "the longer graph left nothing behind";
}

TEST_F(LineGraphTest, NoValuesOrAZeroMaximumDrawAnEmptyBox) {
    const gfx::Canvas empty = picture();
    struct Case {
        const char* what;
        std::vector<std::string> values;
        int16_t max;
    };
    const Case cases[] = {{"no values", {}, 100}, {"GraphMax 0", {"5", "7"}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        plot({"10", "80", "30"});
        plot(c.values, c.max);
        EXPECT_TRUE(visible(graph_.GraphLine).empty());
        EXPECT_TRUE(visible(graph_.PointBlip).empty());
        EXPECT_EQ(picture(), empty);
    }
}

TEST_F(LineGraphTest, AValueThatIsNoNumberHasNoPoint) {
    plot({"20", "many", "60"});
    EXPECT_EQ(visible(graph_.GraphLine), (std::vector<int>{1, 3}));
    EXPECT_EQ(visible(graph_.PointBlip), (std::vector<int>{1, 3}));
    EXPECT_EQ(graph_.GraphLine(3).X1(), 1000) << "the line goes on from the point before";
    EXPECT_EQ(graph_.GraphLine(3).Y1(), 1200);
    EXPECT_EQ(graph_.GraphLine(3).Y2(), 600);
}

TEST_F(LineGraphTest, ScaleLabelsTakeGraphMaxAtEachResize) {
    auto captions = [&] {
        std::vector<std::string> out;
        for (int i = 0; i < aGraph::kGridLines; ++i) out.push_back(graph_.AltLabel(i).Caption());
        return out;
    };
    EXPECT_EQ(captions().front(), "10 -");
    EXPECT_EQ(captions().back(), "1 -");
    struct Case {
        int16_t max;
        const char *top, *second, *last;
    };
    const Case cases[] = {{100, "100 -", "90 -", "10 -"}, {15, "15 -", "13.5 -", "1.5 -"}, {0, "0 -", "0 -", "0 -"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.max);
        graph_.GraphMax = c.max;
        EXPECT_NE(captions()[1], c.second) << "assigning GraphMax alone does not relabel";
        graph_.Height(graph_.Height() + 15);
        const auto now = captions();
        EXPECT_EQ(now[0], c.top);
        EXPECT_EQ(now[1], c.second);
        EXPECT_EQ(now[9], c.last);
    }
    // Label i stands at i tenths of the height, with its grid line across the box.
    EXPECT_EQ(graph_.AltLabel(5).Top(), graph_.Height() * 5 / 10);
    EXPECT_EQ(graph_.AltLine(5).Y1(), graph_.Height() * 5 / 10 - 50);
    EXPECT_EQ(graph_.PaintBox.Left(), 700);
    EXPECT_EQ(graph_.PaintBox.Width(), graph_.Width() - 750);
}

TEST_F(LineGraphTest, LineColourIsPersistedAndAppliesFromTheNextRedraw) {
    plot({"10", "20"});
    graph_.GraphLineColor(0x00FF00);
    EXPECT_EQ(graph_.GraphLine(1).BorderColor(), 255u);
    graph_.ReDraw();
    EXPECT_EQ(graph_.GraphLine(1).BorderColor(), 0x00FF00u);
    EXPECT_EQ(graph_.changedProperties().back(), "GraphLineColor");

    forms::PropertyBag bag = graph_.saveProperties();
    EXPECT_EQ(bag.ReadProperty("GraphLineColor", forms::OleColor{0}), 0x00FF00u);
    graph_.GraphLineColor(255);
    EXPECT_FALSE(graph_.saveProperties().contains("GraphLineColor")) << "the default is not stored";
    graph_.readProperties(bag);
    EXPECT_EQ(graph_.GraphLineColor(), 0x00FF00u);
}

// tests/fixtures/controls/aGraph_ten_points.png: ten points on a scale of 100, as the graph
// window shows them.
TEST(LineGraphPicture, TenPointsOnAScaleOfAHundred) {
    HostedGraph g(6000, 3100);
    g.plot({"12", "40", "25", "67", "55", "90", "73", "30", "48", "100"});
    g.graph.Height(3100);  // a resize relabels the scale from 100 down
    qv::testing::expectMatchesReference(g.picture(), "controls", "aGraph_ten_points");
}

}  // namespace
}  // namespace qv::controls
