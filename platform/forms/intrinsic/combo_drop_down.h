#pragma once
// The list a drop-down combo box (Style 0 or 2) opens below itself when pressed: a window of its
// own above every other, owned by the box's window, that keeps the mouse while it is open. The
// row under the pointer is highlighted; a release on a row picks it (the box takes it as the
// person's choice and raises Click), a press outside the list closes it with nothing picked, as
// does losing the mouse. While it is open the box's keys steer it: Up and Down move the
// highlight, Enter picks, Escape closes. The list opens above the box when there is no room
// below it on the screen.
#include <memory>

#include "platform/gui/types.h"

namespace qv::forms {

class ComboBox;

// Opens the list; 0 when the box has no window or no items. `life` expires when the box goes.
gui::HWnd openComboDropDown(ComboBox& combo, std::weak_ptr<int> life);
void comboDropDownKey(gui::HWnd list, int keyCode);
void closeComboDropDown(gui::HWnd list);

}  // namespace qv::forms
