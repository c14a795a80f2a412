#pragma once
// The shape of a window as hit testing sees it, in pixels from the window's upper-left corner.
#include <vector>

#include "platform/gui/types.h"

namespace qv::gui {

// Until the drawing library's region is connected: a union of rectangles.
class WindowRegion {
public:
    WindowRegion() = default;
    explicit WindowRegion(std::vector<Rect> rects) : rects_(std::move(rects)) {}
    bool contains(int32_t x, int32_t y) const {
        for (const auto& r : rects_) {
            if (r.contains(x, y)) return true;
        }
        return false;
    }

private:
    std::vector<Rect> rects_;
};

}  // namespace qv::gui
