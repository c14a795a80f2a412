#include "platform/forms/drawing.h"

#include <string>

namespace qv::forms {

gfx::Font fontOf(const StdFont& f) { return gfx::Font{f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.Strikethrough}; }

gfx::Colour colourOf(OleColor c) {
    const gfx::Colour plain = gfx::translateColour(c);
    return plain == gfx::kInvalidColour ? 0 : plain;
}

void drawPlaceholder(gfx::DeviceContext& dc, const gfx::Rect& rect, std::string_view kind, std::string_view name) {
    gfx::Rect rc = rect;
    dc.fillRect(rc, gfx::Brush::solid(sys(gfx::kColourButtonFace)));
    dc.drawEdge(rc, gfx::edge::kEtched, gfx::edge::kRect | gfx::edge::kAdjust);
    dc.selectFont(gfx::Font{});
    drawCaption(dc, std::string(kind) + " " + std::string(name), rc,
                gfx::dt::kCenter | gfx::dt::kVCenter | gfx::dt::kSingleLine | gfx::dt::kNoPrefix,
                sys(gfx::kColourGrayText), true);
}

ClipTo::ClipTo(gfx::DeviceContext& dc, const gfx::Rect& r) : dc_(dc), saved_(dc.clip()) {
    const gfx::Point o = dc.origin();
    gfx::Region area = gfx::Region::rect(r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y);
    if (saved_) area = gfx::Region::combine(*saved_, area, gfx::CombineMode::And);
    dc.setClip(std::move(area));
}

ClipTo::~ClipTo() { dc_.setClip(saved_); }

bool ClipTo::empty() const { return dc_.clip() && dc_.clip()->isEmpty(); }

}  // namespace qv::forms
