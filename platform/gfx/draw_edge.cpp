// The three-dimensional borders: up to two rings of one pixel, outer and inner, each with a
// top-left and a bottom-right colour. The bottom-right colour owns the top-right and
// bottom-left corners.
#include "platform/gfx/device_context.h"

namespace qv::gfx {

bool DeviceContext::drawEdge(Rect& rc, unsigned edges, unsigned flags) {
    struct Ring {
        bool present;
        Colour topLeft, bottomRight;
    };
    Ring rings[2];
    if (flags & edge::kMono) {
        rings[0] = {bool(edges & 0x3), sysColour(kColourWindowFrame), sysColour(kColourWindowFrame)};
        rings[1] = {bool(edges & 0xC), sysColour(kColourWindow), sysColour(kColourWindow)};
    } else if (flags & edge::kFlat) {
        rings[0] = {bool(edges & 0x3), sysColour(kColourButtonShadow), sysColour(kColourButtonShadow)};
        rings[1] = {bool(edges & 0xC), sysColour(kColourButtonFace), sysColour(kColourButtonFace)};
    } else {
        const bool soft = flags & edge::kSoft;
        if (edges & edge::kRaisedOuter)
            rings[0] = {true, sysColour(soft ? kColourButtonHighlight : kColour3dLight), sysColour(kColour3dDarkShadow)};
        else if (edges & edge::kSunkenOuter)
            rings[0] = {true, sysColour(soft ? kColour3dDarkShadow : kColourButtonShadow), sysColour(kColourButtonHighlight)};
        else
            rings[0] = {false, 0, 0};
        if (edges & edge::kRaisedInner)
            rings[1] = {true, sysColour(soft ? kColour3dLight : kColourButtonHighlight), sysColour(kColourButtonShadow)};
        else if (edges & edge::kSunkenInner)
            rings[1] = {true, sysColour(soft ? kColourButtonShadow : kColour3dDarkShadow), sysColour(kColour3dLight)};
        else
            rings[1] = {false, 0, 0};
    }
    Rect r = rc;
    for (const Ring& ring : rings) {
        if (!ring.present || r.isEmpty()) continue;
        const Brush tl = Brush::solid(ring.topLeft), br = Brush::solid(ring.bottomRight);
        if (flags & edge::kTop) fillRect({r.left, r.top, r.right - 1, r.top + 1}, tl);
        if (flags & edge::kLeft) fillRect({r.left, r.top, r.left + 1, r.bottom - 1}, tl);
        if (flags & edge::kRight) fillRect({r.right - 1, r.top, r.right, r.bottom}, br);
        if (flags & edge::kBottom) fillRect({r.left, r.bottom - 1, r.right, r.bottom}, br);
        if (flags & edge::kLeft) ++r.left;
        if (flags & edge::kTop) ++r.top;
        if (flags & edge::kRight) --r.right;
        if (flags & edge::kBottom) --r.bottom;
    }
    if ((flags & edge::kMiddle) && !r.isEmpty())
        fillRect(r, Brush::solid(sysColour((flags & edge::kMono) ? kColourWindow : kColourButtonFace)));
    if (flags & edge::kAdjust) rc = r;
    return true;
}

}  // namespace qv::gfx
