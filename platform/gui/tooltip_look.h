#pragma once
// How a tooltip window looks: a plain tip (a thin frame round the text on the info colours) or
// a balloon (a rounded outline with a stem pointing up at the tool), with an optional bold
// title and its icon. The tooltip window takes the picture's size and paints it.
#include <string_view>

#include "platform/gfx/canvas.h"
#include "platform/gfx/colour.h"

namespace qv::gui {

struct TipLook {
    std::string_view title;
    int icon = 0;  // 0 none, 1 information, 2 warning, 3 error
    std::string_view text;
    bool balloon = false;
    gfx::Colour textColour = gfx::sysColour(gfx::kColourInfoText);
    gfx::Colour backColour = gfx::sysColour(gfx::kColourInfoBackground);
};

gfx::Canvas renderTip(const TipLook& look);

}  // namespace qv::gui
