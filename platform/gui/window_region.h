#pragma once
// The shape of a window as hit testing sees it: a region in pixels from the window's
// upper-left corner.
#include "platform/gfx/region.h"

namespace qv::gui {

using WindowRegion = gfx::Region;

}  // namespace qv::gui
