#pragma once
// A popup menu as its window shows it: the visible entries of a menu, one line each, with
// their check marks, shortcuts, separators, grey disabled entries and arrows for submenus.
#include "platform/forms/intrinsic/menu.h"
#include "platform/gfx/canvas.h"

namespace qv::present {

// The popup of `menu`'s entries; highlighted (1-based among the visible entries, 0 none) is the
// entry under the pointer. An empty canvas when no entry is visible.
gfx::Canvas renderMenu(const forms::Menu& menu, int highlighted = 0);
// The entry (1-based among the visible entries, separators counted) whose row holds the
// popup's pixel row y; 0 for the border or outside.
int menuEntryAt(const forms::Menu& menu, int y);

}  // namespace qv::present
