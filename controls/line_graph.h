#pragma once
// aGraph: a line graph built from controls rather than painted. A black box holds a polyline
// through the values (one Line element per segment) and a small marker per point (a Label whose
// tooltip names the point), over ten grid lines; scale labels stand to its left.
//
// The host fills GraphValues and GraphLabels pairwise, sets GraphMax (the value at the top of
// the scale) and calls ReDraw. Point i (1-based) lies at i / Count of the box's width, so the
// first segment starts at the bottom left corner and the last point lies on the right edge.
// The scale labels take GraphMax at each resize. Only GraphLineColor is persisted.
#include <cstdint>
#include <string>

#include "platform/base/collection.h"
#include "platform/forms/control_array.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"

namespace qv::controls {

class aGraph : public forms::UserControl {
public:
    static constexpr int kGridLines = 10;
    static constexpr int kBlipSize = 105;

    aGraph(forms::Form& host, std::string name, int index = -1);

    std::string_view kind() const override { return "aGraph"; }

    base::Collection GraphValues;
    base::Collection GraphLabels;
    int16_t GraphMax = 10;

    // Builds the graph from GraphValues, GraphLabels and GraphMax. Elements of an earlier, longer
    // graph are hidden; with no values or a GraphMax of 0 the box stays empty. A value that is no
    // number has no point: its segment and marker stay hidden and the line goes on from the point
    // before it.
    void ReDraw();

    // The polyline's colour; applies from the next ReDraw.
    forms::OleColor GraphLineColor() const { return lineColor_; }
    void GraphLineColor(forms::OleColor newGraphLineColor);

    forms::PictureBox PaintBox{inside(), "PaintBox"};
    forms::ControlArray<forms::Line> AltLine{inside(), "AltLine"};
    forms::ControlArray<forms::Label> AltLabel{inside(), "AltLabel"};
    forms::ControlArray<forms::Line> GraphLine{inside(), "GraphLine"};
    forms::ControlArray<forms::Label> PointBlip{inside(), "PointBlip"};

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(forms::PropertyBag& bag) override;
    void UserControl_Resize() override;

private:
    forms::Line& segment(int i);
    forms::Label& blip(int i);
    void hideFrom(int first);

    forms::OleColor lineColor_ = 255;
};

}  // namespace qv::controls
