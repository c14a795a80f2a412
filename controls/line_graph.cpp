#include "controls/line_graph.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/base/convert.h"

namespace qv::controls {

namespace {

constexpr int kBoxLeft = 700, kBoxTop = 100, kBoxRightMargin = 50;
constexpr int kLabelWidth = 650, kLabelHeight = 195;
constexpr forms::OleColor kBoxColour = 0x000000;
constexpr forms::OleColor kGridColour = 0x004000;
constexpr forms::OleColor kBlipColour = 0x00FFFF;

// A coordinate in whole twips; far-off points are held where no control size can overflow.
int twips(double v) { return static_cast<int>(base::roundHalfEven(std::clamp(v, -1e8, 1e8))); }

std::optional<double> pointValue(const std::string& text) {
    const std::optional<double> v = base::parseNumber(text);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

// Windowless controls draw in their form's order: moving one to the end puts it above the rest.
void bringToFront(forms::Control& c) {
    forms::Form& f = c.Parent();
    f.unregisterControl(&c);
    f.registerControl(&c);
}

}  // namespace

aGraph::aGraph(forms::Form& host, std::string name, int index) : UserControl(host, std::move(name), index) {
    PaintBox.BorderStyle(0);
    PaintBox.BackColor(kBoxColour);
    PaintBox.Cls();
    forms::StdFont tahoma;
    tahoma.Name = "Tahoma";
    for (int i = 0; i < kGridLines; ++i) {
        forms::Line& grid = AltLine.Load(i);
        grid.Container(&PaintBox);
        grid.BorderColor(kGridColour);
        grid.Visible(true);
        forms::Label& label = AltLabel.Load(i);
        label.Font(tahoma);
        label.Alignment(1);
        label.Move(0, 0, kLabelWidth, kLabelHeight);
    }
    segment(0);
    blip(0);
}

forms::Line& aGraph::segment(int i) {
    if (GraphLine.exists(i)) return GraphLine(i);
    forms::Line& l = GraphLine.Load(i);
    l.Container(&PaintBox);
    return l;
}

forms::Label& aGraph::blip(int i) {
    if (PointBlip.exists(i)) return PointBlip(i);
    forms::Label& b = PointBlip.Load(i);
    b.Container(&PaintBox);
    b.Move(0, 0, kBlipSize, kBlipSize);
    b.BackColor(kBlipColour);
    return b;
}

void aGraph::hideFrom(int first) {
    for (int i : GraphLine.indexes())
        if (i >= first) GraphLine(i).Visible(false);
    for (int i : PointBlip.indexes())
        if (i >= first) PointBlip(i).Visible(false);
}

void aGraph::ReDraw() {
    const int32_t n = GraphValues.Count();
    hideFrom(n == 0 || GraphMax == 0 ? 0 : n + 1);
    if (n == 0 || GraphMax == 0) return;

    const float xStep = static_cast<float>(PaintBox.Width()) / static_cast<float>(n);
    const float yScale = static_cast<float>(PaintBox.Height()) / static_cast<float>(GraphMax);
    const double bottom = PaintBox.Height();
    // Element 0 joins nothing: the first segment starts at the bottom left corner.
    segment(0).Visible(false);
    blip(0).Visible(false);
    double x = 1, y = bottom;
    for (int32_t i = 1; i <= n; ++i) {
        forms::Line& line = segment(i);
        forms::Label& marker = blip(i);
        line.BorderColor(lineColor_);
        const std::optional<double> value = pointValue(GraphValues(i));
        if (!value) {
            line.Visible(false);
            marker.Visible(false);
            continue;
        }
        const double px = static_cast<double>(static_cast<float>(i) * xStep);
        const double py = bottom - *value * static_cast<double>(yScale);
        line.X1(twips(x - 1));
        line.Y1(twips(y));
        line.X2(twips(px));
        line.Y2(twips(py));
        line.Visible(true);
        x = px + 1;
        y = py;
        marker.Left(twips(x - 50));
        marker.Top(twips(y));
        marker.ToolTipText(i <= GraphLabels.Count() ? std::to_string(i) + " = " + GraphLabels(i) : "");
        marker.Visible(true);
    }
    // The markers lie above every segment, those loaded after them included.
    for (int32_t i = 1; i <= n; ++i) bringToFront(PointBlip(i));
}

void aGraph::UserControl_Resize() {
    const int w = Width(), h = Height();
    PaintBox.Move(kBoxLeft, kBoxTop, w - kBoxLeft - kBoxRightMargin, h - kBoxTop);
    for (int i = 0; i < kGridLines; ++i) {
        const int top = twips(i * h / 10.0);
        forms::Line& grid = AltLine(i);
        grid.X1(0);
        grid.Y1(top - 50);
        grid.X2(w);
        grid.Y2(top - 50);
        forms::Label& label = AltLabel(i);
        label.Top(top);
        label.BackStyle(0);
        label.Caption(base::CStr(GraphMax / 10.0 * (10 - i)) + " -");
        label.Visible(true);
    }
}

void aGraph::GraphLineColor(forms::OleColor newGraphLineColor) {
    lineColor_ = newGraphLineColor;
    PropertyChanged("GraphLineColor");
}

void aGraph::UserControl_InitProperties() { lineColor_ = 255; }

void aGraph::UserControl_ReadProperties(forms::PropertyBag& bag) {
    lineColor_ = bag.ReadProperty("GraphLineColor", forms::OleColor{255});
}

void aGraph::UserControl_WriteProperties(forms::PropertyBag& bag) {
    bag.WriteProperty("GraphLineColor", lineColor_, forms::OleColor{255});
}

}  // namespace qv::controls
