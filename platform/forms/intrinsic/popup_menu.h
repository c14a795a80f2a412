#pragma once
// A popup menu in a window of its own, as a person sees and answers it: the window opens at a
// point of the screen above every other window and keeps the mouse while it is open; the entry
// under the pointer is highlighted, a release on an enabled entry picks it, and a press
// anywhere outside closes it with nothing picked. The caller waits in a nested run of the
// window system's loop until then. Installed as the popup handler where a person answers
// (setPopupHandler(showPopupMenu)); without a handler a popup opens nowhere and picks nothing.
#include "platform/forms/intrinsic/menu.h"

namespace qv::forms {

Menu* showPopupMenu(Menu& menu, int x, int y);

}  // namespace qv::forms
