#pragma once
// The part of a form's window outside its client area: the raised border and the caption bar
// with the caption and the title-bar buttons, as the form's BorderStyle and ControlBox ask;
// the window styles and frame they give; and which part of the frame a point lies on.
#include <cstdint>

#include "platform/gfx/device_context.h"
#include "platform/gui/types.h"
#include "platform/gui/window_system.h"

namespace qv::forms {

class Form;

std::uint32_t windowStyle(const Form& form);
std::uint32_t windowExStyle(const Form& form);
// The border and caption bar around the client area.
gui::Insets frameInsetsOf(const Form& form);

// Draws the frame of `form` on a device context over the whole window.
void drawWindowFrame(gfx::DeviceContext& dc, const Form& form, int width, int height, bool active = true);

enum class FramePart { None, Caption, Close };
// What of the frame lies at a point of the window (pixels from its upper-left corner).
FramePart framePartAt(const Form& form, int width, gfx::Point p);

}  // namespace qv::forms
