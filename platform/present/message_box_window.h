#pragma once
// A message box as a modal window of the window system: the style's icon, the text, and its
// buttons with the default one focused. A button, Enter on the focused button, a button's
// underlined letter, or Escape and the close box (where the box has Cancel, or only OK)
// answer it.
#include "platform/forms/msgbox.h"
#include "platform/gfx/geometry.h"
#include "platform/gui/window_system.h"

namespace qv::present {

inline constexpr const char* kMessageBoxClass = "QvMessageBox";

// Shows the box centred on `centre` (screen pixels) and returns the button pressed; the
// headless answer (the default button) when the box goes away unanswered.
int showMessageBox(gui::WindowSystem& ws, const forms::MessageBoxRequest& r, gfx::Point centre);

}  // namespace qv::present
