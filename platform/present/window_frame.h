#pragma once
// The part of a window outside its client area: the raised border and the caption bar with the
// caption and the title-bar buttons, as the form's BorderStyle and ControlBox ask.
#include "platform/forms/form.h"
#include "platform/gfx/device_context.h"

namespace qv::present {

// Draws the frame of `form` on a canvas the size of the whole window.
void drawWindowFrame(gfx::DeviceContext& dc, const forms::Form& form, bool active = true);

}  // namespace qv::present
