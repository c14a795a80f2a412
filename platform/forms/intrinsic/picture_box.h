#pragma once
// PictureBox: a container and a drawing surface. Its surface (surface(), in pixels of its
// inside) holds the back colour, the Picture at the top left and whatever the drawing methods
// put on it; Cls clears the drawing. Coordinates of the drawing methods are in the box's scale:
// ScaleMode 1 twips (the default), 3 pixels, or 0 a scale of the program's own, set through
// ScaleLeft, ScaleTop, ScaleWidth and ScaleHeight (setting any of them makes ScaleMode 0).
// A new BackColor shows from the next Cls; drawing outside the box is clipped.
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/picture.h"
#include "platform/gfx/canvas.h"

namespace qv::forms {

class PictureBox : public Control {
public:
    PictureBox(Form& f, std::string name, int index = -1);
    std::string_view kind() const override { return "PictureBox"; }
    bool isContainer() const override { return true; }
    int clientOffsetX() const override { return borderPixels() * kTwipsPerPixel; }
    int clientOffsetY() const override { return borderPixels() * kTwipsPerPixel; }

    // The picture; with AutoSize the box takes its size (plus the border).
    const PictureRef& Picture() const { return picture_; }
    void Picture(PictureRef p);
    bool AutoSize() const { return autoSize_; }
    void AutoSize(bool a);
    QV_FORMS_PROPERTY(int, BorderStyle, 1)  // 0 none, 1 fixed single (a sunken 3D border)
    QV_FORMS_PROPERTY(bool, AutoRedraw, false)
    QV_FORMS_PROPERTY(OleColor, FillColor, 0)
    QV_FORMS_PROPERTY(int, FillStyle, 1)    // 0 solid, 1 transparent
    QV_FORMS_PROPERTY(int, DrawWidth, 1)
    QV_FORMS_PROPERTY(bool, FontTransparent, true)
    // 13 copy pen (the default), 6 invert, 7 xor pen, 4 not copy pen; 1..16 (error 380 else).
    int DrawMode() const { return drawMode_; }
    void DrawMode(int m);
    int borderPixels() const { return BorderStyle() == 1 ? 2 : 0; }

    // The scale.
    int ScaleMode() const { return scaleMode_; }
    void ScaleMode(int m);  // 0, 1 or 3; error 380 else
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const;
    double ScaleHeight() const;
    void ScaleLeft(double v);
    void ScaleTop(double v);
    void ScaleWidth(double v);   // 0 is error 380
    void ScaleHeight(double v);
    double CurrentX = 0;
    double CurrentY = 0;

    // Drawing. A colour of -1 draws in ForeColor.
    void Cls();
    // A line from (x1, y1) to (x2, y2), its end point left out; box 1 outlines the rectangle
    // between the two corners, box 2 fills it (both corners included). CurrentX/Y := (x2, y2).
    void Line(double x1, double y1, double x2, double y2, int64_t colour = -1, int box = 0);
    void PSet(double x, double y, int64_t colour = -1);
    // The colour of a pixel at (x, y); -1 outside the box.
    int64_t Point(double x, double y) const;
    // Text at (CurrentX, CurrentY) in Font and ForeColor; then CurrentX := 0 and CurrentY moves
    // one line down.
    void Print(const std::string& text);
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;

    // The inside as drawn: back colour, picture, drawing.
    const gfx::Canvas& surface() const { return surface_; }
    // A picture of the surface as it is now (to keep, e.g. in an ImageList).
    PictureRef Image() const;

    void Width(int w) override;
    void Height(int h) override;
    using Control::Height;
    using Control::Width;

    // Design keys beside the common ones: Picture (a file), Data (hex: bytes carried in the
    // pixels of a picture one pixel high, four bytes a pixel, as region data is kept).
    bool applyDesign(const std::string& key, const DesignValue& v) override;
    // The design's back colour and picture make the first surface.
    void designApplied() override;
    void paint(gfx::DeviceContext& dc, const gfx::Rect& rect) const override;

private:
    int insideWidthPx() const;
    int insideHeightPx() const;
    double toPxX(double x) const;
    double toPxY(double y) const;
    uint32_t colourOf(int64_t colour) const;
    void plot(int x, int y, uint32_t c);
    void resizeSurface();

    PictureRef picture_;
    bool autoSize_ = false;
    int drawMode_ = 13;
    int scaleMode_ = 1;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;  // ScaleMode 0
    gfx::Canvas surface_;
};

}  // namespace qv::forms
