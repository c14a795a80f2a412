#pragma once
// A list of text rows as a child window of a dialog, in the classic look: a sunken white field,
// the selected row highlighted, a scroll bar when the rows do not fit. A click selects (the
// parent hears kListSelected), a double click or Enter activates (kListActivated); the wheel,
// the scroll bar's arrows and the arrow keys move through the rows.
#include <string>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::present {

// wParam: the control id; lParam: the row.
inline constexpr gui::MessageId kListSelected = gui::WM_USER + 0x102;
inline constexpr gui::MessageId kListActivated = gui::WM_USER + 0x103;
inline constexpr const char* kListBoxClass = "QvListBox";
inline constexpr int kListRowHeight = 16;

gui::HWnd createListBox(gui::WindowSystem& ws, gui::HWnd parent, int id, const gfx::Rect& at);
// New rows, none selected, scrolled to the top.
void setListRows(gui::WindowSystem& ws, gui::HWnd list, std::vector<std::string> rows);
void selectListRow(gui::WindowSystem& ws, gui::HWnd list, int row);
const std::vector<std::string>& listRows(gui::WindowSystem& ws, gui::HWnd list);
int listSelection(gui::WindowSystem& ws, gui::HWnd list);  // -1: none

}  // namespace qv::present
