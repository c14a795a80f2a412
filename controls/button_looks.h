#pragma once
// The looks of isButton. Each look paints the whole face and frame of a button width by height
// pixels on a device context, from the inputs below alone; it keeps nothing between calls and
// changes nothing but the surface. Later steps overwrite earlier ones where they overlap, so the
// order of the steps inside a look is part of its picture.
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "platform/gfx/device_context.h"

namespace qv::controls {

// ButtonState: the look state a button is painted in.
inline constexpr int kStateNormal = 1;
inline constexpr int kStateHot = 2;
inline constexpr int kStatePressed = 3;
inline constexpr int kStateDisabled = 4;
inline constexpr int kStateDefaulted = 5;

// A colour written #RRGGBB.
constexpr gfx::Colour hexColour(std::uint32_t rrggbb) {
    return gfx::rgb(int(rrggbb >> 16 & 0xFF), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF));
}

// What a look reads of the button.
struct LookInputs {
    int width = 0;
    int height = 0;
    int state = kStateNormal;
    bool focused = false;
    bool showFocus = false;
    bool useCustomColors = false;
    gfx::Colour backColor = 0;       // BackColor, as stored
    gfx::Colour highlightColor = 0;  // HighlightColor, as stored
    bool displayAsDefault = false;   // the host shows the button as its default one
};

// Where a look paints: a device context whose (0, 0) is the button's top left corner. The
// drawing helpers take inclusive ranges (x1..x2 is every column from x1 to x2); an empty range
// draws nothing.
class LookSurface {
public:
    LookSurface(gfx::DeviceContext& dc, int width, int height) : dc_(dc), W(width), H(height) {}

    gfx::DeviceContext& dc() { return dc_; }
    // The background colour: fills the whole surface, which shows it wherever a look paints
    // nothing. The colour set last, if any, for the control to keep.
    void background(gfx::Colour c);
    std::optional<gfx::Colour> backgroundSet() const { return background_; }

    void row(int y, int x1, int x2, gfx::Colour c);
    void column(int x, int y1, int y2, gfx::Colour c);
    // Rows y1..y2, each x1..x2, from `top` in row y1 to `bottom` in row y2.
    void rowsGradient(int y1, int y2, int x1, int x2, gfx::Colour top, gfx::Colour bottom);
    // Columns x1..x2 of row y, from `left` to `right`.
    void columnsGradient(int y, int x1, int x2, gfx::Colour left, gfx::Colour right);
    // The outline through (x, y), (x+w, y), (x+w, y+h), (x, y+h), all four corners drawn.
    void frame(int x, int y, int w, int h, gfx::Colour c);
    void pixel(int x, int y, gfx::Colour c);
    void pixels(std::initializer_list<gfx::Point> at, gfx::Colour c);

private:
    gfx::DeviceContext& dc_;
    std::optional<gfx::Colour> background_;

public:
    const int W;
    const int H;
};

// Styles 0 to 4, drawn with frames and edges (flat, toolbar, classic, corner, light).
void DrawClassicStyle(int style, LookSurface& s, const LookInputs& in);
// Style 5: a rounded push button with a dark outline, in fixed colours or from BackColor.
void DrawStyle5(LookSurface& s, const LookInputs& in);
void DrawStyle5Custom(LookSurface& s, const LookInputs& in);
// Style 7: a soft bevelled button.
void DrawStyle7(LookSurface& s, const LookInputs& in);
// Style 8: a flat face with a light bevel and a shadowed bottom right corner.
void DrawStyle8(LookSurface& s, const LookInputs& in);
// Style 9: a glossy face with shaded side columns.
void DrawStyle9(LookSurface& s, const LookInputs& in);
// Style 10: a glossy rounded frame, grey, blue when hot or focused, darker blue when pressed.
void DrawStyle10(LookSurface& s, const LookInputs& in);
void DrawStyle10Normal(LookSurface& s);
void DrawStyle10Hot(LookSurface& s);
void DrawStyle10Down(LookSurface& s);

// The look of a style, as Refresh chooses it: false for a style without one (6, which needs a
// theme, and anything above 10).
bool DrawLook(int style, LookSurface& s, const LookInputs& in);

// The margin of the caption and icon from their edge after painting a style.
int textInsetOf(int style);

}  // namespace qv::controls
