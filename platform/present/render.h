#pragma once
// The headless look of a form: a picture of its whole window (frame, caption bar, client area
// and every control shown on it) as the window system paints it, or written as a PNG file.
#include <string_view>

#include "platform/forms/form.h"
#include "platform/gfx/canvas.h"

namespace qv::present {

struct RenderOptions {
    // Where a shaped window (one with a window region) has no pixels.
    gfx::Colour outside = gfx::sysColour(gfx::kColourBackground);
    // The caption bar in the active colours.
    bool active = true;
};

// The window as a person would see it, the size of the form's Width and Height in pixels; a
// form not yet loaded is loaded first, as touching it would.
gfx::Canvas renderForm(forms::Form& form, const RenderOptions& options = {});
// The client area alone (the form's ScaleWidth by ScaleHeight).
gfx::Canvas renderClient(forms::Form& form);
// renderForm written whole as a PNG; false when the form has no size or the write fails.
bool writeFormPng(forms::Form& form, std::string_view path, const RenderOptions& options = {});

}  // namespace qv::present
