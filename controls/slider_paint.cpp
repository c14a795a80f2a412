// How the slider looks: the track with its lit segments, lines and thumb, the value label, and
// the caption bar with its arrow on top.
#include "controls/slider.h"

#include <algorithm>
#include <vector>

#include "platform/gfx/device_context.h"
#include "platform/gfx/region.h"

namespace qv::controls {

namespace {

struct Painter {
    gfx::DeviceContext& dc;
    int scale;
    int ox = 0, oy = 0;  // twips of the part's origin within the control

    int px(double twips) const { return static_cast<int>(twips * scale / forms::kTwipsPerPixel); }
    int x(double t) const { return px(ox + t); }
    int y(double t) const { return px(oy + t); }

    void box(double l, double t, double w, double h, gfx::Colour fill, std::optional<gfx::Colour> frame) {
        gfx::Rect r{x(l), y(t), x(l + w), y(t + h)};
        dc.fillRect(r, gfx::Brush::solid(fill));
        if (frame) dc.frameRect(r, gfx::Brush::solid(*frame));
    }
    void line(const SliderLine& l) {
        gfx::Pen old = dc.selectPen(gfx::Pen{gfx::PenStyle::Solid, scale, l.BorderColor});
        dc.moveTo(x(l.X1), y(l.Y1));
        dc.lineTo(x(l.X2), y(l.Y2));
        dc.selectPen(old);
    }
    void polygon(const std::vector<gfx::Point>& pts, gfx::Colour fill, gfx::Colour frame) {
        gfx::Pen oldPen = dc.selectPen(gfx::Pen{gfx::PenStyle::Solid, 1, frame});
        gfx::Brush oldBrush = dc.selectBrush(gfx::Brush::solid(fill));
        dc.polygon(pts);
        dc.selectPen(oldPen);
        dc.selectBrush(oldBrush);
    }
    void text(const SliderLabel& l, unsigned format) {
        gfx::Font f{l.Font.Name, l.Font.Size * scale, l.Font.Bold, l.Font.Italic, l.Font.Underline,
                    l.Font.Strikethrough};
        gfx::Font old = dc.selectFont(f);
        dc.setTextColour(l.ForeColor);
        dc.setBkMode(gfx::BackgroundMode::Transparent);
        gfx::Rect r{x(l.Left), y(l.Top), x(l.Left + l.Width), y(l.Top + l.Height)};
        dc.drawText(l.Caption, r, format | gfx::dt::kSingleLine | gfx::dt::kNoPrefix);
        dc.selectFont(old);
    }
};

}  // namespace

gfx::Canvas ucSlider::render(int scale) const {
    if (scale < 1) scale = 1;
    const SliderParts& p = parts_;
    gfx::Canvas canvas(Width() * scale / forms::kTwipsPerPixel, Height() * scale / forms::kTwipsPerPixel,
                       gfx::rgb(255, 255, 255));
    gfx::DeviceContext dc(canvas);
    Painter paint{dc, scale};

    if (dropDownCtrl_) {
        const SliderTrack& t = p.picForm;
        paint.ox = t.Left;
        paint.oy = t.Top;
        paint.box(0, 0, t.Width, t.Height, t.BackColor, std::nullopt);
        // The track is a picture box: what it holds is cut at its edges.
        dc.setClip(gfx::Region::rect(paint.x(0), paint.y(0), paint.x(t.Width), paint.y(t.Height)));
        for (const SliderShape& s : p.Shape1) {
            if (s.Visible) paint.box(s.Left, s.Top, s.Width, s.Height, s.FillColor, gfx::rgb(0, 0, 0));
        }
        for (const SliderLine* l : {&p.Line1, &p.Line2, &p.Line3, &p.Line4, &p.Line5, &p.Line6}) paint.line(*l);

        // The thumb: a raised pointer whose point touches the base line under the wedge. Its
        // picture is drawn whole within the part of it that the track shows.
        const SliderImage& th = p.imgSlider;
        const double l = th.Left, top = th.Top, w = th.Width;
        const double bottom = std::min<double>(top + th.Height, t.Height) - 15;
        const double shoulder = top + 60;
        paint.polygon({{paint.x(l + w / 2), paint.y(top)},
                       {paint.x(l + w - 15), paint.y(shoulder)},
                       {paint.x(l + w - 15), paint.y(bottom)},
                       {paint.x(l), paint.y(bottom)},
                       {paint.x(l), paint.y(shoulder)}},
                      gfx::rgb(224, 224, 224), gfx::rgb(64, 64, 64));
        // A grip groove down its middle.
        paint.line(SliderLine{static_cast<int>(l + w / 2), static_cast<int>(shoulder),
                              static_cast<int>(l + w / 2), static_cast<int>(bottom - 30), gfx::rgb(128, 128, 128)});
        dc.setClip(std::nullopt);

        if (p.lblValue.Visible) paint.text(p.lblValue, gfx::dt::kLeft | gfx::dt::kVCenter);
    }

    paint.ox = paint.oy = 0;
    const SliderLabel& c = p.lblCaption;
    paint.box(c.Left, c.Top, c.Width, c.Height, c.BackColor, std::nullopt);
    SliderLabel inset = c;
    inset.Left += 45;
    paint.text(inset, gfx::dt::kLeft | gfx::dt::kVCenter);

    // The arrows: up to fold the control away, down to open it again.
    auto arrow = [&](const SliderImage& img, bool up) {
        const double l = img.Left + 60, t = img.Top + 75, w = 120, h = 90;
        std::vector<gfx::Point> pts = up ? std::vector<gfx::Point>{{paint.x(l), paint.y(t + h)},
                                                                   {paint.x(l + w), paint.y(t + h)},
                                                                   {paint.x(l + w / 2), paint.y(t)}}
                                         : std::vector<gfx::Point>{{paint.x(l), paint.y(t)},
                                                                   {paint.x(l + w), paint.y(t)},
                                                                   {paint.x(l + w / 2), paint.y(t + h)}};
        paint.polygon(pts, c.ForeColor, c.ForeColor);
    };
    if (p.Image1.Visible) arrow(p.Image1, true);
    if (p.Image2.Visible) arrow(p.Image2, false);
    return canvas;
}

}  // namespace qv::controls
