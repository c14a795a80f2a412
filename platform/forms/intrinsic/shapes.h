#pragma once
// Frame (a captioned container), Image, Shape and Line.
#include <memory>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/picture.h"

namespace qv::forms {

class Frame : public Control {
public:
    Frame(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(2000);
        Height(1500);
    }
    std::string_view kind() const override { return "Frame"; }
    bool isContainer() const override { return true; }

    QV_FORMS_PROPERTY(std::string, Caption, "")
    QV_FORMS_PROPERTY(int, BorderStyle, 1)
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
};

// Image: a picture drawn on its container, stretched or at its own size.
class Image : public Control {
public:
    Image(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(975);
        Height(975);
    }
    std::string_view kind() const override { return "Image"; }
    bool windowed() const override { return false; }

    QV_FORMS_PROPERTY(PictureRef, Picture, nullptr)
    QV_FORMS_PROPERTY(bool, Stretch, false)
    QV_FORMS_PROPERTY(int, BorderStyle, 0)
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
    bool takesMouse() const override { return true; }
};

// Shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
class Shape : public Control {
public:
    Shape(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {
        Width(1215);
        Height(1215);
        BackColor(kSysWindow);
    }
    std::string_view kind() const override { return "Shape"; }
    bool windowed() const override { return false; }

    QV_FORMS_PROPERTY(int, Style, 0)  // the designer's Shape value
    QV_FORMS_PROPERTY(int, BackStyle, 0)  // 0 transparent, 1 opaque
    QV_FORMS_PROPERTY(OleColor, FillColor, 0)
    QV_FORMS_PROPERTY(int, FillStyle, 1)  // 0 solid, 1 transparent
    QV_FORMS_PROPERTY(OleColor, BorderColor, kSysWindowText)
    QV_FORMS_PROPERTY(int, BorderStyle, 1)  // 0 transparent, 1 solid
    QV_FORMS_PROPERTY(int, BorderWidth, 1)
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
};

// Line: from (X1, Y1) to (X2, Y2) in its container's twips.
class Line : public Control {
public:
    Line(Form& f, std::string name, int index = -1) : Control(f, std::move(name), index) {}
    std::string_view kind() const override { return "Line"; }
    bool windowed() const override { return false; }

    QV_FORMS_PROPERTY(int, X1, 0)
    QV_FORMS_PROPERTY(int, Y1, 0)
    QV_FORMS_PROPERTY(int, X2, 0)
    QV_FORMS_PROPERTY(int, Y2, 0)
    QV_FORMS_PROPERTY(OleColor, BorderColor, kSysWindowText)
    QV_FORMS_PROPERTY(int, BorderWidth, 1)
    QV_FORMS_PROPERTY(int, BorderStyle, 1)
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;
    bool clippedToItsRect() const override { return false; }
    gfx::Rect paintBounds() const override;

private:
    // Its end points in pixels of its container's client area.
    struct Ends {
        gfx::Point a, b;
    };
    Ends ends() const;
};

}  // namespace qv::forms
