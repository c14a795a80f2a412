#pragma once
// ProgressBar: a bar filled in proportion to Value between Min and Max. A Value outside Min..Max
// is error 380, as is a Min not below Max or a Max not above Min; a new range that leaves Value
// outside it moves Value to the nearer end.
#include "platform/forms/control.h"

namespace qv::forms {

class ProgressBar : public Control {
public:
    ProgressBar(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1935);
        Height(255);
    }
    std::string_view kind() const override { return "ProgressBar"; }

    double Min() const { return min_; }
    void Min(double v);
    double Max() const { return max_; }
    void Max(double v);
    double Value() const { return value_; }
    void Value(double v);
    QV_FORMS_PROPERTY(int, Orientation, 0)  // 0 horizontal, 1 vertical (fills from the bottom)
    QV_FORMS_PROPERTY(int, Scrolling, 0)    // 0 in blocks, 1 smooth
    QV_FORMS_PROPERTY(int, BorderStyle, 0)
    QV_FORMS_PROPERTY(int, Appearance, 1)   // 0 flat, 1 3D

    // The filled share, 0 to 1 (for drawing).
    double fraction() const { return (value_ - min_) / (max_ - min_); }

    bool applyDesign(const std::string& key, const DesignValue& v) override;

    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
private:
    double min_ = 0;
    double max_ = 100;
    double value_ = 0;
};

}  // namespace qv::forms
