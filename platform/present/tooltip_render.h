#pragma once
// Tooltip windows as they show: a plain tip (a thin frame round the text on the info colours)
// or a balloon (a rounded outline with a stem pointing up at the tool), with an optional bold
// title and its icon.
#include <string_view>

#include "platform/gfx/canvas.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_system.h"

namespace qv::present {

struct TipLook {
    std::string_view title;
    int icon = 0;  // 0 none, 1 information, 2 warning, 3 error
    std::string_view text;
    bool balloon = false;
    gfx::Colour textColour = gfx::sysColour(gfx::kColourInfoText);
    gfx::Colour backColour = gfx::sysColour(gfx::kColourInfoBackground);
};

gfx::Canvas renderTip(const TipLook& look);

// The tip a tooltip window shows now; an empty canvas when it shows none.
gfx::Canvas renderTooltip(gui::WindowSystem& ws, gui::HWnd tooltip);

}  // namespace qv::present
