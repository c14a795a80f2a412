// isButton's layout: at least 300 twips each way, and the caption's rectangle and text flags
// by CaptionAlign around the caption's measured size.
#include "controls/button.h"
#include "platform/base/convert.h"

namespace qv::controls {
namespace {

constexpr int kMinimumTwips = 300;

// Half of v, halves to even.
int half(int v) { return int(base::roundHalfEven(v / 2.0)); }

}  // namespace

void isButton::UserControl_Resize() {
    // Each of these lays the control out again from the start.
    if (Width() < kMinimumTwips) return Width(kMinimumTwips);
    if (Height() < kMinimumTwips) return Height(kMinimumTwips);

    const int W = ScaleWidth(), H = ScaleHeight();
    captionRect_ = {4, 4, W - 4, H - 4};

    gfx::DeviceContext& dc = hDC();
    const forms::StdFont& f = Control::Font();
    dc.selectFont(gfx::Font{f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.Strikethrough});
    gfx::Rect t = captionRect_;
    const unsigned rtl = rightToLeft_ ? gfx::dt::kRtlReading : 0u;
    dc.drawText(caption_, t, gfx::dt::kCalcRect | gfx::dt::kWordBreak | rtl);
    const int Tl = t.left, Tt = t.top, Tr = t.right, Tb = t.bottom, I = textInset_;

    const int middleTop = half(H - Tb - Tt) + 3, middleBottom = half(H + Tb - Tt);
    switch (captionAlign_) {
        case 0:
            captionRect_ = {half(W - Tr - Tl), middleTop, half(W + Tr - Tl), middleBottom};
            textFlags_ = 21;
            break;
        case 1:
            captionRect_ = {I, middleTop, Tr + I, middleBottom};
            textFlags_ = 20;
            break;
        case 2:
            captionRect_ = {W - Tr - Tl - I, middleTop, W - Tl - I, middleBottom};
            textFlags_ = 22;
            break;
        case 3:
            captionRect_ = {half(W - Tr - Tl), half(I), half(W + Tr - Tl), half(I) + (Tb - Tt)};
            textFlags_ = 17;
            break;
        case 4:
            captionRect_ = {half(W - Tr - Tl), H - (Tb - Tt) - half(I), half(W + Tr - Tl), H - half(I)};
            textFlags_ = 25;
            break;
        default:
            break;
    }
    textFlags_ |= rtl;
    SetButtonRegion();
    Refresh();
}

}  // namespace qv::controls
