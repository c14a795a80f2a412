#pragma once
// A push button as a child window of a dialog: it shows pressed while the left button is held
// on it and clicks when the button is let go over it, or when Space or Enter is pressed while
// it has the focus; the click reaches the parent as kButtonClicked with the button's control
// id. Other keys go on to the parent. The default button carries a dark outline.
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::present {

inline constexpr gui::MessageId kButtonClicked = gui::WM_USER + 0x101;  // wParam: the control id
inline constexpr const char* kDialogButtonClass = "QvDialogButton";

gui::HWnd createDialogButton(gui::WindowSystem& ws, gui::HWnd parent, int id, const std::string& caption,
                             const gfx::Rect& at, bool isDefault);

}  // namespace qv::present
