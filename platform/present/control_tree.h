#pragma once
// The controls of a form drawn as they stack: each container's controls above it and clipped
// to its inside, user controls as their own surface with their constituents above it.
#include "platform/forms/form.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/region.h"

namespace qv::present {

// Draws every control of `form` shown on it, the form's client area beginning at `client` on
// the canvas and nothing drawn outside `clip` (canvas pixels).
void paintControls(gfx::DeviceContext& dc, const forms::Form& form, const gfx::Region& clip, gfx::Point client);

// Asks every user control shown on the form (and inside those) to paint its surface, as a
// window system's paint request would before the window is drawn.
void raisePaint(forms::Form& form);

}  // namespace qv::present
