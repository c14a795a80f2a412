#pragma once
// A device context over a canvas: the selected pen, brush and font, the text and background
// colours and background mode, the current position, an origin and an optional clip region,
// and the drawing calls with the window system's pixel rules:
// - a line draws its start point and leaves out its end point, in every direction;
// - a filled rectangle covers left..right-1, top..bottom-1;
// - rectangle, ellipse and rounded rectangle outline their shape with the pen inside
//   left..right-1, top..bottom-1 and fill the inside with the brush (with no pen the fill covers
//   left..right-2, top..bottom-2);
// - a polygon fills by the fill mode and outlines every side, the closing one included.
// Colours given to the calls may be system colours (top bit set); they are translated first.
// Nothing is drawn outside the canvas or the clip region.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/gfx/canvas.h"
#include "platform/gfx/colour.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/region.h"
#include "platform/gfx/shape_spans.h"

namespace qv::gfx {

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5, InsideFrame = 6 };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int32_t width = 1;
    Colour colour = 0;
};

enum class BrushStyle { Solid = 0, Null = 1 };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Colour colour = rgb(255, 255, 255);
    static Brush solid(Colour c) { return {BrushStyle::Solid, c}; }
    static Brush none() { return {BrushStyle::Null, 0}; }
};

enum class BackgroundMode { Transparent = 1, Opaque = 2 };

// Raster operations of bitBlt, with the window system's numbers.
enum class RasterOp : uint32_t {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,
    SrcAnd = 0x008800C6,
    SrcInvert = 0x00660046,
    NotSrcCopy = 0x00330008,
    DstInvert = 0x00550009,
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
    PatCopy = 0x00F00021,
};

// drawEdge: the edges (outer and inner, raised and sunken) and which sides to draw.
namespace edge {
inline constexpr unsigned kRaisedOuter = 0x1, kSunkenOuter = 0x2, kRaisedInner = 0x4, kSunkenInner = 0x8;
inline constexpr unsigned kRaised = kRaisedOuter | kRaisedInner;  // 5
inline constexpr unsigned kSunken = kSunkenOuter | kSunkenInner;  // 10
inline constexpr unsigned kEtched = kSunkenOuter | kRaisedInner;  // 6
inline constexpr unsigned kBump = kRaisedOuter | kSunkenInner;    // 9
inline constexpr unsigned kLeft = 0x1, kTop = 0x2, kRight = 0x4, kBottom = 0x8, kRect = 0xF;
inline constexpr unsigned kMiddle = 0x800, kSoft = 0x1000, kAdjust = 0x2000, kFlat = 0x4000, kMono = 0x8000;
}  // namespace edge

// drawText formats.
namespace dt {
inline constexpr unsigned kTop = 0x0, kLeft = 0x0, kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10, kSingleLine = 0x20, kExpandTabs = 0x40, kNoClip = 0x100;
inline constexpr unsigned kCalcRect = 0x400, kNoPrefix = 0x800, kRtlReading = 0x20000, kHidePrefix = 0x100000;
}  // namespace dt

class DeviceContext {
public:
    explicit DeviceContext(Canvas& canvas) : canvas_(&canvas) {}

    Canvas& canvas() const { return *canvas_; }
    // Draws on another canvas from now on; the selected objects stay.
    void selectCanvas(Canvas& canvas) { canvas_ = &canvas; }

    // Each select returns what was selected before, so a caller can put it back.
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    Font selectFont(const Font& font);
    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }
    const Font& font() const { return font_; }
    Colour setTextColour(Colour c);
    Colour textColour() const { return textColour_; }
    Colour setBkColour(Colour c);
    Colour bkColour() const { return bkColour_; }
    BackgroundMode setBkMode(BackgroundMode m);
    BackgroundMode bkMode() const { return bkMode_; }
    FillMode setPolyFillMode(FillMode m);
    FillMode polyFillMode() const { return fillMode_; }

    // Where logical (0, 0) lies on the canvas; every call's coordinates are moved by it.
    Point setOrigin(Point origin);
    Point origin() const { return origin_; }
    // Drawing is kept inside this region (canvas coordinates); nullopt draws everywhere.
    void setClip(std::optional<Region> clip) { clip_ = std::move(clip); }
    const std::optional<Region>& clip() const { return clip_; }

    // Pixels. setPixel returns the colour set, or kInvalidColour when the point is outside;
    // getPixel gives kInvalidColour outside the canvas or the clip region.
    Colour setPixel(int32_t x, int32_t y, Colour c);
    bool setPixelV(int32_t x, int32_t y, Colour c);
    Colour getPixel(int32_t x, int32_t y) const;

    // Lines with the selected pen.
    Point moveTo(int32_t x, int32_t y);
    Point currentPosition() const { return position_; }
    bool lineTo(int32_t x, int32_t y);
    bool polyline(std::span<const Point> points);

    // Shapes: outline with the pen, inside with the brush.
    bool rectangle(int32_t l, int32_t t, int32_t r, int32_t b);
    bool ellipse(int32_t l, int32_t t, int32_t r, int32_t b);
    bool roundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
    bool polygon(std::span<const Point> points);

    // Brushes given directly, the selected brush untouched.
    bool fillRect(const Rect& r, const Brush& brush);
    bool frameRect(const Rect& r, const Brush& brush);
    bool fillRegion(const Region& region, const Brush& brush);  // region in logical coordinates

    // A three-dimensional border in the system colours; with edge::kAdjust, rc shrinks to what
    // lies inside the border.
    bool drawEdge(Rect& rc, unsigned edges, unsigned flags);

    // Text in the selected font and text colour, over the background colour in opaque mode.
    // Formats of dt::; kVCenter and kBottom take effect with kSingleLine only. "&" marks the
    // next character as the access key (underlined) and "&&" stands for "&", unless kNoPrefix.
    // With kCalcRect nothing is drawn: rc's right and bottom are set to fit the text. Returns
    // the text's height (with kVCenter or kBottom, the offset of its bottom from rc's top).
    int32_t drawText(std::string_view text, Rect& rc, unsigned format);
    bool textOut(int32_t x, int32_t y, std::string_view text);
    Size textExtent(std::string_view text) const { return gfx::textExtent(font_, text); }
    FontMetrics textMetrics() const { return fontMetrics(font_); }

    // Copies w by h pixels from (sx, sy) of the source; source pixels outside it are left out.
    bool bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const Canvas& src, int32_t sx, int32_t sy,
                RasterOp op = RasterOp::SrcCopy);
    bool bitBlt(int32_t x, int32_t y, int32_t w, int32_t h, const DeviceContext& src, int32_t sx,
                int32_t sy, RasterOp op = RasterOp::SrcCopy);
    // The source rectangle stretched to the destination, nearest pixel.
    bool stretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const Canvas& src, int32_t sx, int32_t sy,
                    int32_t sw, int32_t sh, RasterOp op = RasterOp::SrcCopy);

    // An icon through its AND mask and colour image at w by h (0: its own size); a bitmap is
    // copied. False for no picture.
    bool drawIcon(int32_t x, int32_t y, const Picture* picture, int32_t w = 0, int32_t h = 0);
    bool drawPicture(int32_t x, int32_t y, const Picture* picture, int32_t w = 0, int32_t h = 0) {
        return drawIcon(x, y, picture, w, h);
    }

    // height + 1 rows y..y+height, each a line from (x1, row) to (x2, row) in
    // start + i * (end - start) / height per channel; nothing when height is 0.
    void gradientRows(Colour start, Colour end, int32_t x1, int32_t y, int32_t x2, int32_t height);
    // x2 - x1 + 1 columns, each a line from (column, y1) to (column, y2); nothing when x2 = x1.
    void gradientColumns(Colour start, Colour end, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    // One pixel in canvas coordinates through the clip; for the drawing code of this folder.
    void plot(int32_t cx, int32_t cy, Colour c);
    Colour peek(int32_t cx, int32_t cy) const;

private:
    void drawLineLogical(Point a, Point b, Colour c);
    void fillSpansCanvas(std::span<const Span> spans, Colour c);
    bool drawShape(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh, bool round);

    Canvas* canvas_;
    Pen pen_{};
    Brush brush_{};
    Font font_{};
    Colour textColour_ = 0;
    Colour bkColour_ = rgb(255, 255, 255);
    BackgroundMode bkMode_ = BackgroundMode::Opaque;
    FillMode fillMode_ = FillMode::Alternate;
    Point origin_{};
    Point position_{};
    std::optional<Region> clip_;
};

}  // namespace qv::gfx
