// Styles 0 to 4: the system's raised and sunken edges, a flat and a toolbar face, a classic
// face with a two-ring corner frame, and a light face that frames itself when hot.
#include "controls/button_colours.h"
#include "controls/button_draw.h"
#include "controls/button_looks.h"

namespace qv::controls {
namespace {

gfx::Colour sys(int index) { return gfx::sysColour(index); }

// Styles 1 and 2: BackColor when idle or disabled, HighlightColor when hot or pressed.
gfx::Colour flatFace(const LookInputs& in) {
    if (!in.useCustomColors) return sys(gfx::kColourButtonFace);
    const bool lit = in.state == kStateHot || in.state == kStatePressed;
    return lit ? in.highlightColor : in.backColor;
}

void drawEdge(LookSurface& s, unsigned edges) {
    DrawEdgeRect(s.dc(), 0, 0, float(s.W), float(s.H), edges, gfx::edge::kRect);
}

void drawStandard(LookSurface& s, const LookInputs& in) {
    gfx::Colour back = sys(gfx::kColourButtonFace);
    if (in.useCustomColors) back = in.state == kStateNormal ? in.backColor : in.highlightColor;
    s.background(back);
    drawEdge(s, in.state == kStatePressed ? gfx::edge::kSunken : gfx::edge::kRaised);
    if ((in.showFocus && in.focused) || (!in.focused && in.displayAsDefault))
        DrawFrame(s.dc(), 0, 0, s.W - 1, s.H - 1, 0);
}

void drawFlat(LookSurface& s, const LookInputs& in) {
    const gfx::Colour face = flatFace(in);
    s.background(face);
    switch (in.state) {
        case kStateNormal: case kStateHot: case kStateDefaulted: drawEdge(s, gfx::edge::kRaisedInner); break;
        case kStatePressed: drawEdge(s, gfx::edge::kSunkenOuter); break;
        case kStateDisabled: DrawFrame(s.dc(), 0, 0, s.W - 1, s.H - 1, face); break;
        default: break;
    }
}

void drawToolbar(LookSurface& s, const LookInputs& in) {
    const gfx::Colour face = flatFace(in);
    s.background(face);
    switch (in.state) {
        case kStateHot: drawEdge(s, gfx::edge::kRaisedInner); break;
        case kStatePressed: drawEdge(s, gfx::edge::kSunkenOuter); break;
        case kStateNormal: case kStateDisabled: DrawFrame(s.dc(), 0, 0, s.W - 1, s.H - 1, face); break;
        default: break;
    }
}

void drawCornerFramed(LookSurface& s, const LookInputs& in) {
    const gfx::Colour back = in.useCustomColors ? in.backColor : sys(gfx::kColourButtonFace);
    s.background(back);
    gfx::Colour face = back;
    if (in.state == kStateHot) {
        face = in.useCustomColors ? BlendColors(in.highlightColor, in.backColor)
                                  : BlendColors(sys(gfx::kColourButtonShadow), sys(gfx::kColourButtonFace));
    } else if (in.state == kStatePressed) {
        face = in.useCustomColors ? in.highlightColor : sys(gfx::kColourButtonShadow);
    }
    FillRectColor(s.dc(), {0, 0, s.W, s.H}, face);
    DrawCornerPixels(s.dc(), 0, 0, s.W - 1, s.H - 1, sys(gfx::kColourButtonShadow), sys(gfx::kColourWindow), face);
}

void drawLight(LookSurface& s, const LookInputs& in) {
    if (in.state == kStateHot || in.state == kStatePressed) {
        const gfx::Colour c = in.useCustomColors ? in.highlightColor : sys(gfx::kColourHighlight);
        FillArea(s.dc(), 0, 0, s.W - 1, s.H - 1, LightenColor(c, in.state == kStateHot ? 176 : 128));
        DrawFrame(s.dc(), 0, 0, s.W - 1, s.H - 1, c);
        return;
    }
    if (in.state == kStateNormal || in.state == kStateDisabled || in.state == kStateDefaulted) {
        const gfx::Colour back = in.useCustomColors ? in.backColor : sys(gfx::kColourButtonFace);
        FillArea(s.dc(), 0, 0, s.W, s.H, LightenColor(back, 32));
    }
}

}  // namespace

void DrawClassicStyle(int style, LookSurface& s, const LookInputs& in) {
    switch (style) {
        case 0: drawStandard(s, in); break;
        case 1: drawFlat(s, in); break;
        case 2: drawToolbar(s, in); break;
        case 3: drawCornerFramed(s, in); break;
        case 4: drawLight(s, in); break;
        default: break;
    }
}

}  // namespace qv::controls
