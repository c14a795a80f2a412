#include "platform/present/painters.h"

#include <map>

#include "platform/base/text.h"
#include "platform/present/classic_parts.h"

namespace qv::present {
namespace {

struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const {
        return base::LCase(a) < base::LCase(b);
    }
};

std::map<std::string, Painter, NoCase>& registry() {
    static std::map<std::string, Painter, NoCase> painters;
    static bool builtIn = false;
    if (!builtIn) {
        // The built-in painters register through registerPainter, which comes back here.
        builtIn = true;
        registerButtonPainters();
        registerTextPainters();
        registerListPainters();
        registerListViewPainter();
        registerShapePainters();
        registerPictureBoxPainter();
        registerCommonPainters();
    }
    return painters;
}

}  // namespace

const Painter* findPainter(std::string_view kind) {
    auto& r = registry();
    auto it = r.find(std::string(kind));
    return it == r.end() ? nullptr : &it->second;
}

void registerPainter(std::string kind, Painter painter) {
    registry()[std::move(kind)] = std::move(painter);
}

bool invisibleAtRunTime(std::string_view kind) {
    for (std::string_view k : {"Timer", "ImageList", "Menu", "Winsock", "CommonDialog"})
        if (base::equalsNoCase(kind, k)) return true;
    return false;
}

bool drawsOutsideItsRect(std::string_view kind) { return base::equalsNoCase(kind, "Line"); }

gfx::Font fontOf(const forms::StdFont& f) {
    return gfx::Font{f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.Strikethrough};
}

gfx::Colour colourOf(forms::OleColor c) {
    const gfx::Colour plain = gfx::translateColour(c);
    return plain == gfx::kInvalidColour ? 0 : plain;
}

void paintPlaceholder(const PaintArgs& a) {
    Rect rc = a.rect;
    a.dc.fillRect(rc, gfx::Brush::solid(sys(gfx::kColourButtonFace)));
    a.dc.drawEdge(rc, gfx::edge::kEtched, gfx::edge::kRect | gfx::edge::kAdjust);
    a.dc.selectFont(gfx::Font{});
    drawCaption(a.dc, std::string(a.control.kind()) + " " + a.control.Name(), rc,
                gfx::dt::kCenter | gfx::dt::kVCenter | gfx::dt::kSingleLine | gfx::dt::kNoPrefix,
                sys(gfx::kColourGrayText), true);
}

}  // namespace qv::present
