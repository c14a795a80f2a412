#include "platform/gui/classic_parts.h"

#include <algorithm>

#include "platform/gui/types.h"

namespace qv::gui {

using gfx::Brush;
using gfx::Colour;
using gfx::DeviceContext;

Colour sys(int index) { return gfx::sysColour(index); }

void drawButtonFace(DeviceContext& dc, Rect& rc, bool pressed) {
    dc.fillRect(rc, Brush::solid(sys(gfx::kColourButtonFace)));
    if (pressed) {
        dc.drawEdge(rc, gfx::edge::kSunken, gfx::edge::kRect | gfx::edge::kSoft | gfx::edge::kAdjust);
    } else {
        dc.drawEdge(rc, gfx::edge::kRaised, gfx::edge::kRect | gfx::edge::kSoft | gfx::edge::kAdjust);
    }
}

void drawSunkenBorder(DeviceContext& dc, Rect& rc) {
    dc.drawEdge(rc, gfx::edge::kSunken, gfx::edge::kRect | gfx::edge::kAdjust);
}

void drawCheckMark(DeviceContext& dc, int x, int y, int value, bool enabled) {
    Rect box{x, y, x + kCheckSize, y + kCheckSize};
    const bool greyField = !enabled || value == 2;
    dc.fillRect(box, Brush::solid(sys(greyField ? gfx::kColourButtonFace : gfx::kColourWindow)));
    drawSunkenBorder(dc, box);
    if (value == 0) return;
    // Seven columns three pixels high, falling to the fourth and rising again.
    static constexpr int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
    const Colour c = (value == 2 || !enabled) ? sys(gfx::kColourGrayText) : sys(gfx::kColourWindowText);
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < 3; ++j) dc.setPixelV(box.left + 1 + i, box.top + 1 + kTops[i] + j, c);
}

void drawOptionMark(DeviceContext& dc, int x, int y, bool selected, bool enabled) {
    // o: outer ring, i: inner ring, f: field, ' ': not painted.
    static constexpr const char* kRows[kOptionSize] = {
        "    oooo    ", "  ooiiiioo  ", " oiiffffiio ", " oiffffffio ", "oiffffffffio",
        "oiffffffffio", "oiffffffffio", "oiffffffffio", " oiffffffio ", " oiiffffiio ",
        "  ooiiiioo  ", "    oooo    "};
    static constexpr const char* kDot[4] = {" xx ", "xxxx", "xxxx", " xx "};
    const Colour field = sys(enabled ? gfx::kColourWindow : gfx::kColourButtonFace);
    for (int r = 0; r < kOptionSize; ++r) {
        for (int c = 0; c < kOptionSize; ++c) {
            // The upper left half is in shadow, the lower right half in light.
            const bool upperLeft = r + c < kOptionSize - 1;
            Colour col;
            switch (kRows[r][c]) {
                case 'o': col = sys(upperLeft ? gfx::kColourButtonShadow : gfx::kColourButtonHighlight); break;
                case 'i': col = sys(upperLeft ? gfx::kColour3dDarkShadow : gfx::kColour3dLight); break;
                case 'f': col = field; break;
                default: continue;
            }
            dc.setPixelV(x + c, y + r, col);
        }
    }
    if (!selected) return;
    const Colour dot = sys(enabled ? gfx::kColourWindowText : gfx::kColourGrayText);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (kDot[r][c] == 'x') dc.setPixelV(x + 4 + c, y + 4 + r, dot);
}

void drawArrow(DeviceContext& dc, const Rect& rc, Arrow dir, Colour c) {
    // A triangle four pixels deep, seven wide at its base.
    const int cx = rc.left + int(rc.width()) / 2, cy = rc.top + int(rc.height()) / 2;
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        switch (dir) {
            case Arrow::Down:
                for (int d = -half; d <= half; ++d) dc.setPixelV(cx + d, cy - 2 + i, c);
                break;
            case Arrow::Up:
                for (int d = -half; d <= half; ++d) dc.setPixelV(cx + d, cy + 1 - i, c);
                break;
            case Arrow::Right:
                for (int d = -half; d <= half; ++d) dc.setPixelV(cx - 2 + i, cy + d, c);
                break;
            case Arrow::Left:
                for (int d = -half; d <= half; ++d) dc.setPixelV(cx + 1 - i, cy + d, c);
                break;
        }
    }
}

ScrollBarParts verticalScrollBarParts(const Rect& rc, int first, int total, int visible) {
    const int button = std::min(int(rc.width()), int(rc.height()) / 2);
    ScrollBarParts parts;
    parts.up = {rc.left, rc.top, rc.right, rc.top + button};
    parts.down = {rc.left, rc.bottom - button, rc.right, rc.bottom};
    const int track = parts.down.top - parts.up.bottom;
    if (total <= visible || total <= 0 || track < 8) return parts;
    const int thumb = std::max(8, track * visible / total);
    const int range = total - visible;
    const int offset = (track - thumb) * std::clamp(first, 0, range) / range;
    parts.thumb = {rc.left, parts.up.bottom + offset, rc.right, parts.up.bottom + offset + thumb};
    return parts;
}

void drawVerticalScrollBar(DeviceContext& dc, const Rect& rc, int first, int total, int visible) {
    if (rc.isEmpty()) return;
    const ScrollBarParts parts = verticalScrollBarParts(rc, first, total, visible);
    // The track: a checker of highlight and face.
    for (int y = parts.up.bottom; y < parts.down.top; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            dc.setPixelV(x, y, sys((x + y) % 2 ? gfx::kColourButtonHighlight : gfx::kColourButtonFace));
    const Colour text = sys(gfx::kColourButtonText);
    Rect face = parts.up;
    drawButtonFace(dc, face);
    drawArrow(dc, face, Arrow::Up, text);
    face = parts.down;
    drawButtonFace(dc, face);
    drawArrow(dc, face, Arrow::Down, text);
    if (parts.thumb.isEmpty()) return;
    Rect t = parts.thumb;
    drawButtonFace(dc, t);
}

void drawCaption(DeviceContext& dc, std::string_view text, Rect rc, unsigned format, Colour colour,
                 bool enabled) {
    const auto mode = dc.setBkMode(gfx::BackgroundMode::Transparent);
    const Colour before = dc.textColour();
    if (enabled) {
        dc.setTextColour(colour);
        dc.drawText(text, rc, format);
    } else {
        Rect shifted{rc.left + 1, rc.top + 1, rc.right + 1, rc.bottom + 1};
        dc.setTextColour(sys(gfx::kColourButtonHighlight));
        dc.drawText(text, shifted, format);
        dc.setTextColour(sys(gfx::kColourGrayText));
        dc.drawText(text, rc, format);
    }
    dc.setTextColour(before);
    dc.setBkMode(mode);
}

void drawFocusRect(DeviceContext& dc, const Rect& rc) {
    if (rc.isEmpty()) return;
    const Colour c = sys(gfx::kColourWindowText);
    for (int x = rc.left; x < rc.right; x += 2) {
        dc.setPixelV(x, rc.top, c);
        dc.setPixelV(x, rc.bottom - 1, c);
    }
    for (int y = rc.top; y < rc.bottom; y += 2) {
        dc.setPixelV(rc.left, y, c);
        dc.setPixelV(rc.right - 1, y, c);
    }
}

}  // namespace qv::gui
