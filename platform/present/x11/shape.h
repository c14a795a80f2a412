#pragma once
// A window's region as its X shape: the bounding shape (what shows) and the input shape
// (what takes the pointer) are both the region's rectangles.
#include "platform/gfx/region.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

// The region is in the window's own pixels less `offset` (the part of the gui window left of
// and above the X window); nullptr makes the window rectangular again.
void applyShape(const Connection& conn, Window w, const gfx::Region* region, gfx::Point offset);

}  // namespace qv::present::x11
