#pragma once
// The three frames of Style 10 (grey, blue, darker blue): a nine-part picture of four corner
// images, edges stretched by one line per image row or column, and a flat face between them.
// Private to the looks; the corner images are made once from the edge colours.
#include <array>
#include <vector>

#include "platform/gfx/colour.h"

namespace qv::controls::style10 {

enum class Frame { Normal = 0, Hot = 1, Down = 2 };

// One painted row of a corner image, in the corner's own coordinates: `depth` rows in from the
// top or bottom edge, columns `from`..`to` counted in from the left or right edge.
struct CornerRow {
    int depth = 0;
    int from = 0;
    int to = 0;
    std::vector<gfx::Colour> colours;  // from `from` to `to`
};

// A corner image, its rows from the outermost in.
using CornerImage = std::vector<CornerRow>;

struct FrameColours {
    gfx::Colour face;
    std::array<gfx::Colour, 18> left;    // columns 0..17
    std::array<gfx::Colour, 17> right;   // columns W-17..W-1
    std::array<gfx::Colour, 12> top;     // rows 0..11
    std::array<gfx::Colour, 11> bottom;  // rows H-11..H-1
    std::array<gfx::Colour, 12> topLeftRow0;  // the top left image's row 0, columns 6..17
    int topRows;     // rows in each top corner image
    int bottomRows;  // rows in each bottom corner image
    bool narrowRowH6;  // the bottom left image's row H-6 stops one pixel short of its others
};

const FrameColours& frameColours(Frame f);

struct CornerImages {
    CornerImage topLeft, bottomLeft, topRight, bottomRight;
};

// Made on first use from the frame's edge colours.
const CornerImages& cornerImages(Frame f);

}  // namespace qv::controls::style10
