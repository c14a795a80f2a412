#pragma once
// Tooltip windows as they show, taken from their surfaces.
#include "platform/gfx/canvas.h"
#include "platform/gui/tooltip_look.h"
#include "platform/gui/window_system.h"

namespace qv::present {

using gui::renderTip;
using gui::TipLook;

// The tip a tooltip window shows now; an empty canvas when it shows none.
gfx::Canvas renderTooltip(gui::WindowSystem& ws, gui::HWnd tooltip);

}  // namespace qv::present
