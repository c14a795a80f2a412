#pragma once
// A popup menu as its window shows it: the visible entries of a menu, one line each, with
// their check marks, shortcuts, separators, grey disabled entries and arrows for submenus.
#include <vector>

#include "platform/forms/intrinsic/menu.h"
#include "platform/gfx/canvas.h"

namespace qv::forms {

// The popup of `menu`'s entries; highlighted (1-based among the visible entries, 0 none) is the
// entry under the pointer. An empty canvas when no entry is visible.
gfx::Canvas renderMenu(const Menu& menu, int highlighted = 0);
// The entries of a menu that show, in order.
std::vector<Menu*> shownEntries(const Menu& menu);
// The entry (1-based among those that show) whose line holds the point y pixels from the top
// of the popup; 0 for none.
int menuEntryAt(const Menu& menu, int y);

}  // namespace qv::forms
