#pragma once
// The window shapes of isButton's looks, for a button width by height pixels.
#include "platform/gfx/region.h"

namespace qv::controls {

// Styles 5 and 7: one pixel off each top corner, two off each bottom one.
gfx::Region MakeChamferRegion(int width, int height);
// Styles 8 and 9: wider cuts, the bottom left one widest.
gfx::Region MakePolygonRegion(int width, int height);
// Style 10: corners rounded by ellipses 18 by 18.
gfx::Region MakeRoundRegion(int width, int height);
// The shape of a style; the whole rectangle for the styles without one.
gfx::Region buttonRegion(int style, int width, int height);

}  // namespace qv::controls
