#pragma once
// A one-line text field as a child window of a dialog, in the classic look: typed characters
// go on at the end, Backspace takes the last one off, and the caret shows at the end while the
// field has the focus. Enter reaches the parent as kFieldEntered.
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::present {

inline constexpr gui::MessageId kFieldEntered = gui::WM_USER + 0x104;  // wParam: the control id
inline constexpr const char* kTextFieldClass = "QvTextField";

gui::HWnd createTextField(gui::WindowSystem& ws, gui::HWnd parent, int id, const gfx::Rect& at);
// The text is the window's text.
void setFieldText(gui::WindowSystem& ws, gui::HWnd field, const std::string& text);

}  // namespace qv::present
