#pragma once
// Slider: a thumb on a track between Min and Max, horizontal (Min at the left) or vertical
// (Min at the top). Change is raised whenever Value changes, by the user or by code; assigning
// the value it has raises nothing. Scroll is raised while the user drags the thumb.
//
// The user: pressing the left button on the thumb and moving drags it (the value nearest the
// pointer); pressing elsewhere on the track moves the value by LargeChange towards the pointer;
// the arrow keys move it by SmallChange, Page Up and Page Down by LargeChange, Home and End to
// Min and Max.
#include "platform/forms/control.h"

namespace qv::forms {

class Slider : public Control {
public:
    Slider(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(2400);
        Height(630);
    }
    std::string_view kind() const override { return "Slider"; }

    int Min() const { return min_; }
    void Min(int v);
    int Max() const { return max_; }
    void Max(int v);
    int Value() const { return value_; }
    // Outside Min..Max is error 380.
    void Value(int v);
    QV_FORMS_PROPERTY(int, SmallChange, 1)
    QV_FORMS_PROPERTY(int, LargeChange, 5)
    QV_FORMS_PROPERTY(int, TickFrequency, 1)
    QV_FORMS_PROPERTY(int, TickStyle, 0)  // 0 bottom/right, 1 top/left, 2 both, 3 none
    int Orientation() const { return orientation_; }
    void Orientation(int o);  // 0 horizontal, 1 vertical; error 380 else

    Event<> Change;
    Event<> Scroll;

    // Geometry in pixels within the control: the track runs from trackStart() to trackEnd()
    // along its length; the thumb's centre lies at thumbCentre().
    static constexpr int kThumbLength = 11;  // along the track
    static constexpr int kThumbDepth = 21;   // across it
    static constexpr int kMargin = 12;
    int trackStart() const { return kMargin; }
    int trackEnd() const;
    int thumbCentre() const;
    // The value whose thumb position lies nearest a position along the track (pixels).
    int valueAt(int along) const;
    bool dragging() const { return dragging_; }

    void mouseDown(int button, int shift, float x, float y) override;
    void mouseMove(int button, int shift, float x, float y) override;
    void mouseUp(int button, int shift, float x, float y) override;
    // A quick second press on the track is another press.
    bool takesDoubleClicks() const override { return false; }
    // A key while the slider has the focus (key codes: 33 Page Up .. 40 Down).
    void keyDown(int keyCode, int shift) override;

    bool applyDesign(const std::string& key, const DesignValue& v) override;

    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
private:
    int alongPx(float x, float y) const;
    void setValue(int v, bool scrolling);
    int min_ = 0;
    int max_ = 10;
    int value_ = 0;
    int orientation_ = 0;
    bool dragging_ = false;
};

}  // namespace qv::forms
