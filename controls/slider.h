#pragma once
// ucSlider: a captioned level control. A caption bar that can fold the control up; below it a
// track with a draggable thumb, a wedge of 25 coloured segments lit to the left of the thumb,
// tick lines and a label that shows the value. It raises no events: hosts read and write Value.
// Invariant kept by the property procedures: Min < Max, and Min <= Value <= Max after every
// Value assignment.
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/slider_parts.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/gfx/canvas.h"

namespace qv::controls {

class ucSlider : public forms::UserControl {
public:
    static constexpr int kWidth = 2250;
    static constexpr int kUnfoldedHeight = 825;
    static constexpr int kFoldedHeight = 240;

    ucSlider(forms::Form& owner, std::string name, int index = -1);

    std::string_view kind() const override { return "ucSlider"; }

    // Properties.
    std::int32_t BarColor() const { return barColor_; }
    void BarColor(std::int32_t scheme);
    bool DropDownCtrl() const { return dropDownCtrl_; }
    void DropDownCtrl(bool unfolded);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& caption);
    bool DisableDropDown() const { return disableDropDown_; }
    void DisableDropDown(bool disable);
    const forms::StdFont& Font() const { return Control::Font(); }
    void Font(const forms::StdFont& font);
    std::int32_t Min() const { return min_; }
    void Min(std::int32_t newMin);
    std::int32_t Max() const { return max_; }
    void Max(std::int32_t newMax);
    std::int32_t Value() const { return value_; }
    void Value(std::int32_t newValue);
    // As hosts that hold the value as text assign it ("3"); text that is no number is error 13.
    void Value(std::string_view text);
    bool ValueHide() const { return valueHide_; }
    void ValueHide(bool hide);
    forms::OleColor TickColor() const { return tickColor_; }
    void TickColor(forms::OleColor c);
    forms::OleColor BackColor() const { return parts_.picForm.BackColor; }
    void BackColor(forms::OleColor c);
    forms::OleColor CapBkgdColor() const { return parts_.lblCaption.BackColor; }
    void CapBkgdColor(forms::OleColor c);
    forms::OleColor CapFontColor() const { return parts_.lblCaption.ForeColor; }
    void CapFontColor(forms::OleColor c);

    // Input on the parts; X and Y in twips within the part. Buttons as forms::MouseButton
    // flags (1 left, 2 right, 4 middle; several while more than one is held).
    void thumbMouseDown(int button, float x, float y);
    void thumbMouseMove(int button, float x, float y);
    void thumbMouseUp(int button, float x, float y);
    void trackMouseDown(int button, float x, float y);
    void trackMouseUp(int button, float x, float y);
    void captionClick();
    void image1Click();
    void image2Click();

    const SliderParts& parts() const { return parts_; }
    // The control drawn at its size, `scale` canvas pixels to a screen pixel.
    gfx::Canvas render(int scale = 1) const;

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(forms::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Paint() override;
    // Input on the control goes to the part under the pointer (twips within the control).
    void UserControl_MouseDown(int button, int shift, float x, float y) override;
    void UserControl_MouseMove(int button, int shift, float x, float y) override;
    void UserControl_MouseUp(int button, int shift, float x, float y) override;
    void UserControl_Click() override;

private:
    enum class Part { None, Caption, Image1, Image2, Thumb, Track };
    Part partAt(float x, float y) const;
    void RedrawSlider();
    void lightSegmentsFromThumb();
    // A thumb position a drag or a click gives, kept within the track.
    std::int32_t clampThumb(std::int32_t n) const;
    // The end of a drag or a click: a value above Max comes down, and at Max the last segment is lit.
    void settleAtMax();
    void applyDrop(bool relayout);
    void layout();
    void labelsTakeFont();
    void showBadRange(const std::string& text);
    int trackWidth() const { return parts_.picForm.Width; }

    SliderParts parts_;
    bool valueHide_ = true;
    bool dropDownCtrl_ = false;
    std::string caption_;
    bool disableDropDown_ = false;
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t value_ = 0;
    forms::OleColor tickColor_ = 0;
    std::int16_t barColor_ = 1;
    int margin_ = 130;
    float downX_ = 0, downY_ = 0;  // where the last button went down, for the click
    Part pressed_ = Part::None;    // the part that holds the mouse while a button is down
};

}  // namespace qv::controls
