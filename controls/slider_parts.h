#pragma once
// The constituent parts of the slider control as plain state: where each sits (twips, relative
// to the control for the caption bar and its arrows, relative to the track for the rest) and
// how it looks. The slider's logic moves them; its painter draws them.
#include <array>
#include <string>

#include "platform/forms/types.h"

namespace qv::controls {

struct SliderLabel {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Visible = true;
    forms::OleColor BackColor = 0xFFFFFF;
    forms::OleColor ForeColor = 0;
    forms::StdFont Font;
};

struct SliderImage {
    float Left = 0;
    int Top = 0, Width = 0, Height = 0;
    bool Visible = true;
};

struct SliderShape {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    forms::OleColor FillColor = 0;
};

struct SliderLine {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    forms::OleColor BorderColor = 0;
};

struct SliderTrack {
    int Left = 0, Top = 225, Width = 2250, Height = 585;
    forms::OleColor BackColor = 0xC0C0C0;
};

struct SliderParts {
    static constexpr int kSegments = 25;

    SliderLabel lblCaption;
    SliderImage Image1;  // fold arrow
    SliderImage Image2;  // unfold arrow
    SliderTrack picForm;
    std::array<SliderShape, kSegments> Shape1;
    SliderImage imgSlider;  // the thumb
    // Line1 is the base line; Line5, Line3, Line2, Line4, Line6 the ticks from left to right.
    SliderLine Line1, Line2, Line3, Line4, Line5, Line6;
    SliderLabel lblValue;

    SliderParts();
};

// The segment colours of a scheme number; false (and nothing changed) for an unknown scheme.
bool schemeColours(int scheme, std::array<forms::OleColor, SliderParts::kSegments>& out);

}  // namespace qv::controls
