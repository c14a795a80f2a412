#pragma once
// A popup menu as a window of the window system: it opens at the pointer (kept on the screen),
// follows the pointer with its highlight while it holds the mouse capture, and ends with the
// entry clicked, or with none when the person clicks elsewhere.
#include "platform/forms/intrinsic/menu.h"
#include "platform/gfx/geometry.h"
#include "platform/gui/window_system.h"

namespace qv::present {

inline constexpr const char* kPopupMenuClass = "QvPopupMenu";

// The chosen entry (an enabled entry without entries of its own); nullptr when dismissed.
forms::Menu* trackPopupMenu(gui::WindowSystem& ws, forms::Menu& menu, gfx::Point at, const gfx::Rect& screen);

}  // namespace qv::present
