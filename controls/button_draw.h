#pragma once
// The drawing primitives of the button's looks, each on a given device context with a
// one-pixel solid pen or a solid brush made for the call; what was selected before is put back.
// Lines leave out their end point; rectangles of width or height 0 or less draw nothing.
#include "platform/gfx/device_context.h"

namespace qv::controls {

// A line from (x1, y1) towards (x2, y2); (x2, y2) itself is not drawn.
void DrawLineDC(gfx::DeviceContext& dc, int x1, int y1, int x2, int y2, gfx::Colour colour);
void FillRectColor(gfx::DeviceContext& dc, const gfx::Rect& rect, gfx::Colour colour);
// Fills x..x+width-1, y..y+height-1.
void FillArea(gfx::DeviceContext& dc, int x, int y, int width, int height, gfx::Colour colour);
// The outline through (x, y), (x+width, y), (x+width, y+height), (x, y+height), all four
// corners drawn.
void DrawFrame(gfx::DeviceContext& dc, int x, int y, int width, int height, gfx::Colour colour);
// A three-dimensional border on (x, y)-(x+width, y+height), each corner rounded to the nearest
// pixel (halves to even).
void DrawEdgeRect(gfx::DeviceContext& dc, float x, float y, float width, float height, unsigned edges,
                  unsigned flags);
// height + 1 rows y..y+height, row i a line from (x1, y+i) to (x2, y+i) in
// start + i * (end - start) / height per channel; nothing when height is 0 or less.
void GradientColorB(gfx::DeviceContext& dc, gfx::Colour start, gfx::Colour end, int x1, int y, int x2,
                    int height);
// x2 - x1 + 1 columns, column i a line from (x1+i, y1) to (x1+i, y2) in
// start + i * (end - start) / (x2 - x1); nothing when x2 is not above x1.
void GradientColorC(gfx::DeviceContext& dc, gfx::Colour start, gfx::Colour end, int x1, int y1, int x2,
                    int y2);
// A two-ring frame: the outer ring (x, y)-(x+width-1, y+height-1) in a, the ring one pixel in and
// down in b; the far corners (x, y+height) and (x+width, y) in c, and the pixels next to them
// inside, (x+1, y+height-1) and (x+width-1, y+1), in the blend of b and a.
void DrawCornerPixels(gfx::DeviceContext& dc, int x, int y, int width, int height, gfx::Colour a,
                      gfx::Colour b, gfx::Colour c);

}  // namespace qv::controls
