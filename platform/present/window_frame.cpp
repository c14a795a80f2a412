#include "platform/present/window_frame.h"

#include "platform/present/classic_parts.h"
#include <string_view>

namespace qv::present {
namespace {

using gfx::Brush;
namespace dt = gfx::dt;

// Glyphs of the title-bar buttons, '#' in button text.
constexpr const char* kClose[] = {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"};
constexpr const char* kMinimise[] = {"......", "......", "......", "......", "......", "######", "######"};
constexpr const char* kMaximise[] = {"#########", "#########", "#.......#", "#.......#", "#.......#",
                                     "#.......#", "#.......#", "#########"};

template <size_t N>
void drawGlyph(DeviceContext& dc, const Rect& face, const char* const (&rows)[N]) {
    const int h = int(N), w = int(std::string_view(rows[0]).size());
    const int x0 = face.left + (int(face.width()) - w) / 2, y0 = face.top + (int(face.height()) - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[y][x] == '#') dc.setPixelV(x0 + x, y0 + y, sys(gfx::kColourButtonText));
}

}  // namespace

void drawWindowFrame(DeviceContext& dc, const forms::Form& form, bool active) {
    const int style = form.BorderStyle();
    if (style == 0) return;
    const Rect whole{0, 0, dc.canvas().width(), dc.canvas().height()};
    Rect rc = whole;
    dc.fillRect(rc, Brush::solid(sys(active ? gfx::kColourActiveBorder : gfx::kColourInactiveBorder)));
    dc.drawEdge(rc, gfx::edge::kRaised, gfx::edge::kRect | gfx::edge::kAdjust);
    const int border = form.borderPixels(), caption = form.captionPixels();
    // The caption bar, less the line of face colour under it.
    const Rect bar{border, border, whole.right - border, border + caption - 1};
    if (bar.isEmpty()) return;
    dc.gradientColumns(sys(active ? gfx::kColourActiveCaption : gfx::kColourInactiveCaption),
                       sys(active ? gfx::kColourGradientActiveCaption : gfx::kColourGradientInactiveCaption),
                       bar.left, bar.top, bar.right - 1, bar.bottom);
    int buttonsLeft = bar.right;
    if (form.ControlBox()) {
        // Buttons two pixels in from the bar's ends, a little narrower than the bar is high.
        const int bh = int(bar.height()) - 4, bw = bh + 2;
        auto button = [&](int right, auto& glyph) {
            Rect face{right - bw, bar.top + 2, right, bar.top + 2 + bh};
            Rect inside = face;
            drawButtonFace(dc, inside);
            drawGlyph(dc, face, glyph);
            return face.left;
        };
        buttonsLeft = button(bar.right - 2, kClose) - 2;
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

}  // namespace qv::present
