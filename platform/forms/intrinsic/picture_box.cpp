#include "platform/forms/intrinsic/picture_box.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/base/basic_error.h"
#include "platform/base/text.h"
#include "platform/gfx/colour.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"

namespace qv::forms {
namespace {

void invalidValue() { throw base::BasicError(380, "Invalid property value"); }

// The binary raster operations by DrawMode number, on 24-bit colours.
uint32_t rop2(int mode, uint32_t d, uint32_t p) {
    uint32_t r = p;
    switch (mode) {
        case 1: r = 0; break;
        case 2: r = ~(d | p); break;
        case 3: r = d & ~p; break;
        case 4: r = ~p; break;
        case 5: r = p & ~d; break;
        case 6: r = ~d; break;
        case 7: r = d ^ p; break;
        case 8: r = ~(d & p); break;
        case 9: r = d & p; break;
        case 10: r = ~(d ^ p); break;
        case 11: r = d; break;
        case 12: r = d | ~p; break;
        case 13: r = p; break;
        case 14: r = p | ~d; break;
        case 15: r = d | p; break;
        case 16: r = 0xFFFFFF; break;
        default: break;
    }
    return r & 0xFFFFFF;
}

gfx::Font toGfx(const StdFont& f) { return gfx::Font{f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.Strikethrough}; }

}  // namespace

PictureBox::PictureBox(Form& f, std::string name, int index) : Control(f, std::move(name), index) {
    Width(1215);
    Height(1215);
    Cls();
}

int PictureBox::insideWidthPx() const { return std::max(0, twipsToPixels(Control::Width()) - 2 * borderPixels()); }
int PictureBox::insideHeightPx() const {
    return std::max(0, twipsToPixels(Control::Height()) - 2 * borderPixels());
}

void PictureBox::resizeSurface() {
    surface_.resize(insideWidthPx(), insideHeightPx(), gfx::translateColour(BackColor()));
}

void PictureBox::Width(int w) {
    Control::Width(w);
    resizeSurface();
}

void PictureBox::Height(int h) {
    Control::Height(h);
    resizeSurface();
}

void PictureBox::Picture(PictureRef p) {
    picture_ = std::move(p);
    if (autoSize_ && picture_ != nullptr) {
        Control::Width(pixelsToTwips(picture_->width() + 2 * borderPixels()));
        Control::Height(pixelsToTwips(picture_->height() + 2 * borderPixels()));
    }
    resizeSurface();
    Cls();
}

void PictureBox::AutoSize(bool a) {
    autoSize_ = a;
    if (a && picture_ != nullptr) Picture(picture_);
    changed();
}

void PictureBox::DrawMode(int m) {
    if (m < 1 || m > 16) invalidValue();
    drawMode_ = m;
    changed();
}

void PictureBox::ScaleMode(int m) {
    if (m != 0 && m != 1 && m != 3) invalidValue();
    if (m == 0 && scaleMode_ != 0) {
        scaleWidth_ = ScaleWidth();
        scaleHeight_ = ScaleHeight();
    }
    if (m != 0) scaleLeft_ = scaleTop_ = 0;
    scaleMode_ = m;
    changed();
}

double PictureBox::ScaleWidth() const {
    if (scaleMode_ == 0) return scaleWidth_;
    return scaleMode_ == 3 ? insideWidthPx() : insideWidthPx() * double(kTwipsPerPixel);
}

double PictureBox::ScaleHeight() const {
    if (scaleMode_ == 0) return scaleHeight_;
    return scaleMode_ == 3 ? insideHeightPx() : insideHeightPx() * double(kTwipsPerPixel);
}

void PictureBox::ScaleLeft(double v) {
    ScaleMode(0);
    scaleLeft_ = v;
}

void PictureBox::ScaleTop(double v) {
    ScaleMode(0);
    scaleTop_ = v;
}

void PictureBox::ScaleWidth(double v) {
    if (v == 0) invalidValue();
    ScaleMode(0);
    scaleWidth_ = v;
}

void PictureBox::ScaleHeight(double v) {
    if (v == 0) invalidValue();
    ScaleMode(0);
    scaleHeight_ = v;
}

double PictureBox::toPxX(double x) const {
    const double w = ScaleWidth();
    return w == 0 ? 0 : (x - scaleLeft_) * insideWidthPx() / w;
}

double PictureBox::toPxY(double y) const {
    const double h = ScaleHeight();
    return h == 0 ? 0 : (y - scaleTop_) * insideHeightPx() / h;
}

uint32_t PictureBox::colourOf(int64_t colour) const {
    const uint32_t c = colour < 0 ? ForeColor() : static_cast<uint32_t>(colour);
    const uint32_t t = gfx::translateColour(c);
    return t == gfx::kInvalidColour ? 0 : t;
}

void PictureBox::plot(int x, int y, uint32_t c) {
    if (!surface_.inside(x, y)) return;
    surface_.setPixel(x, y, rop2(drawMode_, surface_.pixel(x, y), c));
}

void PictureBox::Cls() {
    surface_.fill(gfx::translateColour(BackColor()));
    if (picture_ != nullptr) {
        gfx::DeviceContext dc(surface_);
        dc.drawPicture(0, 0, picture_.get());
    }
    CurrentX = CurrentY = 0;
    changed();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int64_t colour, int box) {
    const uint32_t c = colourOf(colour);
    const int ax = static_cast<int>(std::lround(toPxX(x1))), ay = static_cast<int>(std::lround(toPxY(y1)));
    const int bx = static_cast<int>(std::lround(toPxX(x2))), by = static_cast<int>(std::lround(toPxY(y2)));
    const int w = std::max(1, DrawWidth());
    auto pen = [&](int x, int y) {
        for (int dy = 0; dy < w; ++dy)
            for (int dx = 0; dx < w; ++dx) plot(x + dx - w / 2, y + dy - w / 2, c);
    };
    if (box != 0) {
        const int l = std::clamp(std::min(ax, bx), -1, surface_.width());
        const int r = std::clamp(std::max(ax, bx), -1, surface_.width());
        const int t = std::clamp(std::min(ay, by), -1, surface_.height());
        const int b = std::clamp(std::max(ay, by), -1, surface_.height());
        const bool fill = box == 2;
        const uint32_t inside = fill ? c : colourOf(FillColor());
        if (fill || FillStyle() == 0)
            for (int y = t; y <= b; ++y)
                for (int x = l; x <= r; ++x) plot(x, y, inside);
        if (!fill) {
            for (int x = l; x <= r; ++x) {
                pen(x, t);
                if (b != t) pen(x, b);
            }
            for (int y = t + 1; y < b; ++y) {
                pen(l, y);
                if (r != l) pen(r, y);
            }
        }
    } else {
        // Bresenham from a to b, b itself left out.
        int x = ax, y = ay;
        const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
        const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
        int err = dx + dy;
        while (x != bx || y != by) {
            pen(x, y);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }
    CurrentX = x2;
    CurrentY = y2;
    changed();
}

void PictureBox::PSet(double x, double y, int64_t colour) {
    plot(static_cast<int>(std::lround(toPxX(x))), static_cast<int>(std::lround(toPxY(y))), colourOf(colour));
    CurrentX = x;
    CurrentY = y;
    changed();
}

int64_t PictureBox::Point(double x, double y) const {
    const int px = static_cast<int>(std::lround(toPxX(x))), py = static_cast<int>(std::lround(toPxY(y)));
    if (!surface_.inside(px, py)) return -1;
    return surface_.pixel(px, py);
}

void PictureBox::Print(const std::string& text) {
    gfx::DeviceContext dc(surface_);
    dc.selectFont(toGfx(Font()));
    dc.setTextColour(colourOf(-1));
    dc.setBkColour(gfx::translateColour(BackColor()));
    dc.setBkMode(FontTransparent() ? gfx::BackgroundMode::Transparent : gfx::BackgroundMode::Opaque);
    dc.textOut(static_cast<int>(std::lround(toPxX(CurrentX))), static_cast<int>(std::lround(toPxY(CurrentY))), text);
    CurrentX = scaleLeft_;
    CurrentY += TextHeight(text);
    changed();
}

double PictureBox::TextWidth(const std::string& text) const {
    const int px = gfx::textExtent(toGfx(Font()), text).cx;
    const int inside = insideWidthPx();
    return inside == 0 ? 0 : px * ScaleWidth() / inside;
}

double PictureBox::TextHeight(const std::string& text) const {
    (void)text;
    const int px = gfx::fontMetrics(toGfx(Font())).height;
    const int inside = insideHeightPx();
    return inside == 0 ? 0 : px * ScaleHeight() / inside;
}

bool PictureBox::applyDesign(const std::string& key, const DesignValue& v) {
    using base::equalsNoCase;
    if (equalsNoCase(key, "Picture")) Picture(loadDesignPicture(v));
    else if (equalsNoCase(key, "Data")) {
        auto bytes = v.asBytes();
        Picture(gfx::Picture::bitmap(gfx::canvasFromBitmapBits(bytes)));
    }
    else if (equalsNoCase(key, "AutoSize")) AutoSize(v.asBool());
    else if (equalsNoCase(key, "BorderStyle")) { BorderStyle(v.asLong()); resizeSurface(); }
    else if (equalsNoCase(key, "AutoRedraw")) AutoRedraw(v.asBool());
    else if (equalsNoCase(key, "FillColor")) FillColor(static_cast<OleColor>(v.asLong()));
    else if (equalsNoCase(key, "FillStyle")) FillStyle(v.asLong());
    else if (equalsNoCase(key, "DrawWidth")) DrawWidth(v.asLong());
    else if (equalsNoCase(key, "DrawMode")) DrawMode(v.asLong());
    else if (equalsNoCase(key, "ScaleMode")) ScaleMode(v.asLong());
    else if (equalsNoCase(key, "ScaleWidth")) ScaleWidth(v.asNumber());
    else if (equalsNoCase(key, "ScaleHeight")) ScaleHeight(v.asNumber());
    else if (equalsNoCase(key, "ScaleLeft")) ScaleLeft(v.asNumber());
    else if (equalsNoCase(key, "ScaleTop")) ScaleTop(v.asNumber());
    else if (equalsNoCase(key, "FontTransparent")) FontTransparent(v.asBool());
    else if (!Control::applyDesign(key, v)) return false;
    return true;
}

void PictureBox::designApplied() { Cls(); }

}  // namespace qv::forms
