#pragma once
// The windowless controls (labels, images, shapes, lines) drawn by the window they sit on, in
// the form's order so later ones lie above earlier ones, each kept to its own rectangle.
#include "platform/gfx/device_context.h"

namespace qv::forms {

class Control;
class Form;

// The shown windowless controls of `form` sitting in `container` (nullptr: on the form), on a
// device context whose (0, 0) is the container's client area.
void paintWindowless(gfx::DeviceContext& dc, const Form& form, const Control* container);

}  // namespace qv::forms
