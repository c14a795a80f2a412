#include "platform/forms/form_frame.h"

#include <string_view>

#include "platform/forms/drawing.h"
#include "platform/forms/form.h"
#include "platform/gui/messages.h"

namespace qv::forms {
namespace {

// Glyphs of the title-bar buttons, '#' in button text.
constexpr const char* kClose[] = {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
constexpr const char* kMinimise[] = {"......", "......", "......", "......", "......", "######", "######"};
constexpr const char* kMaximise[] = {"#########", "#########", "#.......#", "#.......#", "#.......#",
                                     "#.......#", "#.......#", "#########"};

template <size_t N>
void drawGlyph(gfx::DeviceContext& dc, const Rect& face, const char* const (&rows)[N]) {
    const int h = int(N), w = int(std::string_view(rows[0]).size());
    const int x0 = face.left + (int(face.width()) - w) / 2, y0 = face.top + (int(face.height()) - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[y][x] == '#') dc.setPixelV(x0 + x, y0 + y, sys(gfx::kColourButtonText));
}

// The caption bar, less the line of face colour under it.
Rect captionBar(const Form& form, int width) {
    const int border = form.borderPixels(), caption = form.captionPixels();
    return {border, border, width - border, border + caption - 1};
}

// The title-bar buttons: two pixels in from the bar's ends, a little narrower than the bar is high.
struct TitleButtons {
    int faceWidth, faceHeight;
    Rect close;
};

TitleButtons titleButtons(const Rect& bar) {
    const int bh = int(bar.height()) - 4, bw = bh + 2;
    return {bw, bh, {bar.right - 2 - bw, bar.top + 2, bar.right - 2, bar.top + 2 + bh}};
}

}  // namespace

std::uint32_t windowStyle(const Form& form) {
    const int style = form.BorderStyle();
    std::uint32_t s = gui::WS_POPUP;
    if (style == 0) return s;
    s |= gui::WS_CAPTION;
    if (form.ControlBox()) s |= gui::WS_SYSMENU;
    if (style == 2 || style == 5) s |= gui::WS_THICKFRAME;
    if (form.ControlBox() && (style == 1 || style == 2)) s |= gui::WS_MINIMIZEBOX | gui::WS_MAXIMIZEBOX;
    return s;
}

std::uint32_t windowExStyle(const Form& form) {
    std::uint32_t s = 0;
    if (form.BorderStyle() == 3) s |= gui::WS_EX_DLGMODALFRAME;
    if (form.BorderStyle() >= 4) s |= gui::WS_EX_TOOLWINDOW;
    if (form.ShowInTaskbar()) s |= gui::WS_EX_APPWINDOW;
    return s;
}

gui::Insets frameInsetsOf(const Form& form) {
    const int border = form.borderPixels();
    return gui::Insets{border, border + form.captionPixels(), border, border};
}

void drawWindowFrame(gfx::DeviceContext& dc, const Form& form, int width, int height, bool active) {
    const int style = form.BorderStyle();
    if (style == 0) return;
    Rect rc{0, 0, width, height};
    dc.fillRect(rc, Brush::solid(sys(active ? gfx::kColourActiveBorder : gfx::kColourInactiveBorder)));
    dc.drawEdge(rc, gfx::edge::kRaised, gfx::edge::kRect | gfx::edge::kAdjust);
    const Rect bar = captionBar(form, width);
    if (bar.isEmpty()) return;
    dc.gradientColumns(sys(active ? gfx::kColourActiveCaption : gfx::kColourInactiveCaption),
                       sys(active ? gfx::kColourGradientActiveCaption : gfx::kColourGradientInactiveCaption),
                       bar.left, bar.top, bar.right - 1, bar.bottom);
    int buttonsLeft = bar.right;
    if (form.ControlBox()) {
        const TitleButtons tb = titleButtons(bar);
        auto button = [&](int right, auto& glyph) {
            Rect face{right - tb.faceWidth, bar.top + 2, right, bar.top + 2 + tb.faceHeight};
            Rect inside = face;
            drawButtonFace(dc, inside);
            drawGlyph(dc, face, glyph);
            return face.left;
        };
        buttonsLeft = button(tb.close.right, kClose) - 2;
        if (style == 1 || style == 2) {
            buttonsLeft = button(buttonsLeft, kMaximise);
            buttonsLeft = button(buttonsLeft, kMinimise) - 2;
        }
    }
    // The caption is in the system's bold caption font, whatever the form's own font.
    dc.selectFont(gfx::Font{"MS Sans Serif", 8.25, true});
    Rect text{bar.left + 3, bar.top, buttonsLeft - 2, bar.bottom};
    drawCaption(dc, form.Caption(), text, dt::kLeft | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix,
                sys(active ? gfx::kColourCaptionText : gfx::kColourInactiveCaptionText), true);
}

FramePart framePartAt(const Form& form, int width, gfx::Point p) {
    if (form.BorderStyle() == 0) return FramePart::None;
    const Rect bar = captionBar(form, width);
    if (!bar.contains(p.x, p.y)) return FramePart::None;
    if (form.ControlBox() && titleButtons(bar).close.contains(p.x, p.y)) return FramePart::Close;
    return FramePart::Caption;
}

}  // namespace qv::forms
