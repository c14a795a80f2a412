#include "platform/present/x11/shape.h"

#include <vector>

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

void applyShape(const Connection& conn, Window w, const gfx::Region* region, gfx::Point offset) {
    if (!conn.hasShape()) return;
    ::Display* dpy = conn.display();
    if (!region) {
        XShapeCombineMask(dpy, w, ShapeBounding, 0, 0, kNone, ShapeSet);
        XShapeCombineMask(dpy, w, ShapeInput, 0, 0, kNone, ShapeSet);
        return;
    }
    std::vector<XRectangle> rects;
    rects.reserve(region->rects().size());
    for (const gfx::Rect& r : region->rects()) {
        rects.push_back(XRectangle{short(r.left - offset.x), short(r.top - offset.y), (unsigned short)(r.width()),
                                   (unsigned short)(r.height())});
    }
    // The region keeps its rectangles in bands from the top, left to right.
    for (int kind : {ShapeBounding, ShapeInput})
        XShapeCombineRectangles(dpy, w, kind, 0, 0, rects.data(), int(rects.size()), ShapeSet, YXBanded);
}

}  // namespace qv::present::x11
