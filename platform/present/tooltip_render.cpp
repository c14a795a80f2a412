#include "platform/present/tooltip_render.h"

#include "platform/gui/tooltip.h"

namespace qv::present {

gfx::Canvas renderTooltip(gui::WindowSystem& ws, gui::HWnd tooltip) {
    const gui::TooltipState* st = gui::tooltipState(ws, tooltip);
    if (st == nullptr || !st->shown || !ws.isVisible(tooltip)) return {};
    ws.updateWindow(tooltip);
    const gfx::Canvas* s = ws.surface(tooltip);
    return s ? *s : gfx::Canvas{};
}

}  // namespace qv::present
