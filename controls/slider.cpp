#include "controls/slider.h"

#include <cmath>

#include "platform/base/convert.h"
#include "platform/forms/msgbox.h"

namespace qv::controls {

namespace {
float single(double x) { return static_cast<float>(x); }
std::int32_t nearest(double x) { return static_cast<std::int32_t>(base::roundHalfEven(x)); }
bool within(float x, float y, float left, float top, float w, float h) {
    return x >= left && y >= top && x < left + w && y < top + h;
}
}  // namespace

ucSlider::ucSlider(forms::Form& owner, std::string name, int index)
    : UserControl(owner, std::move(name), index) {
    layout();
    RedrawSlider();
}

void ucSlider::UserControl_Resize() { layout(); }

void ucSlider::layout() {
    if (Width() != kWidth) Width(kWidth);
    const int h = dropDownCtrl_ ? kUnfoldedHeight : kFoldedHeight;
    if (Height() != h) Height(h);
}

void ucSlider::UserControl_Paint() {
    gfx::Canvas picture = render(1);
    hDC().bitBlt(0, 0, picture.width(), picture.height(), picture, 0, 0);
}

void ucSlider::UserControl_ReadProperties(forms::PropertyBag& bag) {
    DropDownCtrl(bag.ReadProperty("DropDownCtrl", true));
    Caption(bag.ReadProperty("Caption", std::string()));
    DisableDropDown(bag.ReadProperty("DisableDropDown", false));
    Min(bag.ReadProperty("Min", std::int32_t{0}));
    Max(bag.ReadProperty("Max", std::int32_t{100}));
    Value(bag.ReadProperty("Value", std::int32_t{0}));
    Font(bag.ReadProperty("Font", Ambient().Font));
    TickColor(bag.ReadProperty("TickColor", forms::OleColor{0}));
    BackColor(bag.ReadProperty("BackColor", forms::OleColor{0xC0C0C0}));
    CapBkgdColor(bag.ReadProperty("CapBkgdColor", forms::OleColor{0xFFFFFF}));
    CapFontColor(bag.ReadProperty("CapFontColor", forms::OleColor{0}));
    BarColor(bag.ReadProperty("BarColor", std::int32_t{1}));
    ValueHide(bag.ReadProperty("ValueHide", true));
    labelsTakeFont();
}

void ucSlider::UserControl_WriteProperties(forms::PropertyBag& bag) {
    bag.WriteProperty("DropDownCtrl", dropDownCtrl_, true);
    bag.WriteProperty("Caption", caption_, std::string());
    bag.WriteProperty("DisableDropDown", disableDropDown_, false);
    bag.WriteProperty("Min", min_, std::int32_t{0});
    bag.WriteProperty("Max", max_, std::int32_t{100});
    bag.WriteProperty("Value", value_, std::int32_t{0});
    bag.WriteProperty("Font", Font(), Ambient().Font);
    bag.WriteProperty("TickColor", tickColor_, forms::OleColor{0});
    bag.WriteProperty("BackColor", BackColor(), forms::OleColor{0xC0C0C0});
    bag.WriteProperty("CapBkgdColor", CapBkgdColor(), forms::OleColor{0xFFFFFF});
    bag.WriteProperty("CapFontColor", CapFontColor(), forms::OleColor{0});
    bag.WriteProperty("BarColor", std::int32_t{barColor_}, std::int32_t{1});
    bag.WriteProperty("ValueHide", valueHide_, true);
}

void ucSlider::BarColor(std::int32_t scheme) {
    barColor_ = base::CInt(static_cast<double>(scheme));  // outside 16 bits: overflow (6)
    std::array<forms::OleColor, SliderParts::kSegments> colours;
    if (schemeColours(barColor_, colours)) {
        for (int i = 0; i < SliderParts::kSegments; ++i) parts_.Shape1[i].FillColor = colours[i];
    }
    PropertyChanged("BarColor");
}

void ucSlider::DropDownCtrl(bool unfolded) {
    dropDownCtrl_ = unfolded;
    if (!unfolded) {
        parts_.Image1.Visible = false;
        parts_.Image2.Visible = true;
    } else {
        parts_.Image1.Visible = !disableDropDown_;
        parts_.Image2.Visible = false;
    }
    PropertyChanged("DropDownCtrl");
    layout();
}

void ucSlider::Caption(const std::string& caption) {
    caption_ = caption;
    parts_.lblCaption.Caption = caption;
    PropertyChanged("Caption");
}

void ucSlider::DisableDropDown(bool disable) {
    disableDropDown_ = disable;
    if (!disable) {
        parts_.Image1.Visible = dropDownCtrl_;
        parts_.Image2.Visible = !dropDownCtrl_;
    } else {
        parts_.Image1.Visible = false;
        parts_.Image2.Visible = false;
        DropDownCtrl(true);
    }
    PropertyChanged("DisableDropDown");
}

void ucSlider::Font(const forms::StdFont& font) {
    Control::Font(font);
    labelsTakeFont();
    PropertyChanged("Font");
}

void ucSlider::labelsTakeFont() {
    for (SliderLabel* l : {&parts_.lblValue, &parts_.lblCaption}) {
        l->Font.Size = Font().Size;
        l->Font.Bold = Font().Bold;
        l->Font.Name = Font().Name;
    }
}

void ucSlider::showBadRange(const std::string& text) {
    forms::MsgBox(text + "  " + caption_, forms::vbOKOnly, "Please correct error in " + caption_);
}

void ucSlider::Min(std::int32_t newMin) {
    if (newMin == max_) return showBadRange("Sorry but Min and Max cannot be equal.");
    if (newMin > max_) return showBadRange("Sorry but Min is greater then Max.");
    min_ = newMin;
    PropertyChanged("Min");
    RedrawSlider();
}

void ucSlider::Max(std::int32_t newMax) {
    if (newMax == min_) return showBadRange("Sorry but Max and Min cannot be equal.");
    if (newMax < min_) return showBadRange("Sorry but Max is less than Min.");
    max_ = newMax;
    PropertyChanged("Max");
    RedrawSlider();
}

void ucSlider::Value(std::int32_t newValue) {
    value_ = newValue;
    if (value_ > max_) value_ = max_;
    if (value_ < min_) value_ = min_;
    PropertyChanged("Value");
    RedrawSlider();
}

void ucSlider::Value(std::string_view text) { Value(base::CLng(text)); }

void ucSlider::ValueHide(bool hide) {
    valueHide_ = hide;
    parts_.lblValue.Visible = !hide;
    PropertyChanged("ValueHide");
}

void ucSlider::TickColor(forms::OleColor c) {
    tickColor_ = c;
    parts_.lblValue.ForeColor = c;
    for (SliderLine* l : {&parts_.Line1, &parts_.Line2, &parts_.Line3, &parts_.Line4, &parts_.Line5, &parts_.Line6})
        l->BorderColor = c;
    PropertyChanged("TickColor");
}

void ucSlider::BackColor(forms::OleColor c) {
    parts_.picForm.BackColor = c;
    PropertyChanged("BackColor");
}

void ucSlider::CapBkgdColor(forms::OleColor c) {
    parts_.lblCaption.BackColor = c;
    PropertyChanged("CapBkgdColor");
}

void ucSlider::CapFontColor(forms::OleColor c) {
    parts_.lblCaption.ForeColor = c;
    PropertyChanged("CapFontColor");
}

void ucSlider::UserControl_InitProperties() {
    Caption(Name());
    Min(0);
    Max(100);
    Value(0);
    DropDownCtrl(true);
    DisableDropDown(false);
    margin_ = 130;
    RedrawSlider();
}

void ucSlider::RedrawSlider() {
    const std::int32_t range = max_ - min_;
    if (range != 0) {
        float s = single(double(trackWidth() - margin_) / range);
        parts_.imgSlider.Left = single(double(s) * (value_ - min_) - 3);
    }
    for (int i = 0; i < SliderParts::kSegments; ++i) {
        SliderShape& seg = parts_.Shape1[i];
        if (single(double(parts_.imgSlider.Left) + 15) > seg.Left) {
            seg.Visible = true;
        } else {
            seg.Visible = false;
            if (value_ == min_) parts_.Shape1[0].Visible = false;
        }
    }
    parts_.lblValue.Caption = std::to_string(value_);
    Refresh();
}

void ucSlider::lightSegmentsFromThumb() {
    for (int i = 0; i < SliderParts::kSegments; ++i) {
        SliderShape& seg = parts_.Shape1[i];
        if (parts_.imgSlider.Left > seg.Left) {
            seg.Visible = true;
        } else {
            seg.Visible = false;
            if (value_ == min_) parts_.Shape1[0].Visible = false;
        }
    }
}

void ucSlider::thumbMouseDown(int, float, float) {
    parts_.lblValue.Visible = true;
    Refresh();
}

std::int32_t ucSlider::clampThumb(std::int32_t n) const {
    const int w = trackWidth();
    if (n < 0) return 0;
    if (w - margin_ < n) return nearest(w - margin_ - 15);
    return n;
}

void ucSlider::settleAtMax() {
    if (value_ > max_) Value(max_);
    if (value_ == max_) {
        parts_.Shape1[24].Visible = true;
        Value(max_);
    }
}

void ucSlider::thumbMouseMove(int button, float x, float) {
    if (button != forms::kLeftButton) return;
    const int w = trackWidth();
    std::int32_t n = nearest(double(parts_.imgSlider.Left) + x - margin_ / 2.0);
    n = clampThumb(15 * (n / 15));
    parts_.imgSlider.Left = float(n);
    const std::int32_t range = max_ - min_;
    if (range == 0) return;
    float s = single(double(w - 20 - margin_) / range);
    Value(nearest(n / double(s) + min_));
    lightSegmentsFromThumb();
    settleAtMax();
    parts_.lblValue.Caption = std::to_string(value_);
}

void ucSlider::thumbMouseUp(int, float, float) {
    parts_.lblValue.Visible = !valueHide_;
    Refresh();
}

void ucSlider::trackMouseDown(int, float x, float y) {
    if (!(y > 400)) return;
    const int w = trackWidth();
    const std::int32_t n = clampThumb(15 * (nearest(x - margin_ / 2.0) / 15));
    parts_.imgSlider.Left = float(n);
    const std::int32_t range = max_ - min_;
    if (range == 0) return;
    float s = single(double(w - 20 - parts_.imgSlider.Width) / range);
    Value(nearest(n / double(s) + min_));
    if (value_ == max_) parts_.Shape1[24].Visible = true;
    lightSegmentsFromThumb();
    settleAtMax();
    parts_.lblValue.Caption = std::to_string(value_);
    parts_.lblValue.Visible = true;
    Refresh();
}

void ucSlider::trackMouseUp(int, float, float) {
    parts_.lblValue.Visible = !valueHide_;
    Refresh();
}

void ucSlider::captionClick() {
    if (!disableDropDown_) DropDownCtrl(!dropDownCtrl_);
}

void ucSlider::image1Click() {
    DropDownCtrl(false);
    parts_.Image1.Visible = false;
    parts_.Image2.Visible = true;
}

void ucSlider::image2Click() {
    DropDownCtrl(true);
    parts_.Image1.Visible = true;
    parts_.Image2.Visible = false;
}

ucSlider::Part ucSlider::partAt(float x, float y) const {
    const SliderImage& a = parts_.Image1;
    const SliderImage& b = parts_.Image2;
    if (a.Visible && within(x, y, a.Left, float(a.Top), float(a.Width), float(a.Height))) return Part::Image1;
    if (b.Visible && within(x, y, b.Left, float(b.Top), float(b.Width), float(b.Height))) return Part::Image2;
    const SliderLabel& c = parts_.lblCaption;
    if (within(x, y, float(c.Left), float(c.Top), float(c.Width), float(c.Height))) return Part::Caption;
    if (!dropDownCtrl_) return Part::None;
    const SliderTrack& t = parts_.picForm;
    const float tx = x - t.Left, ty = y - t.Top;
    if (!within(tx, ty, 0, 0, float(t.Width), float(t.Height))) return Part::None;
    const SliderImage& th = parts_.imgSlider;
    if (within(tx, ty, th.Left, float(th.Top), float(th.Width), float(th.Height))) return Part::Thumb;
    return Part::Track;
}

// The part a button went down on keeps the mouse until the button comes up, as a picture box
// or image holds it: a drag that leaves the thumb goes on, and a press elsewhere that passes
// over the thumb does not drag it.
void ucSlider::UserControl_MouseDown(int button, int, float x, float y) {
    downX_ = x;
    downY_ = y;
    if (pressed_ == Part::None) pressed_ = partAt(x, y);
    const SliderTrack& t = parts_.picForm;
    switch (pressed_) {
        case Part::Thumb: thumbMouseDown(button, x - t.Left - parts_.imgSlider.Left, y - t.Top - parts_.imgSlider.Top); break;
        case Part::Track: trackMouseDown(button, x - t.Left, y - t.Top); break;
        default: break;
    }
}

void ucSlider::UserControl_MouseMove(int button, int, float x, float y) {
    const SliderTrack& t = parts_.picForm;
    if (pressed_ == Part::Thumb)
        thumbMouseMove(button, x - t.Left - parts_.imgSlider.Left, y - t.Top - parts_.imgSlider.Top);
}

void ucSlider::UserControl_MouseUp(int button, int, float x, float y) {
    const Part part = pressed_ != Part::None ? pressed_ : partAt(x, y);
    pressed_ = Part::None;
    const SliderTrack& t = parts_.picForm;
    switch (part) {
        case Part::Thumb: thumbMouseUp(button, x - t.Left - parts_.imgSlider.Left, y - t.Top - parts_.imgSlider.Top); break;
        case Part::Track: trackMouseUp(button, x - t.Left, y - t.Top); break;
        default: break;
    }
}

void ucSlider::UserControl_Click() {
    switch (partAt(downX_, downY_)) {
        case Part::Image1: image1Click(); break;
        case Part::Image2: image2Click(); break;
        case Part::Caption: captionClick(); break;
        default: break;
    }
}

}  // namespace qv::controls
